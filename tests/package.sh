#!/usr/bin/env bash
# Builds the Debian package in a Release build of its own, checks it with lintian, unpacks it into a
# scratch folder and starts the unpacked program on an X server of its own until its first window
# is up.
set -euo pipefail
source=$1
build=$2
version=$3
root=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait
    rm -rf "$root"
}
trap cleanup EXIT

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# cpack installs without building `all` first, so only the package's contents are built.
cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target marzun_package_contents >/dev/null
deb=$build/marzun_${version}_$(dpkg --print-architecture).deb
rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null)

lintian --fail-on error,warning "$deb"
# The packages of the libraries it links were found.
[[ $(dpkg-deb --field "$deb" Depends) == *libqt6widgets6* ]]
dpkg-deb -x "$deb" "$root"

# The server picks a free display and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$root/display" >/dev/null 2>&1 &
xvfb=$!
pids+=("$xvfb")
until [[ -s "$root/display" ]]; do
    kill -0 "$xvfb"
    sleep 0.1
done
mkdir -m 700 "$root/runtime"
export DISPLAY=:$(<"$root/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$root/runtime

"$root/usr/bin/marzun" &
program=$!
pids+=("$program")
# The calculator's title ends in the program's name; a window mapped without a window manager is
# viewable.
for ((tries = 0; tries < 300; ++tries)); do
    kill -0 "$program" || { echo "the unpacked program ended" >&2; exit 1; }
    window=$(xwininfo -root -tree | awk '/Marzun"/ { print $1; exit }')
    if [[ -n "$window" && $(xwininfo -id "$window") == *"Map State: IsViewable"* ]]; then
        echo "package $(basename "$deb") passes lintian and its program shows its first window"
        exit 0
    fi
    sleep 0.1
done
echo "the unpacked program showed no window" >&2
exit 1
