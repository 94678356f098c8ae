# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A player who hears the game through the real Orca and plays it by Orca's keys alone: flat
# review on the keypad (7 and 9 the lines, 4, 5 and 6 the words) and Orca's left click on the
# item reviewed (the keypad's /). What Orca said is read from its debug log, its "SPEECH OUTPUT"
# lines; the speech itself goes to ALSA's null device. Sourced by plays_over_atspi.sh --orca in
# its D-Bus session, with the accessibility bus up; every wait is bounded.

orca_log=
key_said_from=0
review_from=0
openbox_pid=
speech_pid=
orca_pid=

# What Orca said so far, a line an utterance; with "review", only its flat review's answers, a
# line a key: a review speaks a list of utterances, logged with a list of voices ('...'[{...}]),
# where a focus or a window is logged with one voice.
spoken() {
  local logged="SPEECH OUTPUT: '"
  [ "${1:-}" = review ] && logged="SPEECH OUTPUT: '.*'\\[{"
  grep -a "$logged" "$orca_log" 2>/dev/null | tr -d '\r' |
    sed -e "s/^.*SPEECH OUTPUT: '//" -e "s/' *\\[\\?{.*\$//" || true
}

# said_since COUNT PATTERN: whether one of the lines Orca said after its first COUNT matches.
said_since() { spoken | tail -n +$(($1 + 1)) | grep -E -q -- "$2"; }

wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Openbox, a speech-dispatcher of this session speaking into ALSA's null device (without an
# audio sink it never answers Orca's "cancel", and Orca hangs on its first key), and Orca with
# a home of its own, its debug log in $orca_log.
start_screen_reader() {
  export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config
  export XDG_DATA_HOME=$scratch/home/.local/share XDG_CACHE_HOME=$scratch/home/.cache
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
  # Orca will not start while pgrep finds another Orca of the same user anywhere on the machine.
  # This pgrep looks in its caller's session only, and each Orca here has a session of its own,
  # so two test runs at once each keep their own.
  printf '#!/bin/sh\nexec /usr/bin/pgrep -s 0 "$@"\n' > "$scratch/bin/pgrep"
  chmod +x "$scratch/bin/pgrep"

  # Under load Orca may find the pointer not yet moved after its click and click the reviewed
  # item again at its centre: for a control just hidden, the screen's corner. Openbox's own
  # setup would then give the bare desktop the focus; here a press there does nothing.
  sed -e '/<context name="Desktop">/,/<\/context>/{' \
    -e '/<mousebind button="\(Left\|Right\)" action="Press">/,/<\/mousebind>/d' -e '}' \
    /etc/xdg/openbox/rc.xml > "$scratch/openbox.xml"
  openbox --sm-disable --config-file "$scratch/openbox.xml" > "$scratch/openbox.log" 2>&1 &
  openbox_pid=$!
  until_true 100 wm_up || fail "openbox did not start within 10 s"

  cp -r /etc/speech-dispatcher "$scratch/speech"
  printf '%s\n' 'AudioOutputMethod "alsa"' 'AudioALSADevice "null"' \
    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' 'DefaultModule espeak-ng' \
    >> "$scratch/speech/speechd.conf"
  speech-dispatcher -s -t 0 -C "$scratch/speech" -c unix_socket -S "$scratch/speech.sock" \
    -L "$scratch" > "$scratch/speech.log" 2>&1 &
  speech_pid=$!
  until_true 100 test -S "$scratch/speech.sock" || fail "speech-dispatcher did not start in 10 s"
  export SPEECHD_ADDRESS=unix_socket:$scratch/speech.sock

  # Orca writes its debug log whole blocks at a time, except to a terminal: it gets one.
  orca_log=$scratch/orca-debug.log
  setsid script -q -f -c 'exec orca --debug-file /dev/tty' "$orca_log" < /dev/null \
    > "$scratch/orca.log" 2>&1 &
  orca_pid=$!
  until_true 300 said_since 0 'Screen reader on' || fail "Orca did not speak within 30 s"
}

stop_screen_reader() {
  if [ -n "$orca_pid" ]; then stop "-$orca_pid"; fi
  if [ -n "$speech_pid" ]; then stop "$speech_pid"; fi
  if [ -n "$openbox_pid" ]; then stop "$openbox_pid"; fi
  orca_pid= speech_pid= openbox_pid=
}

