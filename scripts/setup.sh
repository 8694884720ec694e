#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test the suite, and
# does nothing (quickly) when everything is already there.
set -euo pipefail

need_cmds=(cmake ninja g++ i686-w64-mingw32-g++-posix i686-w64-mingw32-windres
           x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres wine Xvfb clang llvm-nm
           clang-14 clang++-14 llvm-symbolizer clang-format git)
pkgs=(cmake ninja-build g++ g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
      wine wine64 fonts-wine xvfb googletest clang llvm clang-14 libclang-rt-14-dev clang-format git)

missing=0
for c in "${need_cmds[@]}"; do
  command -v "$c" >/dev/null 2>&1 || { missing=1; break; }
done
[ -x /usr/lib/wine/wine64 ] || missing=1
[ -d /usr/src/googletest/googletest ] || missing=1
[ -f /usr/share/wine/fonts/tahoma.ttf ] || missing=1
# libFuzzer and the sanitizer runtimes of clang 14 (the fuzz preset).
compgen -G "/usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null || missing=1
[ "$missing" = 0 ] && exit 0

SUDO=""
[ "$(id -u)" = 0 ] || SUDO="sudo"
echo "setup: installing build and test packages" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${pkgs[@]}" >/dev/null
echo "setup: done" >&2
