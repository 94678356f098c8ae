#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a machine with one thing missing or broken: it must start, play a 4 x 4
# game to its win notice, and leave by the exit button with status 0 and no crash report.
#
# Cases (the first argument):
#   no-wav-folder      no wav/ beside the program: every cue falls back to the alert
#   empty-cue-files    the six cue files are there but empty
#   corrupt-cue-files  the six cue files are there but hold no wave data
#   no-sound-server    PULSE_SERVER names a socket no one listens on, and the cues are real
#   no-help-page       no Help.htm beside the program: the help button hands nothing on
#   no-arial-font      the fonts offered hold DejaVu Sans only, no Arial
#   no-fonts-at-all    the fonts offered are none
# Every case runs without a sound server, with a stub xdg-open that writes down the pages the
# help button hands it, on its own Xvfb from PELIMOR_FAULTS_FIRST_DISPLAY (60 unless set).
# Usage: plays_through_fault.sh CASE GAME_PROGRAM WAV_FOLDER HELP_PAGE
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../support/game_driver.sh"
fault=$1
program=$(readlink -f "$2")
wav_folder=$(readlink -f "$3")
help_page=$(readlink -f "$4")
fail_label=$fault
[ -x "$program" ] || fail "no game program at $2"
open_session "${PELIMOR_FAULTS_FIRST_DISPLAY:-60}"

# The program's folder as installed: the program, wav/ and Help.htm; then the fault.
game=$scratch/game
mkdir "$game"
cp "$program" "$game/pelimor"
cp -r "$wav_folder" "$game/wav"
cp "$help_page" "$game/Help.htm"
fonts_config() {  # a fontconfig file whose only font folder is $1
  mkdir -p "$scratch/fontcache"
  cat > "$scratch/fonts.conf" << CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$1</dir>
  <cachedir>$scratch/fontcache</cachedir>
</fontconfig>
CONF
  export FONTCONFIG_FILE=$scratch/fonts.conf
}
case "$fault" in
  no-wav-folder) rm -rf "$game/wav" ;;
  empty-cue-files)
    for cue in "$game"/wav/*.wav; do : > "$cue"; done ;;
  corrupt-cue-files)
    # A wave header that promises more than it holds, then noise.
    for cue in "$game"/wav/*.wav; do
      { printf 'RIFF\377\377\377\177WAVEfmt \020\000\000\000'; head -c 3000 /dev/urandom; } > "$cue"
    done ;;
  no-sound-server) ;;
  no-help-page) rm -f "$game/Help.htm" ;;
  no-arial-font)
    dejavu=$(fc-list -f '%{file}\n' 'DejaVu Sans' 2>/dev/null | head -1)
    [ -n "$dejavu" ] || fail "DejaVu Sans is not installed (fonts-dejavu-core)"
    mkdir "$scratch/fonts"
    cp "$dejavu" "$scratch/fonts/"
    fonts_config "$scratch/fonts"
    if fc-list : family 2> /dev/null | grep -qi arial; then fail "Arial is still offered"; fi ;;
  no-fonts-at-all)
    mkdir "$scratch/fonts"
    fonts_config "$scratch/fonts" ;;
  *) fail "unknown case '$fault'" ;;
esac
echo "case $fault: $(ls "$game" | tr '\n' ' ')"

start_game "$game" "$scratch/game.log"
wait_for_main_window "$game_pid" || fail "no game window within 30 s"

# The help button: the page goes to the browser stub when it is there, and nowhere when not.
click_at "${help_button[@]}"
for _ in $(seq 50); do [ -s "$scratch/help-pages" ] && break; sleep 0.1; done
pages=$(help_pages)
if [ "$fault" = no-help-page ]; then
  [ "$pages" -eq 0 ] || fail "the help button handed on a page that is not there: $(cat "$scratch/help-pages")"
else
  [ "$pages" -ge 1 ] || fail "the help button handed no page to the browser"
fi

notice=$(win_small_game) || fail "no win notice after three 4 x 4 games"
echo "win notice $notice"
[ "$(close_notices)" -ge 1 ] || fail "the win notice did not close"
leave_cleanly
echo "PASS ($fault): the game started, was won and ended with status 0"
