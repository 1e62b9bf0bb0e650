#!/usr/bin/env bash
# A short fuzz run for CI: builds the libFuzzer targets with clang (the
# libraries instrumented for coverage, AddressSanitizer and
# UndefinedBehaviorSanitizer on) in build-fuzz/ and runs each target for
# FUZZ_SECONDS (default 30) on a temporary copy of its corpus, so the
# project's corpus folders stay as they are. Any crash, leak, hang or broken
# property fails the script; the input that did it is printed in base64, to
# be kept in the target's corpus folder once the fault is mended.
# FUZZ_BUILD_DIR builds elsewhere than build-fuzz/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-30}"
# target:corpus folder under fuzz/
targets=(
  dxf/vrn_dxf_fuzzer:dxf/corpus
  text/vrn_settings_file_fuzzer:text/corpus_ini
  text/vrn_text_routines_fuzzer:text/corpus_strings
)

"$root/scripts/install-deps.sh"
echo "fuzz-smoke: configuring $build with clang"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVRN_BUILD_FUZZ=ON -DVRN_BUILD_TESTS=OFF -DVRN_SANITIZE=ON >/dev/null
echo "fuzz-smoke: building the fuzz targets"
names=()
for entry in "${targets[@]}"; do
  fuzzer=${entry%%:*}
  names+=("${fuzzer##*/}")
done
cmake --build "$build" --target "${names[@]}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=()
for entry in "${targets[@]}"; do
  fuzzer=${entry%%:*}
  corpus=${entry#*:}
  name=${fuzzer##*/}
  echo "fuzz-smoke: $name for $seconds s on a copy of fuzz/$corpus"
  cp -r "$root/fuzz/$corpus" "$scratch/$name"
  mkdir "$scratch/$name.artifacts"
  if "$build/fuzz/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$scratch/$name.artifacts/" "$scratch/$name" >"$scratch/$name.log" 2>&1; then
    grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$scratch/$name.log" | tail -1 || true
    grep -E '^stat::number_of_executed_units' "$scratch/$name.log" || true
  else
    tail -40 "$scratch/$name.log"
    for input in "$scratch/$name.artifacts"/*; do
      [[ -e "$input" ]] || continue
      echo "fuzz-smoke: $name failed on ${input##*/} (base64):"
      base64 "$input"
    done
    failed+=("$name")
  fi
done
if ((${#failed[@]} > 0)); then
  echo "fuzz-smoke: FAILED: ${failed[*]}"
  exit 1
fi
echo "fuzz-smoke: every target ran $seconds s without a crash"
