#!/usr/bin/env bash
# Installs what the build and the tests need, when something is missing (Debian 12, as root).
set -euo pipefail
packages=(g++ make cmake pkg-config qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev
  libxlsxwriter-dev zlib1g-dev libjpeg-dev libgtest-dev fonts-dejavu-core xvfb xauth
  poppler-utils python3-openpyxl libwmf-bin gsfonts fonts-urw-base35 locales xdotool openbox x11-utils)
# The fuzz harnesses of the file readers (scripts/fuzz.sh): clang with libFuzzer and the
# sanitizer runtimes, and the symbolizer for their reports.
packages+=(clang libclang-rt-dev llvm)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
