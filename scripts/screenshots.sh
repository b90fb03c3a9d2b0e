#!/usr/bin/env bash
# Pictures of the desktop program for the documentation: the main window on the demo show at a
# picture step (step 8 for the brass box, 16 for the circle), flat and in 3D, taken under a virtual X server into docs/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DPYXARO_BENCH=OFF >/dev/null
ninja -C build pyxaro >/dev/null

# A settings folder of its own, so the pictures neither use nor change the user's recent files.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$config"
chmod 700 "$config"

shoot() {
  xvfb-run -a -s "-screen 0 1280x800x24" ./build/pyxaro --screenshot "$1" --size 1280x800 "${@:2}" examples/demo.sho
  echo "wrote $1"
}
shoot docs/screenshot-2d.png --step 16
shoot docs/screenshot-3d.png --step 16 --3d
# The rotate pointer: a click on its left side (between a handle and a trumpet) selects the
# brass box, a drag turns it 30 degrees about its pivot (4320, 1800).
shoot docs/screenshot-rotate.png --step 8 --tool "Rotate Pointer" --drag 3960,1560,3960,1560 \
  --drag 3960,1560,4128,1412
