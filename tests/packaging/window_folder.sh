#!/usr/bin/env bash
# The window program's choice of folder, on the offscreen platform: started in an unrelated
# folder it makes the user's program folder and works there; started inside a program folder it
# works in that one; with no display at all it says so, naming the console, and opens nothing.
set -euo pipefail
lorintal=$1
work=$(cd "$(mktemp -d)" && pwd -P) # the real path, as /proc shows it
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; [ -f "$work/err" ] && cat "$work/err" >&2; exit 1; }

# Starts the window in folder $1 and expects it to work in folder $2, which becomes its working
# directory; it must still be running a moment later, its window up and its first ticks run.
expect_window() {
    (cd "$1" && exec "$lorintal") 2>"$work/err" &
    pid=$!
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || fail "the window program ended at start"
        [ "$(readlink "/proc/$pid/cwd" || true)" = "$2" ] && break
        sleep 0.1
    done
    [ "$(readlink "/proc/$pid/cwd" || true)" = "$2" ] ||
        fail "started in $1, works in $(readlink "/proc/$pid/cwd"), not in $2"
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the window program ended at start"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$work/data
user=$XDG_DATA_HOME/lorintal
mkdir "$work/elsewhere"
expect_window "$work/elsewhere" "$user"
[ -f "$user/Base/Words.Dat" ] || fail "no base in $user"
grep -q "^lorintal: made your program folder $user from " "$work/err" || fail "nothing said"

# Inside a program folder (here the user's folder, copied): that folder, and nothing made.
cp -r "$user" "$work/own"
rm -rf "$user"
expect_window "$work/own" "$work/own"
[ ! -e "$user" ] || fail "the user's folder was made though the working folder had a base"

# No display: one sentence naming the console, status 1, no folder made.
status=0
(cd "$work/elsewhere" && env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$lorintal") \
    >/dev/null 2>"$work/err" || status=$?
[ "$status" = 1 ] || fail "status $status with no display"
grep -q "lorintal-console" "$work/err" || fail "no display: $(cat "$work/err")"
[ ! -e "$user" ] || fail "the folder was made though there was no display"
echo "window folder choice: passed"
