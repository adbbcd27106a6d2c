#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window. Any
# arguments go to the program unchanged.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ensure_packages "${NUMBER_TOOL_PACKAGES[@]}"
configure build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
build build/release number-tool
exec build/release/app/number-tool "$@"
