#!/bin/sh
# run_vbscript.sh WINE_RUN SCRIPT WORK_FOLDER: runs a VBScript test with Wine's cscript in a fresh
# work folder. cscript exits 0 even on a script error, so CTest looks for the script's closing
# "N passed, 0 failed" line; a failing exit status spoils that line.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
rm -rf "$3" && mkdir -p "$3"
output=$("$1" cscript //nologo "$(windows_path "$2")" "$(windows_path "$3")" 2>&1) ||
  output="$output (cscript exit status $?)"
printf '%s\n' "$output"
