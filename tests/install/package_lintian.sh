#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package passes lintian: no error or warning, and no pedantic or informational
# finding either, apart from those the package overrides with a reason.
# Usage: package_lintian.sh PACKAGE_DIR
set -euo pipefail
out=$1
. "$(dirname "$0")/testlib.sh"

hold_packages shared "$out"
deb=$(echo "$out"/pelimor_*.deb)
[ -f "$deb" ] || fail "no package in $out"
# Lintian warns when run as root; that line is about the checker, not the package.
report=$(lintian --pedantic --display-info --fail-on none "$deb" 2>&1 \
  | grep -v 'running with root privileges is not recommended' || true)
if [ -n "$report" ]; then
  echo "$report"
  fail "lintian has findings on $(basename "$deb")"
fi
echo "lintian: no findings on $(basename "$deb")"
