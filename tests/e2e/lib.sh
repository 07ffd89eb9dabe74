# Shared helpers for the end-to-end scripts: a private X server with a window manager, the program
# started in a fresh folder, checks that count passes and failures, and clean-up on exit.
# Source it, then call e2e_init "$1". Every script ends with e2e_finish.

set -u

E2E_PASSED=0
E2E_FAILED=0
E2E_PIDS=()
E2E_APP_PID=
E2E_TMP=
E2E_BIN=

e2e_log() { printf '# %s\n' "$*"; }

# Saves a picture of the whole screen into the temp folder and prints where it is.
e2e_screenshot() {
    local name=${1:-failure}
    local shot="$E2E_TMP/$name-$(date +%H%M%S%N).png"
    if import -window root "$shot" 2>/dev/null; then
        echo "  screenshot: $shot"
    fi
}

e2e_pass() { E2E_PASSED=$((E2E_PASSED + 1)); echo "ok - $1"; }
e2e_fail() {
    E2E_FAILED=$((E2E_FAILED + 1))
    echo "not ok - $1"
    [ $# -ge 2 ] && printf '  %s\n' "$2"
    e2e_screenshot fail
}

# e2e_check DESCRIPTION COMMAND...: passes when the command succeeds.
e2e_check() {
    local what=$1
    shift
    if "$@"; then e2e_pass "$what"; else e2e_fail "$what"; fi
}

e2e_cleanup() {
    local pid
    if [ -n "$E2E_APP_PID" ] && kill -0 "$E2E_APP_PID" 2>/dev/null; then
        kill "$E2E_APP_PID" 2>/dev/null
        sleep 0.3
        kill -9 "$E2E_APP_PID" 2>/dev/null
    fi
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${E2E_PIDS[i]}
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    if [ "$E2E_FAILED" -eq 0 ] && [ -n "$E2E_TMP" ] && [ -z "${E2E_KEEP:-}" ]; then
        rm -rf "$E2E_TMP"
    elif [ -n "$E2E_TMP" ]; then
        echo "# kept $E2E_TMP"
    fi
}

# Picks the first free display from :90 on, by its socket and lock file.
e2e_free_display() {
    local n
    for ((n = 90; n < 190; n++)); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

# e2e_init BINARY: checks the tools, starts Xvfb and jwm, and makes the temp folder.
e2e_init() {
    E2E_BIN=${1:-}
    if [ -z "$E2E_BIN" ] || [ ! -x "$E2E_BIN" ]; then
        echo "usage: $0 /path/to/scrivlet" >&2
        exit 2
    fi
    E2E_BIN=$(readlink -f "$E2E_BIN")
    local tool
    for tool in Xvfb jwm xdotool import; do
        if ! command -v "$tool" >/dev/null; then
            echo "missing tool: $tool (scripts/setup.sh installs it)" >&2
            exit 2
        fi
    done
    E2E_TMP=$(mktemp -d /tmp/scrivlet-e2e.XXXXXX)
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM

    local n tries
    for tries in 1 2 3; do
        n=$(e2e_free_display) || { echo "no free display" >&2; exit 2; }
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
        local xpid=$!
        local waited
        for ((waited = 0; waited < 50; waited++)); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            kill -0 "$xpid" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$xpid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
            E2E_PIDS+=("$xpid")
            export DISPLAY=":$n"
            break
        fi
        kill "$xpid" 2>/dev/null
    done
    [ -n "${DISPLAY:-}" ] && [ "$DISPLAY" = ":$n" ] || { echo "Xvfb did not start" >&2; exit 2; }
    # jwm reads no user configuration here: the folder's HOME is the temp folder.
    HOME="$E2E_TMP" jwm >"$E2E_TMP/jwm.log" 2>&1 &
    E2E_PIDS+=("$!")
    sleep 0.5
    unset QT_QPA_PLATFORM
    export LC_ALL=C.UTF-8
}

# e2e_start_app START_DIR: runs the program with START_DIR as its current folder and waits for its
# main window; sets E2E_APP_PID and E2E_WIN.
e2e_start_app() {
    local dir=$1
    (cd "$dir" && exec "$E2E_BIN" >"$E2E_TMP/app.log" 2>&1) &
    E2E_APP_PID=$!
    E2E_WIN=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$E2E_APP_PID" --name '^Scrivlet' 2>/dev/null | head -n1)
    [ -n "$E2E_WIN" ]
}

# e2e_wait_window NAME_REGEX [SECONDS]: prints the id of a visible window of the program whose title matches.
e2e_wait_window() {
    timeout "${2:-10}" xdotool search --all --sync --onlyvisible --pid "$E2E_APP_PID" --name "$1" 2>/dev/null | head -n1
}

# e2e_wait_gone NAME_REGEX [SECONDS]: succeeds once the program shows no window whose title matches.
e2e_wait_gone() {
    local i limit=$((${2:-10} * 10))
    for ((i = 0; i < limit; i++)); do
        xdotool search --all --onlyvisible --pid "$E2E_APP_PID" --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# e2e_wait_exit [SECONDS]: succeeds once the program has ended.
e2e_wait_exit() {
    local i limit=$((${1:-10} * 10))
    for ((i = 0; i < limit; i++)); do
        kill -0 "$E2E_APP_PID" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# e2e_key KEYS...: sends keys to the focused window, with modifiers that are held released first.
e2e_key() { xdotool key --clearmodifiers --delay 60 "$@"; sleep 0.2; }
e2e_type() { xdotool type --clearmodifiers --delay 40 "$1"; sleep 0.2; }

# Shows where two byte strings part: both as octal dumps.
e2e_show_bytes() {
    echo "  expected:"; od -c "$1" | sed 's/^/    /'
    echo "  actual:"; od -c "$2" | sed 's/^/    /'
}

e2e_finish() {
    echo "$E2E_PASSED passed, $E2E_FAILED failed"
    [ "$E2E_FAILED" -eq 0 ]
}
