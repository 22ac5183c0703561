#!/usr/bin/env bash
# Kills the console with SIGKILL at random moments while it learns, again and again, and checks
# after every kill that no file of the base is damaged or shorter than before: each one is a
# version the program wrote whole. Every tenth run is let finish, and then no temporary file of a
# save may be left: the next save removes what a killed one left behind.
#
#   bench/crash_saves.sh [BUILD_DIR] [RUNS]      (defaults: build, 400)
set -euo pipefail
build=${1:-build}
runs=${2:-400}
console="$build/tools/lorintal-console"
kb="$build/tools/lorintal-kb"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/program" "$work/folder"
folder="$work/folder"

lines_of() { "$kb" print "$1" --dir "$folder"; }

# Every line of the version before is still there afterwards, whole or with an answer attached
# (learning moves a line to the end with its new answer).
kept_every_line() {
    python3 - "$1" "$2" <<'EOF'
import sys
before = open(sys.argv[1], encoding="utf-8").read().splitlines()
after = open(sys.argv[2], encoding="utf-8").read().splitlines()
if len(after) < len(before):
    sys.exit(f"{len(after)} lines after, {len(before)} before")
index = {}
for position, line in enumerate(after):
    index.setdefault(line, []).append(position)
for line in before:
    if index.get(line):
        index[line].pop()
        continue
    if not any(other.startswith(line) for other in after):
        sys.exit(f"lost: {line}")
EOF
}

killed=0 leftovers_seen=0 completed=0
for file in 'Base\Words.Dat' 'Base\W1.Dat' 'Base\W2.Dat'; do
    lines_of "$file" >"$work/before-${file##*\\}"
done
for run in $(seq 1 "$runs"); do
    for turn in $(seq 1 15); do echo "Новое слово $run-$turn ю$((run * 15 + turn))"; done >"$work/phrases"
    if ((run % 10 == 0)); then
        "$console" --dir "$folder" --seed "$run" <"$work/phrases" >/dev/null 2>&1
        completed=$((completed + 1))
        if ls "$folder/Base" | grep -q '\.saving-'; then
            echo "run $run: a temporary file outlived a whole run" >&2
            exit 1
        fi
    else
        "$console" --dir "$folder" --seed "$run" <"$work/phrases" >/dev/null 2>&1 &
        pid=$!
        sleep "0.0$((RANDOM % 60 + 5))"
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        killed=$((killed + 1))
        if ls "$folder/Base" | grep -q '\.saving-'; then
            leftovers_seen=$((leftovers_seen + 1))
        fi
    fi
    if "$kb" check --dir "$folder" | grep -q 'damaged'; then
        echo "run $run: a file of the base is damaged" >&2
        exit 1
    fi
    for file in 'Base\Words.Dat' 'Base\W1.Dat' 'Base\W2.Dat'; do
        name=${file##*\\}
        lines_of "$file" >"$work/after-$name"
        if ! kept_every_line "$work/before-$name" "$work/after-$name"; then
            echo "run $run: $file lost a line" >&2
            exit 1
        fi
        mv "$work/after-$name" "$work/before-$name"
    done
done
echo "$runs runs: $killed killed at random, $completed let finish; a temporary file was left" \
     "after $leftovers_seen kills and removed by the next save every time; no file damaged," \
     "no line lost. Words.Dat now has $(wc -l <"$work/before-Words.Dat") lines."
