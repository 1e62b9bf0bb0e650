#!/usr/bin/env bash
# Builds vrn.dll in Release with mingw-w64 and writes the release archive
# build-win/package/vrn-VERSION-win64.zip (vrn.dll, vrn.lsp, INSTALL.txt,
# the sample drawing and its font map), then checks what the archive holds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-win"

"$root/scripts/install-deps.sh" --windows
toolchain=()
[[ -f "$build/CMakeCache.txt" ]] || toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake")
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${toolchain[@]}" >/dev/null
cmake --build "$build" --target vrn_dll
name=$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
rm -f "$build/package/$name.zip"
(cd "$build" && cpack --config CPackConfig.cmake >/dev/null)
archive="$build/package/$name.zip"

python3 - "$archive" "$name" "$build/src/com/vrn.dll" <<'PY'
import re, sys, zipfile
archive, name, dll = sys.argv[1:]
expected = {f"{name}/{f}" for f in ("vrn.dll", "vrn.lsp", "INSTALL.txt", "sample.dxf", "VrnFonts.txt")}
with zipfile.ZipFile(archive) as z:
    files = {n for n in z.namelist() if not n.endswith("/")}
    problems = [f"missing {f}" for f in sorted(expected - files)]
    problems += [f"unexpected {f}" for f in sorted(files - expected)]
    if not problems:
        if z.read(f"{name}/vrn.dll") != open(dll, "rb").read():
            problems.append("vrn.dll is not the one just built")
        version = name.split("-")[1]
        if f"vrn {version} " not in z.read(f"{name}/INSTALL.txt").decode():
            problems.append(f"INSTALL.txt does not name version {version}")
        # The version resource: UTF-16 key, padding to 4 bytes, UTF-16 value.
        entry = re.escape("FileVersion\0".encode("utf-16-le")) + b"(?:\0\0)?" + re.escape(
            f"{version}\0".encode("utf-16-le"))
        if not re.search(entry, z.read(f"{name}/vrn.dll")):
            problems.append(f"vrn.dll carries no version resource of {version}")
for p in problems:
    print(f"{archive}: {p}")
sys.exit(1 if problems else 0)
PY
echo "Wrote $archive"
