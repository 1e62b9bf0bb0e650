#!/usr/bin/env bash
# Builds vrn.dll with mingw-w64 and tests it under Wine, in a fresh prefix
# that is thrown away afterwards (no display needed):
#   1. regsvr32 registers vrn.dll and the test drawing host from a folder
#      with a blank in its name; the registry holds exactly the class keys;
#   2. VBScript and JScript clients run by cscript (each ends with the line
#      "N passed, N failed", since cscript exits 0 even when a script dies),
#      among them the host calls of the AutoLISP commands;
#   3. the Windows test programs (the encoding case tables, the COM bridges);
#   4. regsvr32 /u removes every key again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-win"

"$root/scripts/install-deps.sh" --windows
# The toolchain is read by the first configure only.
toolchain=()
[[ -f "$build/CMakeCache.txt" ]] || toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake")
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${toolchain[@]}" >/dev/null
cmake --build "$build" --target vrn_dll vrn_testhost vrn_encoding_tables_tests vrn_windows_tests vrn_host_tests \
  vrn_dxf_codec_tests

tmp=$(mktemp -d /tmp/vrn-wine.XXXXXX)
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
# HOME too: Wine links the Documents folder to the Unix home's.
export HOME="$tmp/home" WINEPREFIX="$tmp/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"
echo "Creating a Wine prefix in $WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

# Wine's output comes with CR LF.
run() { "$@" 2>&1 | tr -d '\r'; }
winepath() { echo "Z:${1//\//\\}"; }

server="$WINEPREFIX/drive_c/vrn server"
mkdir -p "$server"
cp "$build/src/com/vrn.dll" "$build/tests/windows/vrn_testhost.dll" "$server/"

clsid='{DB500687-C5BA-42C5-A620-30D2BBE15BC5}'
libid='{04702E75-034C-4BEB-93CF-F7451336EF33}'

# ---- 1. registration ----
if wine regsvr32 /s 'C:\vrn server\vrn.dll' && wine regsvr32 /s 'C:\vrn server\vrn_testhost.dll'; then
  pass "regsvr32 registers both servers"
else
  fail "regsvr32 exit code"
fi

classes=$(run wine reg query "HKCR\\CLSID\\$clsid" /s)
inproc=$(sed -n '/\\InprocServer32$/,/^$/s/^ *(Default) *REG_SZ *//p' <<<"$classes")
if [[ "$inproc" =~ ^C:\\[^\ ]+\\vrn\.dll$ ]]; then
  pass "InprocServer32 is the short path $inproc"
else
  fail "InprocServer32 is '$inproc', not the short form of C:\\vrn server\\vrn.dll"
fi
expected_classes="HKEY_CLASSES_ROOT\\CLSID\\$clsid
    (Default)    REG_SZ    autovrn Object

HKEY_CLASSES_ROOT\\CLSID\\$clsid\\InprocServer32
    (Default)    REG_SZ    $inproc
    ThreadingModel    REG_SZ    Apartment

HKEY_CLASSES_ROOT\\CLSID\\$clsid\\ProgID
    (Default)    REG_SZ    vrn.autovrn

HKEY_CLASSES_ROOT\\CLSID\\$clsid\\TypeLib
    (Default)    REG_SZ    $libid

HKEY_CLASSES_ROOT\\CLSID\\$clsid\\Version
    (Default)    REG_SZ    1.0"
expected_progid="HKEY_CLASSES_ROOT\\vrn.autovrn
    (Default)    REG_SZ    autovrn Object

HKEY_CLASSES_ROOT\\vrn.autovrn\\Clsid
    (Default)    REG_SZ    $clsid"
progid=$(run wine reg query 'HKCR\vrn.autovrn' /s)
nonblank() { grep -v '^$' <<<"$1" || true; }
if [[ "$(nonblank "$classes")" == "$(nonblank "$expected_classes")" ]]; then
  pass "the class key holds exactly its entries"
else
  fail "the class key:"
  echo "$classes"
fi
if [[ "$(nonblank "$progid")" == "$(nonblank "$expected_progid")" ]]; then
  pass "the ProgID key holds exactly its entries"
else
  fail "the ProgID key:"
  echo "$progid"
fi
typelib=$(run wine reg query "HKCR\\TypeLib\\$libid\\1.0\\409\\win64")
if grep -qF 'C:\vrn server\vrn.dll' <<<"$typelib"; then
  pass "the type library is registered from the module"
else
  fail "the type library:"
  echo "$typelib"
fi

# ---- 2. script clients ----
# The data directory with the font map of the sample drawing.
user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
mkdir -p "$user_dir/Documents/Palwen/Vornel"
cp "$root/examples/VrnFonts.txt" "$user_dir/Documents/Palwen/Vornel/"

for script in autovrn_test.vbs autovrn_test.js lisp_commands_test.vbs; do
  work="$tmp/work-${script%.*}"
  mkdir -p "$work"
  cp "$root/examples/sample.dxf" "$work/"
  output=$(run timeout 120 wine cscript //nologo "$(winepath "$root/tests/windows/$script")" "$(winepath "$work")" || true)
  (grep -v '^$' <<<"$output" || true) | sed "s/^/  $script: /"
  summary=$(tail -n 1 <<<"$output")
  if [[ "$summary" =~ ^([0-9]+)\ passed,\ 0\ failed$ && ${BASH_REMATCH[1]} -gt 0 ]]; then
    pass "$script: $summary"
  else
    fail "$script did not finish cleanly: '$summary'"
  fi
done

# ---- 3. Windows test programs (run from a Unix folder, so /work/... paths resolve on Z:) ----
for program in "$build"/tests/windows/vrn_encoding_tables_tests.exe "$build"/tests/windows/vrn_windows_tests.exe \
  "$build"/tests/host/vrn_host_tests.exe "$build"/tests/windows/vrn_dxf_codec_tests.exe; do
  if (cd "$root" && run wine "$program" --gtest_brief=1 | tail -n 20); then
    pass "$(basename "$program")"
  else
    fail "$(basename "$program")"
  fi
done

# ---- 4. unregistration ----
wine regsvr32 /u /s 'C:\vrn server\vrn.dll' || fail "regsvr32 /u exit code"
wine regsvr32 /u /s 'C:\vrn server\vrn.dll' || fail "regsvr32 /u of an unregistered server"
wine regsvr32 /u /s 'C:\vrn server\vrn_testhost.dll' || fail "regsvr32 /u of the test host"
for key in "HKCR\\CLSID\\$clsid" 'HKCR\vrn.autovrn' "HKCR\\TypeLib\\$libid" \
  'HKCR\Interface\{15468C79-3550-4906-95F6-7C9FF867EC94}'; do
  if wine reg query "$key" >/dev/null 2>&1; then fail "$key is still there"; else pass "$key removed"; fi
done

if ((failures > 0)); then
  echo "$failures Windows check(s) failed"
  exit 1
fi
echo "All Windows checks passed"
