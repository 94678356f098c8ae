#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installed under any prefix, the `pelimor` command runs the program with the program folder as
# its working directory, whatever directory it is called from, and the desktop entry names that
# same folder.
# Usage: command_starts_in_folder.sh BUILD_DIR
set -euo pipefail
build=$1
. "$(dirname "$0")/testlib.sh"

scratch=$(mktemp -d)
game_pid=
cleanup() {
  if [ -n "$game_pid" ]; then
    kill -KILL "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" --component pelimor > "$scratch/install.log" \
  || { cat "$scratch/install.log"; fail "cmake --install failed"; }
game=$prefix/lib/games/pelimor

entry=$prefix/share/applications/pelimor.desktop
[ "$(desktop_key "$entry" Exec)" = "$game/pelimor" ] \
  || fail "Exec= is '$(desktop_key "$entry" Exec)', not $game/pelimor"
[ "$(desktop_key "$entry" Path)" = "$game" ] \
  || fail "Path= is '$(desktop_key "$entry" Path)', not $game"

# Started from an unrelated directory, with no display: Qt's offscreen platform keeps it running.
(cd / && QT_QPA_PLATFORM=offscreen exec "$prefix/games/pelimor") > "$scratch/game.log" 2>&1 &
game_pid=$!

# The command replaces itself with the program, so the same process becomes the game.
exe= cwd=
for _ in $(seq 100); do
  exe=$(readlink "/proc/$game_pid/exe" 2>/dev/null || true)
  [ "$exe" = "$game/pelimor" ] && break
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
cwd=$(readlink "/proc/$game_pid/cwd" 2>/dev/null || true)
[ "$exe" = "$game/pelimor" ] \
  || { cat "$scratch/game.log"; fail "the command did not become $game/pelimor (it ran '$exe')"; }
[ "$cwd" = "$game" ] || fail "the game runs in '$cwd', not in its folder $game"
[ -f "$cwd/wav/newgame.wav" ] || fail "the game's working directory has no wav/newgame.wav"

echo "the command runs $exe in $cwd"