# orca_key KEY PATTERN: presses KEY as the player does and waits up to 10 s for Orca to say a
# line matching PATTERN (grep -E); fails the test otherwise.
# Sets key_said_from to the lines said before the key.
orca_key() {
  key_said_from=$(spoken | wc -l)
  xdotool key "$1"
  until_true 100 said_since "$key_said_from" "$2" ||
    fail "after $1 Orca did not say /$2/ within 10 s but: $(spoken | tail -n +$((key_said_from + 1)) | tr '\n' '|')"
}

# review_step KEY: presses a flat review KEY and waits up to 10 s for Orca's review to answer
# it (Orca answers keys in turn, however late); returns 1 if it stays silent, as at either end
# of a review. Sets review_from to the review lines before the key and key_said_from to all
# lines before it.
review_step() {
  key_said_from=$(spoken | wc -l)
  review_from=$(spoken review | wc -l)
  xdotool key "$1"
  until_true 100 review_answered
}
review_answered() { [ "$(spoken review | wc -l)" -gt "$review_from" ]; }

# What Orca said since the last key.
said_to_key() { spoken | tail -n +$((key_said_from + 1)); }

# The review's answer to the last key.
review_answer() { spoken review | tail -n +$((review_from + 1)) | head -n 1; }

# review_to PATTERN: moves flat review word by word (keypad 6) from the word it stands on until
# Orca says a word matching PATTERN, 40 words at most.
review_to() {
  local step
  for step in KP_Begin $(printf 'KP_Right %.0s' $(seq 40)); do
    review_step "$step" || break
    if review_answer | grep -E -q -- "$1"; then return 0; fi
  done
  fail "flat review did not reach a word /$1/; Orca said: $(spoken | tail -n 3 | tr '\n' '|')"
}

# review_line PATTERN: moves flat review to the top of the window (Orca's key and keypad 7),
# then down a line at a time (keypad 9) until Orca reads a line matching PATTERN, 20 at most.
# A window that becomes active meanwhile (the picker clicked or gone, a notice closed) is named
# by Orca, and sends flat review back to its top: the search starts over, three times at most.
review_line() {
  local step
  for _ in 1 2 3; do
    for step in KP_Insert+KP_Home $(printf 'KP_Page_Up %.0s' $(seq 20)); do
      # A key typed as a window goes away may reach none: unanswered, the search starts over.
      if ! review_step "$step"; then
        [ "$step" = KP_Insert+KP_Home ] && continue 2
        break
      fi
      if said_to_key | grep -E -q ' frame\.$| dialog '; then continue 2; fi
      if review_answer | grep -E -q -- "$1"; then return 0; fi
    done
    break
  done
  fail "flat review did not reach a line /$1/; Orca said: $(spoken | tail -n 3 | tr '\n' '|')"
}

# Sets two treasures with the picker, starts a 4 x 4 game and opens cells row by row until both
# treasures are found, each move heard; closes the win notice and leaves by the exit button.
play_with_orca() {
  until_true 300 said_since 0 'Пелимор 2007.0 frame' || fail "Orca did not name the window"
  orca_key KP_Up 'Новая игра Размер поля'
  review_to '^Число'
  # The picker opens with its slider's count spoken; "Больше" sets 2, "Подтвердить" confirms.
  orca_key KP_Divide 'Число кладов slider 1'
  review_line 'Больше'
  orca_key KP_Divide '^(Число кладов slider )?2'
  review_line 'Подтвердить'
  orca_key KP_Divide 'Число кладов'
  review_line 'Новая игра'
  review_to '^Новая'
  # A new game: the board becomes the focus, and flat review reads it anew.
  orca_key KP_Divide 'table with 4 rows 4 columns'
  review_line '^A1, закрыта +B1, закрыта +C1, закрыта +D1, закрыта'
  local row col place found=0
  for row in 1 2 3 4; do
    for col in A B C D; do
      place=$col$row
      [ "$place" = A1 ] || review_to "^$place"
      orca_key KP_Divide "^$place, (пусто|клад), [0-9]"
      if said_since "$key_said_from" "^$place, клад"; then
        found=$((found + 1))
        if [ "$found" = 2 ]; then
          until_true 100 said_since 0 'Вы нашли все клады! \(2\)' ||
            fail "the win notice was not heard"
          # Return closes the notice; Orca names the game's window again.
          orca_key Return 'Пелимор 2007.0 frame'
          review_line 'Выход'
          review_to '^Выход'
          xdotool key KP_Divide
          return 0
        fi
        until_true 100 said_since 0 'Найдено кладов: 1, осталось найти: 1' ||
          fail "the first treasure's counts were not heard"
      fi
    done
  done
  fail "16 cells opened, $found treasures heard"
}
