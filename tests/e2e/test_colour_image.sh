#!/usr/bin/env bash
# The real program under a private X server: a colour picked in the real colour dialog and an image
# picked in the real file dialog reach the saved file as their code and tag, the image path exactly.
# Usage: test_colour_image.sh /path/to/scrivlet
. "$(dirname "$0")/lib.sh"
e2e_init "$1"

START="$E2E_TMP/start"
mkdir -p "$START" "$E2E_TMP/My Site"
IMAGE="$E2E_TMP/My Site/Logo.GIF"
printf 'GIF89a' >"$IMAGE"
SAVED="$START/page.htm"

if ! e2e_start_app "$START"; then
    e2e_fail "main window appears" "$(cat "$E2E_TMP/app.log")"
    e2e_finish
    exit 1
fi
e2e_pass "main window appears"
xdotool windowactivate --sync "$E2E_WIN" 2>/dev/null
sleep 0.3

# Insert > Color Code... (the sixth item, no mnemonic of its own), red typed into the HTML field.
e2e_key alt+i Down Down Down Down Down Return
DIALOG=$(e2e_wait_window '^Insert HTML Color Code$')
if [ -n "$DIALOG" ]; then
    e2e_pass "Insert > Color Code opens the colour dialog"
    e2e_key alt+h
    e2e_type '#ff0000'
    e2e_key Return
    e2e_check "colour dialog closes after Return" e2e_wait_gone '^Insert HTML Color Code$'
else
    e2e_fail "Insert > Color Code opens the colour dialog"
fi

# Insert > Graphic..., the image's full path typed into the open dialog.
e2e_key alt+i g
DIALOG=$(e2e_wait_window '^Open$')
if [ -n "$DIALOG" ]; then
    e2e_pass "Insert > Graphic opens the file dialog"
    e2e_type "$IMAGE"
    e2e_key Return
    e2e_check "file dialog closes after Return" e2e_wait_gone '^Open$'
else
    e2e_fail "Insert > Graphic opens the file dialog"
fi

e2e_key alt+f a
DIALOG=$(e2e_wait_window '^Save As$')
if [ -n "$DIALOG" ]; then
    e2e_type page
    e2e_key Return
    e2e_wait_gone '^Save As$' >/dev/null
else
    e2e_fail "File > Save As opens the save dialog"
fi

for i in $(seq 50); do [ -s "$SAVED" ] && break; sleep 0.1; done
# The bare code stays upper case; the tag is lower case by default, the path exactly as chosen.
printf '#FF0000<img src="%s"> ' "$IMAGE" >"$E2E_TMP/expected"
if [ -f "$SAVED" ] && cmp -s "$E2E_TMP/expected" "$SAVED"; then
    e2e_pass "saved file holds the colour code and the image tag with the exact path"
else
    e2e_fail "saved file holds the colour code and the image tag with the exact path" "$SAVED"
    [ -f "$SAVED" ] && e2e_show_bytes "$E2E_TMP/expected" "$SAVED"
fi

e2e_finish
