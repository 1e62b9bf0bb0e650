#!/usr/bin/env bash
# Writes sqlite3.c and sqlite3.h for the Windows build into DIR (default: the
# current folder), generated from Debian's source package of sqlite3. The
# result is cached: when DIR already holds both files nothing is fetched.
# /etc/apt stays untouched: the deb-src entry lives in a private apt
# configuration under DIR/apt.
set -euo pipefail
out=$(mkdir -p "${1:-.}" && cd "${1:-.}" && pwd)
if [[ -s "$out/sqlite3.c" && -s "$out/sqlite3.h" ]]; then
  exit 0
fi

apt_dir="$out/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
# The same archives as the system's, as source entries.
for f in /etc/apt/sources.list.d/*.sources; do
  [[ -e "$f" ]] || continue
  sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
done
if [[ -s /etc/apt/sources.list ]]; then
  sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt_dir/sources.list.d/system.list"
fi
cat >"$apt_dir/apt.conf" <<CONF
Dir::Etc::SourceList "/dev/null";
Dir::Etc::SourceParts "$apt_dir/sources.list.d";
Dir::State::Lists "$apt_dir/lists";
Dir::Cache "$apt_dir/cache";
APT::Sandbox::User "root";
CONF
export APT_CONFIG="$apt_dir/apt.conf"

work="$out/source"
rm -rf "$work" && mkdir -p "$work"
apt-get update -qq
(cd "$work" && apt-get source -qq sqlite3 >/dev/null)
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'sqlite3-*' | head -n 1)
[[ -n "$src" ]] || { echo "sqlite-amalgamation: no source tree unpacked" >&2; exit 1; }

# The amalgamation is generated in a folder of its own; configure checks the host compiler only.
gen="$work/gen"
mkdir -p "$gen"
(cd "$gen" && "$src/configure" --disable-tcl >/dev/null && make -s sqlite3.c >/dev/null)
cp "$gen/sqlite3.h" "$out/sqlite3.h.tmp" && mv "$out/sqlite3.h.tmp" "$out/sqlite3.h"
cp "$gen/sqlite3.c" "$out/sqlite3.c.tmp" && mv "$out/sqlite3.c.tmp" "$out/sqlite3.c"
rm -rf "$work"
