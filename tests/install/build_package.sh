#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the game with CPack into OUT_DIR, for the package tests.
# Usage: build_package.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1 out=$2
. "$(dirname "$0")/testlib.sh"

hold_packages exclusive "$out"
rm -rf "$out"
mkdir -p "$out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1 \
  || { cat "$out/cpack.log"; fail "cpack failed"; }
debs=("$out"/pelimor_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single pelimor_*.deb in $out"
echo "built ${debs[0]}"
