#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window. Any
# arguments go to the program unchanged. The build has no tests or
# benchmarks, so it needs only the run packages.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ensure_packages "${NUMBER_TOOL_RUN_PACKAGES[@]}"
configure build/run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DNUMBER_TOOL_BENCHMARKS=OFF
build build/run number-tool
exec build/run/app/qt/number-tool "$@"
