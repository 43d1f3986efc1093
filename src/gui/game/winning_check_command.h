#pragma once
// "ΔΙΑΛΟ&ΓΗ" of the game window: the winning column entered in the entry dialog, the choice of plain or
// gathered columns ("ΔΙΑΛΟΓΗ ΓΙΑ", plain preselected), then the plain check or the coupon search, answered
// in the result window. Refused with "Παρακαλώ πατήστε Μέτρημα πρώτα!" while there are no counted columns.

namespace quintaro::gui {

struct AppContext;

// Runs the command with the windows of the context. The caller gives its grid the focus afterwards.
void runWinningCheck(AppContext& context);

}  // namespace quintaro::gui
