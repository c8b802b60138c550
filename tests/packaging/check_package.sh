#!/bin/sh
# check_package.sh PACKAGE ARCH OBJDUMP
# Reads the installer package's tables back (msitools) and checks that they
# are for ARCH (x64 or x86): the platform, 64-bit components only for x64,
# Pelmar's type library registered for that platform, and the two files in the
# package built for that machine, importing only the system's DLLs. Runs on the build
# host, so it also checks the x86 package, which cannot be installed here.
set -eu
package=$1 arch=$2 objdump=$3
status=0
fail() { echo "$package: $*"; status=1; }

case $arch in
  x64) template=x64 component_bits=256 typelib=win64 processor=x86_64 ;;
  *) template=Intel component_bits=0 typelib=win32 processor=x86 ;;
esac
msiinfo suminfo "$package" | grep -qx "Template: $template;1033" || fail "platform is not $template"
msiinfo export "$package" Component | awk -F '\t' -v bits="$component_bits" \
  'NR > 3 && int($4 / 256) % 2 * 256 != bits { bad = 1 } END { exit bad }' ||
  fail "a component's 64-bit attribute is wrong for $arch"
msiinfo export "$package" Registry | grep -q "\\\\1.0\\\\409\\\\$typelib	" ||
  fail "no type library entry for $typelib"

files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
msiextract -C "$files" "$package" >/dev/null
for name in Lomvex.exe Pelmar.dll; do
  [ -f "$files/Programs/Lomvex/$name" ] || fail "holds no $name"
done
sh "$(dirname "$0")/../binaries/check_binaries.sh" "$objdump" "$processor" \
  "$files/Programs/Lomvex/Lomvex.exe" "$files/Programs/Lomvex/Pelmar.dll" || status=1
exit $status
