#!/usr/bin/env bash
# Builds the Debian package build/package/number-tool_VERSION_ARCH.deb from a
# Release build installed under /usr.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

ensure_packages "${NUMBER_TOOL_RUN_PACKAGES[@]}" dpkg-dev file
configure_and_build build/package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DNUMBER_TOOL_BENCHMARKS=OFF
(cd build/package && cpack -G DEB)
