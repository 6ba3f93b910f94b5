#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, checks that none of the internal headers went
# with it, then builds and runs a program outside the repository against it twice: through
# find_package(Quillmark) and through pkg-config.
# Usage: check_install.sh <build folder> <consumer source folder> [internal header...]
set -euo pipefail
build=$1
consumer=$2
shift 2
work=$(mktemp -d "${TMPDIR:-/tmp}/qminstall-XXXXXX")
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null

# Before the consumers run: ctest passes this test on their output alone, whatever the exit status.
installed=0
for header in "$@"; do
  if [ -e "$work/prefix/include/quillmark/$header" ]; then
    echo "check_install: the internal header $header was installed" >&2
    installed=1
  fi
done
[ "$installed" -eq 0 ] || exit 1

cmake -S "$consumer" -B "$work/cmake-build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/cmake-build" >/dev/null
LD_LIBRARY_PATH="$work/prefix/lib" "$work/cmake-build/consumer"

libdir=$(find "$work/prefix" -name 'quillmark-textcore.pc' -printf '%h\n' | head -n 1)
export PKG_CONFIG_PATH="$libdir"
# quillmark-unidisplay, quillmark-dialogkit, quillmark-filekit and quillmark-colourbox bring
# quillmark-textcore with them, as every library but textcore does, and the Qt modules they are
# built on.
# shellcheck disable=SC2046
# Qt's headers ask for position-independent code.
c++ -fPIC -o "$work/pkg-consumer" "$consumer/main.cpp" \
  $(pkg-config --cflags --libs quillmark-unidisplay quillmark-dialogkit quillmark-filekit \
    quillmark-colourbox)
LD_LIBRARY_PATH="$(dirname "$libdir")" "$work/pkg-consumer"
