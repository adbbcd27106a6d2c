#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice, in a normal
# build and in one with AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs each libFuzzer target for a short, fixed time.
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

echo "== Fuzzing (${NUMBER_TOOL_FUZZ_SECONDS:-20} s a target)"
configure_and_build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DNUMBER_TOOL_FUZZ=ON -DNUMBER_TOOL_BENCHMARKS=OFF -DNUMBER_TOOL_FUZZ_SECONDS="${NUMBER_TOOL_FUZZ_SECONDS:-20}"
ctest --test-dir build/fuzz --output-on-failure --parallel "$(nproc)"
