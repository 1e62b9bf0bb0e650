#!/usr/bin/env bash
# Builds vrn.dll with mingw-w64 and tests it under Wine, in a fresh prefix
# that is thrown away afterwards (no display needed):
#   1. regsvr32 registers vrn.dll and the test drawing host from a folder
#      with a blank in its name; the registry holds exactly the class keys;
#   2. VBScript and JScript clients run by cscript (each ends with the line
#      "N passed, N failed", since cscript exits 0 even when a script dies),
#      among them the host calls of the AutoLISP commands;
#   3. the Windows test programs (the encoding case tables, the COM bridges);
#   4. the forms as real windows on an Xvfb display: the edit-control
#      contract table on the Windows backend; then each case opens a form
#      through vrn.dll from a VBScript client, a scripted user plays in its
#      windows, and the saved drawing must be byte for byte the headless
#      run's (`vrn newtext` / `vrn call`, built for Linux in $VRN_LINUX_BUILD,
#      default build/); a PNG of each form goes to build-win/window-tests/,
#      and its size and captions, read back from the windows, are checked;
#   5. regsvr32 /u removes every key again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-win"

"$root/scripts/install-deps.sh" --windows
# The toolchain is read by the first configure only.
toolchain=()
[[ -f "$build/CMakeCache.txt" ]] || toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake")
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${toolchain[@]}" >/dev/null
cmake --build "$build" --target vrn_dll vrn_testhost vrn_encoding_tables_tests vrn_windows_tests vrn_host_tests \
  vrn_dxf_codec_tests vrn_ui_win32_tests
linux_build="${VRN_LINUX_BUILD:-$root/build}"
[[ -f "$linux_build/CMakeCache.txt" ]] || cmake -S "$root" -B "$linux_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$linux_build" --target vrn

tmp=$(mktemp -d /tmp/vrn-wine.XXXXXX)
display_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [[ -z "$display_pid" ]] || kill "$display_pid" 2>/dev/null || true
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

