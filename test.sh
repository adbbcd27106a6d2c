#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in a normal
# build and in one with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ensure_packages "${NUMBER_TOOL_PACKAGES[@]}"

echo "== Normal build"
configure_and_build build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build/release --output-on-failure --parallel "$(nproc)"

echo "== Sanitizer build"
configure_and_build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DNUMBER_TOOL_SANITIZE=ON -DNUMBER_TOOL_BENCHMARKS=OFF
ctest --test-dir build/sanitize --output-on-failure --parallel "$(nproc)"
