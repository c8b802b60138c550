#!/bin/sh
# Installs, idempotently, everything the build and the tests need on Debian 12.
set -eu

packages="cmake g++ clang libclang-rt-14-dev make ninja-build googletest libgtest-dev \
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64 \
  wine wine64 xvfb xauth imagemagick clang-format msitools wixl"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing="$missing $p"
  fi
done
# libwine-dev brings the IDL files and stdole2.tlb that widl imports.
if ! dpkg-query -W -f='${Status}' libwine-dev 2>/dev/null | grep -q "ok installed"; then
  need_libwine=1
else
  need_libwine=0
fi

if [ -n "$missing" ] || [ "$need_libwine" = 1 ]; then
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  [ -z "$missing" ] || $SUDO apt-get install -y -qq $missing
  [ "$need_libwine" = 0 ] || $SUDO apt-get install -y -qq --no-install-recommends libwine-dev
fi
echo "setup: all packages present"
