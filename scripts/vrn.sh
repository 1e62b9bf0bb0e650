#!/usr/bin/env bash
# Runs the vrn command, installing and building it on first use.
# Without arguments it lists the texts of the bundled sample drawing, read
# with the font map that comes with it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ ! -x "$root/build/src/cli/vrn" ]]; then
  "$root/scripts/build.sh" >&2
fi
if [[ ! -x "$root/build/src/cli/vrn" ]]; then
  echo "vrn: the core built, but the vrn command is not part of this build yet." >&2
  exit 0
fi
if (($# == 0)); then
  set -- texts "$root/examples/sample.dxf" --font-map "$root/examples/VrnFonts.txt"
fi
exec "$root/build/src/cli/vrn" "$@"
