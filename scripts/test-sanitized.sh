#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into a build folder
# of its own (build-sanitize/, or $BUILD_DIR-sanitize) and runs every test there with leak
# checking on: a leak, a use after free or undefined behaviour fails the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}-sanitize
bash "$top/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$top/scripts/lsan.supp
# The options above are set before building: the build runs the test programs to list them.
# Light optimisation with line tables builds fastest and still names every line in a report.
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-O1 -g1" \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DIRRIKA_SANITIZE=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
