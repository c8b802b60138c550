#!/bin/sh
# install_test.sh WINE_RUN PACKAGE VERSION NEWER_PACKAGE NEWER_VERSION LOMVEX_EXE PELMAR_DLL
#                 DRIVER_EXE SAMPLES_FOLDER
# Installs (twice), upgrades and removes the package with msiexec in a fresh Wine prefix of its
# own and checks what each step leaves: files, shortcut, Add/Remove Programs entry, Pelmar's
# classes (usable by name, the entries DllRegisterServer writes), and after removal nothing of
# ours but the settings file the user created.
set -u
wine_run=$1 package=$2 version=$3 newer=$4 newer_version=$5 lomvex=$6 pelmar=$7 driver=$8
samples=$9
. "$(dirname "$0")/../../scripts/wine_display.sh"
start_work_folder lomvex-package
trap '"$wine_run" --stop-session; finish_work_folder' EXIT
ensure_display 1280x1024
export LOMVEX_WINEPREFIX="$work/prefix"
"$wine_run" --start-session

failures=0
check() { # DESCRIPTION COMMAND...: a failing COMMAND fails the test, with its output
  _description=$1 && shift
  if "$@" >"$work/check.out" 2>&1; then printf 'ok: %s\n' "$_description" && return; fi
  printf 'FAILED: %s\n' "$_description" && sed 's/^/  /' "$work/check.out"
  failures=$((failures + 1))
}
fails() { ! "$@"; }
equal() { [ "$1" = "$2" ] || { echo "got [$1], expected [$2]"; false; }; }
install() { "$wine_run" msiexec /i "$(windows_path "$1")" /qn; }
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
remove() { "$wine_run" msiexec /x "$(product_code "$1")" /qn; }
# msiexec's 1605, "this action is only valid for products that are installed",
# as an exit status of 8 bits.
remove_fails_as_not_installed() { remove "$1"; [ $? -eq $((1605 % 256)) ]; }

