#!/usr/bin/env bash
# Fuzzes the run-file and settings-file readers: builds the harnesses with clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/ (set FUZZ_BUILD_DIR to
# build elsewhere), writes the seed corpus that the program itself writes, and runs every
# harness, or the ones named, for SECONDS each (default 20), FUZZ_JOBS at a time (default 4).
# Fails when a harness finds a crash, a hang, a sanitizer report or a broken consistency
# rule; the input that did it is kept in build-fuzz/findings/<harness>/.
#   bash scripts/fuzz.sh [SECONDS] [fuzz_load_basin ...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$top/build-fuzz}
seconds=${1:-20}
shift || true
jobs=${FUZZ_JOBS:-4}
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for kind in load append settings; do
    for module in basin border furrow; do harnesses+=("fuzz_${kind}_${module}"); done
  done
fi

bash "$top/scripts/setup.sh"
cmake -S "$top/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
rm -rf "$build/seeds"
"$build/irrika_fuzz_seeds" "$build/seeds"

# One harness: its corpus grows in build-fuzz/corpus/<harness>, seeded anew each time.
run_one() {
  local harness=$1 kind module seeds dict
  kind=$(echo "$harness" | cut -d_ -f2)
  module=$(echo "$harness" | cut -d_ -f3)
  if [ "$kind" = settings ]; then seeds=$build/seeds/settings/$module; dict=$top/fuzz/settings.dict
  else seeds=$build/seeds/run/$module; dict=$top/fuzz/runfile.dict; fi
  mkdir -p "$build/corpus/$harness" "$build/findings/$harness"
  cp "$seeds"/* "$build/corpus/$harness/"
  if "$build/$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
      -dict="$dict" -print_final_stats=1 -artifact_prefix="$build/findings/$harness/" \
      "$build/corpus/$harness" >"$build/$harness.log" 2>&1; then
    echo "ok   $harness"
  else
    echo "FAIL $harness (see $build/$harness.log)"
    return 1
  fi
}
export -f run_one
export build seconds top

status=0
printf '%s\n' "${harnesses[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one {}' | tee "$build/summary" || status=1

# Executions and coverage per harness, from libFuzzer's closing lines.
printf '%-22s %12s %8s %8s\n' harness executions cov ft
for harness in "${harnesses[@]}"; do
  log=$build/$harness.log
  runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || echo -)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo -)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo -)
  printf '%-22s %12s %8s %8s\n' "$harness" "$runs" "$cov" "$ft"
done
failed=$(grep -c '^FAIL' "$build/summary" || true)
echo "$(( ${#harnesses[@]} - failed )) passed, $failed failed"
exit $status
