# Shared by the scripts that build: installs missing Debian packages and
# configures and builds a build tree. Sourced, not run.

# What building and opening the window needs: the compiler, CMake, Qt 6
# Widgets, and Qt's Wayland platform plugin (the X11 one comes with Qt).
NUMBER_TOOL_RUN_PACKAGES=(cmake g++ make qt6-base-dev qt6-wayland)
# What the test command needs on top: Qt's private headers (the window tests
# switch accessibility on through them), GoogleTest, Google Benchmark, clang
# with libFuzzer, the start-up probe's xcb, the desktop file validators, and
# weston, the headless Wayland compositor the window is tested on.
NUMBER_TOOL_PACKAGES=("${NUMBER_TOOL_RUN_PACKAGES[@]}" qt6-base-private-dev libgtest-dev libbenchmark-dev libxcb1-dev clang libclang-rt-dev
                      desktop-file-utils appstream weston)

# Installs whichever of the given Debian packages are missing, saying which.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != "installed" ]; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

# configure BUILD_DIR [CMAKE_ARGUMENTS...]: reuses an existing tree.
configure() {
    local build_dir=$1
    shift
    cmake -S . -B "$build_dir" -DNUMBER_TOOL_WERROR=ON "$@"
}

# build BUILD_DIR [TARGET...]: every target when none is named.
build() {
    local build_dir=$1
    shift
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
}

# configure_and_build BUILD_DIR [CMAKE_ARGUMENTS...]
configure_and_build() {
    configure "$@"
    build "$1"
}
