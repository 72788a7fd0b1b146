#!/usr/bin/env bash
# End-to-end paste as a user does it: the real application on a virtual X
# server, the X clipboard filled by xclip, a grid cell clicked and Ctrl+V
# pressed with xdotool, then Ctrl+C and the clipboard read back with xclip.
# Usage: xvfb_paste_test.sh path/to/cpk-xr   (exit 77: tools missing, skipped)
set -euo pipefail
source "$(dirname "$0")/../support/xvfb_app.sh" "$0" "$@"

# The application answers keys in its own time (slower under the sanitizers):
# the clipboard is read until it holds the expected text, for up to 20 s.
expect_clipboard() {
  local what=$1
  for _ in $(seq 200); do
    xclip -selection clipboard -o >"$work/actual" 2>/dev/null || true
    cmp -s "$work/expected" "$work/actual" && return 0
    sleep 0.1
  done
  echo "FAIL: $what"
  echo "expected:"; od -c "$work/expected"
  echo "actual:"; od -c "$work/actual"
  exit 1
}

# Values with a blank line, a quoted field and CR LF line ends.
printf '1.5\t2.5\t3.5\r\n\r\n"中 文"\t7\r\n' | xclip -selection clipboard -i
# The grid lies at (40, 8) in the form, which sits under the menu bar (about
# 22 pixels high; the click lands inside the row for any height from 12 to 36).
# Each cell is 65 x 25 pixels with its grid line. Cell (1, 1) is clicked: it
# becomes the current cell.
menubar=24
xdotool mousemove --sync $((x + 40 + 65 + 30)) $((y + menubar + 8 + 25 + 12)) click 1
sleep 0.2
xdotool key --window "$window" --clearmodifiers ctrl+v
sleep 0.3
xdotool key --window "$window" --clearmodifiers ctrl+c
empty='\t\t\t\t\t\r\n'
{
  printf "$empty"
  printf '\t1.5\t2.5\t3.5\t\t\r\n'
  printf "$empty"
  printf '\t中 文\t7\t\t\t\r\n'
  for _ in 4 5 6 7 8 9; do printf "$empty"; done
} >"$work/expected"
expect_clipboard "clipboard after Ctrl+V, Ctrl+C"
if ! xclip -selection clipboard -o -t TARGETS | grep -qx 'text/html'; then
  echo "FAIL: Ctrl+C offers no text/html"; xclip -selection clipboard -o -t TARGETS; exit 1
fi

# A spreadsheet block with empty cells replaces what stood under it, cell for cell.
printf '\t8\t\t8\r\n' | xclip -selection clipboard -i
xdotool key --window "$window" --clearmodifiers ctrl+v
sleep 0.3
xdotool key --window "$window" --clearmodifiers ctrl+c
{
  printf "$empty"
  printf '\t\t8\t\t8\t\r\n'
  printf "$empty"
  printf '\t中 文\t7\t\t\t\r\n'
  for _ in 4 5 6 7 8 9; do printf "$empty"; done
} >"$work/expected"
expect_clipboard "a block with empty cells"
echo "PASS: Ctrl+V from the X clipboard and Ctrl+C back, text/html offered, empty cells kept"
