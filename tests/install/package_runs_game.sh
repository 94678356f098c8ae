#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, once installed, starts the game the way the desktop menu does (the desktop
# entry's Exec= in its Path=), and pressing the start button looks up the "newgame" cue in the
# installed wav/ folder.
#
# Installs with dpkg (and removes again) only where that is safe: as root on a throw-away CI
# machine (CI set) that has no pelimor package of its own, and by one run of the test at a time.
# Elsewhere the package is unpacked into a scratch root and the entry's paths are taken under
# that root.
# Usage: package_runs_game.sh PACKAGE_DIR PROJECT_VERSION
set -euo pipefail
out=$1 version=$2
. "$(dirname "$0")/testlib.sh"
. "$(dirname "$0")/../support/xdisplay.sh"

hold_packages shared "$out"
deb=$(echo "$out"/pelimor_*.deb)
[ -f "$deb" ] || fail "no package in $out"

scratch=$(mktemp -d)
installed_with_dpkg=
xvfb_pid=
game_pgid=
cleanup() {
  if [ -n "$game_pgid" ]; then stop "-$game_pgid"; fi
  if [ -n "$xvfb_pid" ]; then stop "$xvfb_pid"; fi
  wait 2>/dev/null || true
  if [ -n "$installed_with_dpkg" ]; then
    dpkg -r pelimor > "$scratch/dpkg-r.log" 2>&1 || cat "$scratch/dpkg-r.log" >&2
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pelimor ] || fail "Package: is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version: is '$(field Version)', not $version"
[ "$(field Section)" = games ] || fail "Section: is '$(field Section)', not games"
depends=$(field Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libcanberra0 libcanberra-pulse \
           sound-theme-freedesktop fonts-liberation; do
  grep -Eq "(^|, )$dep( \(|,|$)" <<<"$depends" || fail "Depends: lacks $dep: $depends"
done
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends: is '$(field Recommends)', not qt6-wayland"

# Install it.
exec 7> "${TMPDIR:-/tmp}/pelimor-dpkg-test.lock"
if [ "$(id -u)" -eq 0 ] && [ -n "${CI:-}" ] && command -v dpkg > /dev/null && flock --nonblock 7 \
   && [[ "$(dpkg-query -W -f='${Status}' pelimor 2>/dev/null || true)" =~ ^(|.*not-installed)$ ]]
then
  root=
  dpkg -i "$deb" > "$scratch/dpkg-i.log" 2>&1 || { cat "$scratch/dpkg-i.log"; installed_with_dpkg=1;
                                                   fail "dpkg -i failed"; }
  installed_with_dpkg=1
  dpkg -L pelimor | grep -qx /usr/games/pelimor || fail "dpkg does not list /usr/games/pelimor"
  echo "installed with dpkg -i"
else
  root=$scratch/root
  dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
  echo "unpacked into $root"
fi

# The menu's way in.
entry=$root/usr/share/applications/pelimor.desktop
[ -f "$entry" ] || fail "no desktop entry $entry"
exec_cmd=$(desktop_key "$entry" Exec)
work_dir=$(desktop_key "$entry" Path)
[ -n "$exec_cmd" ] && [ -n "$work_dir" ] || fail "the desktop entry lacks Exec= or Path="
program=$root$exec_cmd
folder=$root$work_dir
[ -x "$program" ] || fail "Exec= names no installed program: $program"
[ -f "$folder/wav/newgame.wav" ] || fail "Path= has no wav/newgame.wav: $folder"

# A display of our own.
start_xvfb 90 20 "$scratch" || { cat "$scratch/xvfb.log"; fail "Xvfb did not start"; }

# The game, traced for the files it looks at, in a process group of its own to end it cleanly.
(cd "$folder" && exec setsid strace -f -qq -e trace=%file -o "$scratch/trace" "$program") \
  > "$scratch/game.log" 2>&1 &
game_pgid=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name 'Пелимор' 2>/dev/null | head -1 || true)
[ -n "$window" ] || { cat "$scratch/game.log"; fail "no game window appeared within 60 s"; }

game_pid=$(xdotool getwindowpid "$window" 2>/dev/null || true)
if [ -n "$game_pid" ]; then
  [ "$(readlink "/proc/$game_pid/cwd")" = "$folder" ] \
    || fail "the game runs in '$(readlink "/proc/$game_pid/cwd")', not in $folder"
fi

# Press the start button (client 4,4, 39 x 39; without a window manager the client area is the
# window) until the cue is looked up: the first press may come before the window takes input.
cue_line() {
  grep -F -e '"wav/newgame.wav"' -e '"./wav/newgame.wav"' -e "\"$folder/wav/newgame.wav\"" \
    "$scratch/trace" | grep -Fv '= -1 ' | head -1 || true
}
found=
for _ in 1 2 3 4 5; do
  xdotool mousemove --window "$window" 23 23 click 1
  for _ in $(seq 50); do
    found=$(cue_line)
    [ -n "$found" ] && break 2
    sleep 0.1
  done
done
if [ -z "$found" ]; then
  echo "--- lookups of newgame.wav:"
  grep -F newgame.wav "$scratch/trace" || echo "(none)"
  fail "pressing start did not open the installed $folder/wav/newgame.wav"
fi
echo "start looked up the installed cue: $found"

# Removal takes every file away again.
if [ -n "$installed_with_dpkg" ]; then
  stop "-$game_pgid"
  game_pgid=
  dpkg -r pelimor > "$scratch/dpkg-r.log" 2>&1 || { cat "$scratch/dpkg-r.log"; fail "dpkg -r failed"; }
  installed_with_dpkg=
  for path in /usr/games/pelimor /usr/lib/games/pelimor /usr/share/applications/pelimor.desktop; do
    [ ! -e "$path" ] || fail "dpkg -r left $path behind"
  done
  echo "removed with dpkg -r"
fi
