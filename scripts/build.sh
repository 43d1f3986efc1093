#!/usr/bin/env bash
# Configures and builds one preset (default: ci) after making sure the packages are there.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-ci}"
scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
