#!/usr/bin/env bash
# Configures and builds vrn. `--sanitize` builds with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/; otherwise into build/.
# Extra arguments go to CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ "${1:-}" == "--sanitize" ]]; then
  shift
  build="$root/build-sanitize"
  flags=(-DCMAKE_BUILD_TYPE=Debug -DVRN_SANITIZE=ON)
fi
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja "${flags[@]}" "$@" >/dev/null
cmake --build "$build"
