#!/usr/bin/env bash
# Runs the vrn command, installing and building it on first use and bringing
# the build up to date afterwards. Without arguments it lists the texts of the
# bundled sample drawing, read with the font map that comes with it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ -f "$root/build/build.ninja" ]]; then
  cmake --build "$root/build" --target vrn >/dev/null
else
  "$root/scripts/build.sh" >&2
fi
if (($# == 0)); then
  set -- texts "$root/examples/sample.dxf" --font-map "$root/examples/VrnFonts.txt"
fi
exec "$root/build/src/cli/vrn" "$@"
