#pragma once
// The gathering exactly as the scan is defined: every template scans every later column, texts are compared
// as texts. Quadratic, kept as the oracle for the engine's gathering.

#include "core/game/column_list.h"
#include "core/game/gathering.h"

namespace quintaro::test {

CouponList literalMazema(ColumnList& Sthles);

}  // namespace quintaro::test
