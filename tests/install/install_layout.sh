#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install --prefix /usr` into a scratch DESTDIR lays out the game folder, the command,
# the desktop entry, the icons, the AppStream metadata, the manual page and the package docs,
# and nothing else.
# Usage: install_layout.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
. "$(dirname "$0")/testlib.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root

DESTDIR=$root cmake --install "$build" --prefix /usr --component pelimor > "$scratch/install.log" \
  || { cat "$scratch/install.log"; fail "cmake --install failed"; }

game=$root/usr/lib/games/pelimor

# The program, in its folder, with its sounds and help page beside it.
[ -f "$game/pelimor" ] && [ -x "$game/pelimor" ] || fail "no executable $game/pelimor"
[ "$(head -c 4 "$game/pelimor" | od -An -c | tr -d ' ')" = '177ELF' ] \
  || fail "$game/pelimor is not a program"
for cue in "${CUES[@]}"; do
  wav=$game/wav/$cue.wav
  [ -f "$wav" ] || fail "cue sound $cue missing: no $wav"
  [ "$(head -c 4 "$wav")" = RIFF ] && [ "$(tail -c +9 "$wav" | head -c 4)" = WAVE ] \
    || fail "$wav is not a wave file"
  cmp -s "$wav" "$source/wav/$cue.wav" || fail "$wav differs from wav/$cue.wav"
done
[ -f "$game/Help.htm" ] || fail "no help page beside the program: $game/Help.htm"
cmp -s "$game/Help.htm" "$source/docs/Help.htm" || fail "$game/Help.htm differs from docs/Help.htm"

# The command on the PATH changes to the program folder, so that wav/ is found, and runs it.
command=$root/usr/games/pelimor
[ -f "$command" ] && [ -x "$command" ] || fail "no executable command $command"
sh -n "$command" || fail "$command is not a valid shell script"
grep -qx 'cd "/usr/lib/games/pelimor" && exec ./pelimor "\$@"' "$command" \
  || { cat "$command"; fail "$command does not start the program from its folder"; }

# The desktop entry: valid, in the games menu, started in the program folder.
entry=$root/usr/share/applications/pelimor.desktop
[ -f "$entry" ] || fail "no desktop entry $entry"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
[ "$(desktop_key "$entry" Name)" = 'Пелимор 2007' ] || fail "Name= is not Пелимор 2007"
[ "$(desktop_key "$entry" 'Name[ru]')" = 'Пелимор 2007' ] || fail "Name[ru]= is not Пелимор 2007"
[ -n "$(desktop_key "$entry" Comment)" ] || fail "no English Comment="
[ -n "$(desktop_key "$entry" 'Comment[ru]')" ] || fail "no Russian Comment[ru]="
[ "$(desktop_key "$entry" Exec)" = /usr/lib/games/pelimor/pelimor ] \
  || fail "Exec= is '$(desktop_key "$entry" Exec)', not the program in its folder"
[ "$(desktop_key "$entry" Path)" = /usr/lib/games/pelimor ] \
  || fail "Path= is '$(desktop_key "$entry" Path)', not the program folder that holds wav/"
[ "$(desktop_key "$entry" Icon)" = pelimor ] || fail "Icon= is not pelimor"
[ "$(desktop_key "$entry" Categories)" = 'Game;LogicGame;' ] || fail "Categories= is not Game;LogicGame;"

# The icon in every size, each a PNG of its directory's size; the 64 x 64 one is the game's icon.
for size in 16 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/pelimor.png
  [ -f "$icon" ] || fail "no icon $icon"
  [ "$(png_size "$icon")" = "${size}x${size}" ] \
    || fail "$icon is $(png_size "$icon"), not ${size}x${size}"
done
cmp -s "$root/usr/share/icons/hicolor/64x64/apps/pelimor.png" "$source/assets/icon64.png" \
  || fail "the 64x64 icon is not assets/icon64.png"

# AppStream metadata: valid, launching the desktop entry above.
metainfo=$root/usr/share/metainfo/io.github.pelimor.pelimor.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
grep -q '<launchable type="desktop-id">pelimor.desktop</launchable>' "$metainfo" \
  || fail "the metadata does not launch pelimor.desktop"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" \
  || fail "the metadata does not give the game's licence as GPL-3.0-or-later"
grep -q '<metadata_license>CC0-1.0</metadata_license>' "$metainfo" \
  || fail "the metadata does not put itself under CC0-1.0"

# Manual page and package documentation.
gzip -t "$root/usr/share/man/man6/pelimor.6.gz" || fail "the manual page is not gzip"
zcat "$root/usr/share/man/man6/pelimor.6.gz" | grep -q '^\.TH PELIMOR 6' || fail "bad manual page"
# The copyright file: machine-readable, everything under GPL-3+ with its licence text named.
copyright=$root/usr/share/doc/pelimor/copyright
[ -s "$copyright" ] || fail "no copyright file"
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "the copyright file is not machine-readable"
sed -n '/^Files: \*$/,/^$/p' "$copyright" | grep -qx 'License: GPL-3+' \
  || fail "the copyright file does not put every file under GPL-3+"
grep -q '/usr/share/common-licenses/GPL-3' "$copyright" || fail "the copyright file lacks GPL-3"
! grep -qiE 'all rights? reserved' "$copyright" || fail "the copyright file reserves all rights"
zcat "$root/usr/share/doc/pelimor/changelog.gz" | head -1 | grep -q '^pelimor (' \
  || fail "no Debian changelog"

# Nothing else: a stray install rule would show up here.
expected=$(cat <<'LIST'
usr/games/pelimor
usr/lib/games/pelimor/Help.htm
usr/lib/games/pelimor/pelimor
usr/lib/games/pelimor/wav/Quest.wav
usr/lib/games/pelimor/wav/buljk.wav
usr/lib/games/pelimor/wav/click2.wav
usr/lib/games/pelimor/wav/end.wav
usr/lib/games/pelimor/wav/gameover.wav
usr/lib/games/pelimor/wav/newgame.wav
usr/share/applications/pelimor.desktop
usr/share/doc/pelimor/changelog.gz
usr/share/doc/pelimor/copyright
usr/share/icons/hicolor/128x128/apps/pelimor.png
usr/share/icons/hicolor/16x16/apps/pelimor.png
usr/share/icons/hicolor/256x256/apps/pelimor.png
usr/share/icons/hicolor/32x32/apps/pelimor.png
usr/share/icons/hicolor/48x48/apps/pelimor.png
usr/share/icons/hicolor/64x64/apps/pelimor.png
usr/share/lintian/overrides/pelimor
usr/share/man/man6/pelimor.6.gz
usr/share/metainfo/io.github.pelimor.pelimor.metainfo.xml
LIST
)
actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$(LC_ALL=C sort <<<"$expected")" ] \
  || fail "installed files differ from the expected layout:
$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$actual") || true)"

echo "the game folder, command, desktop entry, icons and metadata are installed as expected"
