#!/usr/bin/env bash
# The real program under a private X server, driven by real key events: tags on typed words through
# their accelerators, Save As through the real file dialog, and Alt+F4 answering the save prompt.
# Usage: test_editor_keys.sh /path/to/scrivlet
. "$(dirname "$0")/lib.sh"
e2e_init "${1:-}"

START="$E2E_TMP/start"
mkdir -p "$START"
SAVED="$START/page.htm"

if ! e2e_start_app "$START"; then
    e2e_fail "main window appears" "$(cat "$E2E_TMP/app.log")"
    e2e_finish
    exit 1
fi
e2e_pass "main window appears"
e2e_check "start-up document is the maximized blank \"New Document\"" \
    test "$(xdotool getwindowname "$E2E_WIN")" = "Scrivlet - [New Document]"
xdotool windowactivate --sync "$E2E_WIN" 2>/dev/null
sleep 0.3

# The start-up document holds a single blank with the caret before it, so every line typed here
# keeps that blank at its end until Return moves on past it.
e2e_type word
e2e_key shift+Home ctrl+b
e2e_key Return # xdotool sends Linefeed for "\n", which the editor does not take as a line end
e2e_type two
e2e_key shift+Home ctrl+u
e2e_key End Return
e2e_key ctrl+a # on the empty line: the centring pair, in lower case by default

# Save As through the File menu and the real dialog; a name without extension gets ".htm".
e2e_key alt+f
e2e_key a
DIALOG=$(e2e_wait_window '^Save As$')
if [ -n "$DIALOG" ]; then
    e2e_pass "File > Save As opens the save dialog"
    e2e_type page
    e2e_key Return
    e2e_check "save dialog closes after Return" e2e_wait_gone '^Save As$'
else
    e2e_fail "File > Save As opens the save dialog"
fi

for i in $(seq 50); do [ -s "$SAVED" ] && break; sleep 0.1; done
printf '<b>word</b>\r\n<u>two</u> \r\n<center></center>' >"$E2E_TMP/expected1"
if [ -f "$SAVED" ] && cmp -s "$E2E_TMP/expected1" "$SAVED"; then
    e2e_pass "saved file holds the tagged words, CRLF line ends and the initial blank"
else
    e2e_fail "saved file holds the tagged words, CRLF line ends and the initial blank" "$SAVED"
    [ -f "$SAVED" ] && e2e_show_bytes "$E2E_TMP/expected1" "$SAVED"
fi
e2e_check "caption becomes the saved path" \
    test "$(xdotool getwindowname "$E2E_WIN")" = "Scrivlet - [$SAVED]"

# A further change, then Alt+F4: the prompt names the file; Yes saves it and the program ends.
e2e_type end
e2e_key alt+F4
PROMPT=$(e2e_wait_window '^Scrivlet$')
if [ -n "$PROMPT" ]; then
    e2e_pass "Alt+F4 on a modified document asks to save it"
    e2e_key y
else
    e2e_fail "Alt+F4 on a modified document asks to save it"
fi
e2e_check "program exits after Yes" e2e_wait_exit 15
E2E_APP_STATUS=
if ! kill -0 "$E2E_APP_PID" 2>/dev/null; then
    wait "$E2E_APP_PID"
    E2E_APP_STATUS=$?
fi
e2e_check "exit status is 0" test "$E2E_APP_STATUS" = 0

printf '<b>word</b>\r\n<u>two</u> \r\n<center></center>end' >"$E2E_TMP/expected2"
if cmp -s "$E2E_TMP/expected2" "$SAVED"; then
    e2e_pass "Yes at the prompt saved the change to the same file"
else
    e2e_fail "Yes at the prompt saved the change to the same file"
    e2e_show_bytes "$E2E_TMP/expected2" "$SAVED"
fi

INI="$START/scrivlet.ini"
if [ -f "$INI" ]; then
    e2e_pass "scrivlet.ini written in the start folder"
    e2e_check "[MRU] holds Count=4" \
        bash -c "awk '/^\[/{s=\$0} s==\"[MRU]\"' '$INI' | tr -d '\r' | grep -qx 'Count=4'"
    e2e_check "[MRU] lists the saved path first" \
        bash -c "awk '/^\[/{s=\$0} s==\"[MRU]\"' '$INI' | tr -d '\r' | grep -qx 'MRU0=$SAVED'"
    KEYS=$(awk '/^\[/{s=$0; next} s=="[Options]" && /=/{sub(/=.*/, ""); print}' "$INI" | tr -d '\r' | paste -sd' ')
    e2e_check "[Options] keys in order (got: $KEYS)" \
        test "$KEYS" = "LCaseTag BlankFile SysBrowser MRUSize HColor BrowserPath"
else
    e2e_fail "scrivlet.ini written in the start folder"
fi

e2e_finish
