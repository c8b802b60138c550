#!/bin/sh
# check_binaries.sh OBJDUMP PROCESSOR FILE...: fails when a file is not built for PROCESSOR, imports a
# DLL that is not Windows' own (a mingw runtime DLL, say), or is a DLL without a server's four entries.
set -eu
objdump=$1
case $2 in x86_64) machine=pei-x86-64 ;; *) machine=pei-i386 ;; esac
shift 2
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|advapi32|ole32|oleaut32|psapi|msvcrt|winspool\.drv|version|shlwapi|api-ms-win-[a-z0-9-]+)(\.dll)?$'
status=0
for file in "$@"; do
  format=$("$objdump" -f "$file" | sed -n 's/.*file format //p')
  [ "$format" = "$machine" ] || { echo "$file: file format $format, expected $machine"; status=1; }
  for dll in $("$objdump" -p "$file" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z'); do
    echo "$dll" | grep -Eq "$system_dlls" || { echo "$file: imports $dll"; status=1; }
  done
  case "$file" in *.dll)
    exports=$("$objdump" -p "$file" | sed -n '/Ordinal\/Name Pointer/,/^$/p')
    for entry in DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer; do
      echo "$exports" | grep -Eq "[[:space:]]$entry\$" || { echo "$file: does not export $entry"; status=1; }
    done ;;
  esac
done
exit $status
