#!/usr/bin/env bash
# scripts/test-in-debian.sh [SUITE]: runs the README's test command in a
# minimal Debian system of that release (default trixie, Debian 13), made
# with debootstrap under build/debian-SUITE and reused while it is there.
# A clean clone of the committed checkout is copied in, so the run sees no
# build tree or package that this machine has. What it mounts it always
# unmounts, on failure and interrupt too.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

suite=${1:-trixie}
mirror=${NUMBER_TOOL_DEBIAN_MIRROR:-http://deb.debian.org/debian}
root=$PWD/build/debian-$suite
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)

ensure_packages debootstrap git

mounted=()
cleanup() {
    local point
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        point=${mounted[i]}
        "${as_root[@]}" umount --lazy "$point" 2>/dev/null || true
    done
    "${as_root[@]}" rm -rf "$root/work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A system left half made by an interrupted run is made again.
if [ ! -e "$root/.number-tool-complete" ]; then
    echo "== Making a minimal Debian $suite in $root"
    "${as_root[@]}" rm -rf "$root"
    "${as_root[@]}" debootstrap --variant=minbase "$suite" "$root" "$mirror"
    "${as_root[@]}" touch "$root/.number-tool-complete"
fi

for point in proc dev dev/pts; do
    case $point in
        proc) "${as_root[@]}" mount -t proc proc "$root/proc" ;;
        dev) "${as_root[@]}" mount --bind /dev "$root/dev" ;;
        dev/pts) "${as_root[@]}" mount -t devpts devpts "$root/dev/pts" ;;
    esac
    mounted+=("$root/$point")
done
"${as_root[@]}" cp /etc/resolv.conf "$root/etc/resolv.conf"

echo "== A clean clone of $(git rev-parse --short HEAD) into Debian $suite"
"${as_root[@]}" rm -rf "$root/work"
"${as_root[@]}" mkdir -p "$root/work"
"${as_root[@]}" git clone --quiet --no-hardlinks "$PWD" "$root/work/number-tool"

"${as_root[@]}" chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    NUMBER_TOOL_FUZZ_SECONDS="${NUMBER_TOOL_FUZZ_SECONDS:-20}" \
    /bin/bash -c 'cd /work/number-tool && ./test.sh'
