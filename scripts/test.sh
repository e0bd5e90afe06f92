#!/usr/bin/env bash
# Builds everything and runs every test under Qt's offscreen platform.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
bash "$top/scripts/build.sh"
bash "$top/scripts/fuzz.sh" 20  # each file-reader harness 20 s under libFuzzer, ASan and UBSan
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$(nproc)"
# Second pass: the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
bash "$top/scripts/test-sanitized.sh"
