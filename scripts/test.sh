#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
# `--sanitize` does the same under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
if [[ "${1:-}" == "--sanitize" ]]; then
  build="$root/build-sanitize"
fi
"$root/scripts/build.sh" "$@"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
