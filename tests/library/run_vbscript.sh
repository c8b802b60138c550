#!/bin/sh
# run_vbscript.sh WINE_RUN SCRIPT WORK_FOLDER
# Runs a VBScript test with Wine's cscript in a fresh work folder. cscript exits
# 0 even on a script error, so the script prints a closing "N passed, M failed"
# line; the line is passed on unchanged only when cscript also exited 0.
set -u
runner=$1
script=$2
folder=$3
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

rm -rf "$folder"
mkdir -p "$folder"
output=$("$runner" cscript //nologo "$(windows_path "$script")" "$(windows_path "$folder")" 2>&1)
status=$?
if [ "$status" -eq 0 ]; then
  printf '%s\n' "$output"
else
  printf '%s\n' "$output" | sed "s/ failed/ failed (cscript exit status $status)/"
fi
exit "$status"
