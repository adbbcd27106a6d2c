#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ensure_packages "${NUMBER_TOOL_PACKAGES[@]}"
configure_and_build build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "The window is not built yet; the arithmetic and its tests are: ./test.sh"
exit 1
