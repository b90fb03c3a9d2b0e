#!/usr/bin/env bash
# Sets everything up and shows the bundled demo show.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
./build/pyxaro-cli info examples/demo.sho
