# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers shared by the install tests: failing with a reason, holding the package folder,
# reading a desktop entry.

# Prints the reason and stops the test.
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# hold_packages exclusive|shared FOLDER: holds FOLDER's lock until the script ends, exclusive to
# build the package there and shared to read it, so that two runs of the suite side by side
# never read a package while the other writes it.
hold_packages() {
  mkdir -p "$(dirname "$2")"
  exec 8> "$2.lock"
  flock --"$1" --timeout 300 8 || fail "$2 was held by another test run for 5 minutes"
}

# The value of key in the [Desktop Entry] group of a desktop file, field codes (%f, %U...) removed.
desktop_key() {
  local file=$1 key=$2
  awk -v key="$key" '
    /^\[/ { group = $0; next }
    group == "[Desktop Entry]" && index($0, key "=") == 1 {
      print substr($0, length(key) + 2); exit
    }' "$file" | sed -E 's/ +%[a-zA-Z]//g'
}

# Width and height of a PNG file, from its header chunk, as "WxH".
png_size() {
  local file=$1
  [ "$(head -c 8 "$file" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo none; return; }
  local w h
  w=$(od -An -j16 -N4 -tu1 "$file" | awk '{ print ($1 * 16777216) + ($2 * 65536) + ($3 * 256) + $4 }')
  h=$(od -An -j20 -N4 -tu1 "$file" | awk '{ print ($1 * 16777216) + ($2 * 65536) + ($3 * 256) + $4 }')
  echo "${w}x${h}"
}

# The six cue sounds, by the names the game asks for.
CUES=(newgame click2 buljk Quest gameover end)
