#!/usr/bin/env bash
# Sets everything up and opens the bundled demo show in the desktop program. Without a display
# it draws the demo show's field charts into a PDF instead. Only the two programs are built
# here; ./test.sh builds the tests and benchmarks.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh pyxaro pyxaro-cli
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/pyxaro examples/demo.sho
fi
./build/pyxaro-cli print examples/demo.sho -o build/demo-charts.pdf >/dev/null
echo "No display found: the demo show's field charts are in $(pwd)/build/demo-charts.pdf"