# Every key and value under KEY, one line each, a value after its key's name.
registry() {
  rm -f "$work/export.reg"
  "$wine_run" reg export "$1" "$(windows_path "$work/export.reg")" /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' | awk '
    /\\$/ { joined = joined substr($0, 1, length($0) - 1); next }
    { $0 = joined $0; joined = "" }
    /^\[/ { key = $0; print key; next }
    NF && key != "" { print key " " $0 }'
}
# What the prefix holds that an installation could change, without the empty
# containers the installer service leaves for its own bookkeeping and Wine's
# own passing settings.
snapshot() {
  { registry HKCU; registry 'HKLM\Software'
    (cd "$LOMVEX_WINEPREFIX/drive_c" && find users windows/Installer -print); } |
    grep -v -E -e '^\[HKEY_CURRENT_USER\\Software\\Microsoft\\Installer(\\(Features|Products|UpgradeCodes))?\]$' \
      -e '^\[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Installer\\(UpgradeCodes|UserData(\\S-[0-9-]+(\\(Components|Products))?)?)\]$' \
      -e '^(users/[^/]+/AppData/Roaming/Microsoft/Installer|windows/Installer)$' \
      -e '^\[HKEY_CURRENT_USER\\Software\\Wine\\Temporary System Parameters' | sort >"$1"
}
added() { comm -13 "$1" "$2"; }
# Pelmar's own entries among the added ones. Wine's type library registration
# also copies the shared interface and library keys into the 32-bit view.
classes() { added "$1" "$2" | grep '^\[HKEY_LOCAL_MACHINE\\Software\\Classes\\' | grep -v Wow6432Node; }
# Pelmar's entries that came between snapshots BEFORE and AFTER are those in EXPECTED.
same_classes() { classes "$1" "$2" >"$work/classes" && diff "$3" "$work/classes"; }

# Add/Remove Programs: the user's entries, or the machine's where Wine keeps them.
uninstall_entries() {
  registry 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
  registry 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
}
# How many entries name Lomvex, and their versions.
entries() {
  uninstall_entries | awk '/"DisplayName"="Lomvex"/ { n++ }
    /"DisplayVersion"=/ { split($0, v, "\""); versions = versions " " v[4] } END { print n + 0 versions }'
}
icon_file() {
  registry 'HKCU\Software\Microsoft\Installer\Products' |
    sed -n 's/.*"ProductIcon"="C:\(.*\)"$/\1/p' | sed 's/\\\\/\//g'
}

profile=$(find "$LOMVEX_WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public | head -n 1)
user=$(basename "$profile")
folder=$profile/AppData/Local/Programs/Lomvex
windows_folder="C:\\users\\$user\\AppData\\Local\\Programs\\Lomvex"
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Lomvex.lnk"
installed_files() { cmp "$lomvex" "$folder/Lomvex.exe" && cmp "$pelmar" "$folder/Pelmar.dll"; }
classes_work() {
  "$wine_run" cscript //nologo "$(windows_path "$(dirname "$0")/installed_classes.vbs")" \
    "$windows_folder" | tee /dev/stderr | grep -q '^installed classes work'
}
viewer_starts() {
  cp -R "$samples" "$work/data"
  printf '[BlackIce]\r\nFileLocation=%s\r\nFileSet=1\r\n' \
    "$(windows_path "$work/data/attack-list.csv")" >"$folder/Lomvex.Ini"
  run_on_wine_desktop "$wine_run" "lomvex-package-$$" 120 "$driver" show \
    "$windows_folder" "$(windows_path "$work/shot.bmp")" </dev/null
  [ -s "$work/shot.bmp" ]
}

check "no Pelmar classes before" fails classes_work
snapshot "$work/before"
check "install $version" install "$package"
check "the program and the library in $windows_folder" installed_files
check "the Start menu shortcut" test -f "$shortcut"
check "one Add/Remove Programs entry of version $version" equal "$(entries)" "1 $version"
check "the entry's icon" test -s "$LOMVEX_WINEPREFIX/drive_c$(icon_file)"
check "Pelmar.SysCls and Pelmar.RegCls created by name" classes_work
check "the installed Lomvex starts on the sample data and shows its window" viewer_starts
snapshot "$work/installed"
classes "$work/before" "$work/installed" >"$work/package-classes"

check "installing the same package again" install "$package"
check "still one entry" equal "$(entries)" "1 $version"

check "upgrade to $newer_version" install "$newer"
check "one entry, of version $newer_version" equal "$(entries)" "1 $newer_version"
check "the files after the upgrade" installed_files
check "the settings file kept" test -f "$folder/Lomvex.Ini"
snapshot "$work/upgraded"
check "the classes after the upgrade" same_classes "$work/before" "$work/upgraded" "$work/package-classes"
check "an older version refused" fails install "$package"

check "uninstall" remove "$newer"
snapshot "$work/removed"
printf '%s\n' "users/$user/AppData/Local/Programs" "users/$user/AppData/Local/Programs/Lomvex" \
  "users/$user/AppData/Local/Programs/Lomvex/Lomvex.Ini" >"$work/settings-only"
added "$work/before" "$work/removed" >"$work/left"
check "nothing left but the user's settings file" diff "$work/settings-only" "$work/left"
added "$work/removed" "$work/before" >"$work/lost"
check "nothing of the prefix removed" diff /dev/null "$work/lost"
check "uninstalling what is not installed fails" remove_fails_as_not_installed "$newer"

# DllRegisterServer on the same file at the same place writes the package's entries.
rm -f "$folder/Lomvex.Ini"
cp "$pelmar" "$folder/Pelmar.dll"
snapshot "$work/unregistered"
check "regsvr32" "$wine_run" regsvr32 /s "$windows_folder\\Pelmar.dll"
snapshot "$work/registered"
check "the package's entries are DllRegisterServer's" same_classes "$work/unregistered" \
  "$work/registered" "$work/package-classes"

[ "$failures" -eq 0 ] || { echo "$failures failed" && exit 1; }