# ---- 4. forms in real windows ----
# One X display for every case.
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
display_pid=$!
exec 3>&-
for _ in $(seq 50); do [[ -s "$tmp/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$tmp/display")"
wineserver -k 2>/dev/null || true # the next start sees the display
# No window manager runs: Wine draws the frames itself and does not wait
# for one when a window hides.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

# The edit-control contract table, on the real windows.
if (cd "$root" && run wine "$build/tests/windows/vrn_ui_win32_tests.exe" --gtest_brief=1 | tail -n 20); then
  pass "vrn_ui_win32_tests.exe"
else
  fail "vrn_ui_win32_tests.exe"
fi

# Wine switches only to layouts of its locale's language, so the forms run
# under a Hebrew locale: the editors open with the Hebrew layout as they do
# on a Hebrew machine.
mkdir -p "$tmp/locales"
localedef -i he_IL -f UTF-8 "$tmp/locales/he_IL.UTF-8"
wineserver -k 2>/dev/null || true
export LOCPATH="$tmp/locales" LANG=he_IL.UTF-8

shots="$build/window-tests"
rm -rf "$shots"
mkdir -p "$shots"
linux_data="$tmp/linux-data"
mkdir -p "$linux_data"
cp "$root/examples/VrnFonts.txt" "$linux_data/"
# name | member and argument | the form's class | its size | the user's lines
window_cases=(
  "newtext-ok|newtext HEB-DOS|Thtext|900 120|type שלום 12\nclick btnNext\ntype עולם\nkey Enter"
  "newtext-cancel|newtext HEB-DOS|Thtext|900 120|type שלום\nclick BitBtn2"
  "edit-ok|edit 9F|Thtext|900 120|key End\ntype  abc\nclick btnOk"
  "fonts-ok|FontTable|TfrmFonts|384 424|click btnOk"
  "fonts-cancel|FontTable|TfrmFonts|384 424|click btnCancel"
  "about-ok|about|TAboutBox|300 170|key Enter"
  "about-close|about|TAboutBox|300 170|close"
  "block-ok|block DE|TfrmGrid|400 300|cell ngrid 2 2\nset ngrid מטבח\ncell ngrid 2 3\nset edWF 0.8\nset ngrid 12\nclick btnOk"
  "block-cancel|block D2|TfrmGrid|400 300|set ngrid x\nclick btnCancel"
  "attdef-ok|edit DC|TfrmGrid|400 300|set ngrid סלון\nclick btnOk"
  "fontconvert-ok|hfont_convert|TfrmFontConvert|560 360|check lstFonts hebrew1.shx\nchoose cbStyles HEB-WIN\nclick btnConvert\nanswer OK\nclick btnClose"
  "fontremap-ok|hfont_convert|TfrmFontConvert|560 360|check lstFonts hebeng.shx\nchoose PageControl1 \"Convert Font's Mapping\"\ncheck cbReverse\nclick btnRemap\nanswer OK\nclick btnClose2"
  "fontconvert-close|hfont_convert|TfrmFontConvert|560 360|close"
  "revit-cancel|Convert|TfrmConvert|460 170|click btnCancel"
  "mtext-ok|mtext A8|Tfrmmtext|620 420|uncheck CheckBox1\nclick Memo1\ncaret 0\ntype א\nclick BitBtn1"
  "mtext-cancel|mtext A8|Tfrmmtext|620 420|click BitBtn3"
  # The library starts empty; the second case finds what the first stored.
  "library-ok|Hlib|TfrmExpl|780 520|layout he\nchoose TreeView1 All Categories\nclick tbAddCat\ntype מסמכים\nkey Enter\nclick tbAddTitle\ntype פרק\nkey Enter\nfocus Memo1\ntype שלום\nclick BitBtn1"
  "replace-ok|replace A5 9F A7|TfrmEditor|640 460|set cbxsearch שטח\nset cbxReplace גודל\nuncheck ChAll\nclick ToolButton1\nanswer OK\nclick btnOk"
  "replace-cancel|replace A5 9F A7|TfrmEditor|640 460|set cbxsearch שטח\nset cbxReplace גודל\nuncheck ChAll\nclick ToolButton1\nanswer OK\nclick Button1"
  "library-properties|Hlib|TfrmExpl|780 520|layout he\nchoose PageControl1 Properties\ncell vleProps 1 3\nchoose vleProps Yes\nchoose PageControl1 Categories\nchoose TreeView1 All Categories/מסמכים/פרק\nexpect Memo1 Text שלום\nclose"
)
# The captions each form's windows must show.
declare -A window_captions=(
  [Thtext]='"OK"|"Cancel"|"New Line"|"Windows Screen Editor"|"Hebrew"|"English"'
  [TfrmFonts]='"File"|"&New"|"&Delete"|"&New from file"|"OK"|"Cancel"'
  [TAboutBox]='"vrn"|"Version 1.0"|"Hebrew text for AutoCAD"|"OK"'
  [TfrmGrid]='"&English"|"OK"|"Cancel"'
  [TfrmFontConvert]='"Selct All"|"Unselect All"|"Style to convert"|"Convert »"|"Close"'
  [TfrmConvert]='"Save converted  as:"|"Save"|"Save As and Convert"|"Reload  base DWG"|"CANCEL"'
  [Tfrmmtext]='"&OK"|"&Cancel"|"Explode"|"Hebrew"|"English"|"Align Right"|"HEB-TTF"'
  [TfrmEditor]='"Prompt on Replace"|"Find"|"Down"|"Up"|"Ok"|"Cancel"|"Reverse"|"Selected to screen"'
  [TfrmExpl]='"OK"|">>Pick"|"<<Put"|"<<PutMt"|"Search"|"+ Folder"|"+Topic"|"Load from file"'
)
headless_reference() { # member argument script output
  local member=$1 argument=$2
  case "$member" in
    newtext) "$linux_build/src/cli/vrn" --data-dir "$linux_data" newtext "$root/examples/sample.dxf" \
      --style "$argument" --at 300,300 --script "$3" -o "$4" ;;
    about) "$linux_build/src/cli/vrn" --data-dir "$linux_data" call "$root/examples/sample.dxf" Cmd about_vrn "" "" \
      --script "$3" -o "$4" ;;
    hfont_convert) "$linux_build/src/cli/vrn" --data-dir "$linux_data" call "$root/examples/sample.dxf" Cmd hfont_convert \
      "" "" --script "$3" -o "$4" ;;
    # replace's argument is what the user picks at "Select objects": the VBScript
    # client queues it in the test host, the headless run reads it from its script.
    replace) { printf 'pick %s\n' "$argument"; cat "$3"; } >"$3.headless"
      "$linux_build/src/cli/vrn" --data-dir "$linux_data" call "$root/examples/sample.dxf" replace \
        --script "$3.headless" -o "$4" ;;
    *) "$linux_build/src/cli/vrn" --data-dir "$linux_data" call "$root/examples/sample.dxf" "$member" \
      ${argument:+"$argument"} --script "$3" -o "$4" ;;
  esac
}
for entry in "${window_cases[@]}"; do
  IFS='|' read -r name call form size lines <<<"$entry"
  read -r member argument <<<"$call"
  work="$tmp/window-$name"
  mkdir -p "$work/shots"
  printf '%b\n' "$lines" >"$work/script.txt"
  output=$(VRN_TEST_UI_SCRIPT="$(winepath "$work/script.txt")" VRN_TEST_UI_REPORT="$(winepath "$work/report.txt")" \
    VRN_TEST_UI_SNAPSHOTS="$(winepath "$work/shots")" run timeout 120 wine cscript //nologo \
    "$(winepath "$root/tests/windows/forms_test.vbs")" "$(winepath "$root/examples/sample.dxf")" \
    "$(winepath "$work/wine.dxf")" "$member" "$argument" || true)
  summary=$(tail -n 1 <<<"$output")
  if ! [[ "$summary" =~ ^[0-9]+\ passed,\ 0\ failed$ ]]; then
    fail "$name: the client did not finish cleanly: $output"
    continue
  fi
  if grep -q '^failure' "$work/report.txt" 2>/dev/null || ! grep -q "^form $form closed" "$work/report.txt"; then
    fail "$name: the scripted user in the windows:"
    cat "$work/report.txt" 2>/dev/null || true
    continue
  fi
  if ! headless_reference "$member" "$argument" "$work/script.txt" "$work/headless.dxf" >/dev/null; then
    fail "$name: the headless run failed"
  elif cmp -s "$work/headless.dxf" "$work/wine.dxf"; then
    pass "$name: the drawing is byte for byte the headless run's"
  else
    fail "$name: the drawing differs from the headless run's"
  fi
  convert "$work/shots/$form.bmp" "$shots/$name.png"
  [[ ! -f "$work/shots/$form-closing.bmp" ]] || convert "$work/shots/$form-closing.bmp" "$shots/$name-closing.png"
  picture=$(identify -format '%w %h' "$shots/$name.png")
  missing=()
  IFS='|' read -ra captions <<<"${window_captions[$form]}"
  for caption in "${captions[@]}"; do grep -qF " $caption" "$work/shots/$form.txt" || missing+=("$caption"); done
  if [[ "$(head -n 1 "$work/shots/$form.txt")" == "size $size" && "$picture" == "$size" && ${#missing[@]} -eq 0 ]]; then
    pass "$name: $form shows at $size with its captions ($shots/$name.png)"
  else
    fail "$name: $form's window ($picture, missing: ${missing[*]}):"
    cat "$work/shots/$form.txt"
  fi
done

# An attribute edited through vrn.dll and read back: the room tag's history
# in the current user's registry, where the AutoCAD-side routines keep it.
work="$tmp/attribute-edit"
mkdir -p "$work"
cp "$root/examples/sample.dxf" "$work/"
printf '%s\r\n' REGEDIT4 '' '[HKEY_CURRENT_USER\Software\Palwen\Lisp\Blocks]' \
  '"ROOM-TAG"="{\"ROOM\": {\"A\": [\"Office\", \"Lab\"], \"B\": [\"1\", \"2\"], \"S\": \"NAME\"}}"' >"$work/history.reg"
wine regedit /s "$(winepath "$work/history.reg")"
area="שטח 20"
printf '%s\n' 'expect ngrid CellColor[0,1] #FFFF00' 'choose ComboBox1 Lab' 'cell ngrid 2 3' \
  "set ngrid \"$area\"" 'click BitBtn3' 'set ngrid x' 'click btnCancel' >"$work/script.txt"
output=$(VRN_TEST_UI_SCRIPT="$(winepath "$work/script.txt")" VRN_TEST_UI_REPORT="$(winepath "$work/report.txt")" \
  run timeout 120 wine cscript //nologo "$(winepath "$root/tests/windows/attribute_edit_test.vbs")" "$(winepath "$work")" \
  "$area" || true)
(grep -v '^$' <<<"$output" || true) | sed "s/^/  attribute_edit_test.vbs: /"
summary=$(tail -n 1 <<<"$output")
if [[ "$summary" =~ ^([0-9]+)\ passed,\ 0\ failed$ && ${BASH_REMATCH[1]} -gt 0 ]] && ! grep -q '^failure' "$work/report.txt"; then
  pass "attribute_edit_test.vbs: $summary"
else
  fail "attribute_edit_test.vbs: '$summary'"
  cat "$work/report.txt" 2>/dev/null || true
fi
wine reg delete 'HKCU\Software\Palwen' /f >/dev/null 2>&1 || true
unset LOCPATH LANG DISPLAY

# ---- 5. unregistration ----
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
