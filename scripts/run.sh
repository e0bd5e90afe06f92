#!/usr/bin/env bash
# Builds the program and starts it (needs a display; DISPLAY or WAYLAND_DISPLAY).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
bash "$top/scripts/build.sh"
exec "$build/bin/Irrika" "$@"
