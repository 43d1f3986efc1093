#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (core and windows) through ctest.
# Window tests use Qt's offscreen platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh ci
QT_QPA_PLATFORM=offscreen ctest --preset ci -j "$(nproc)"
