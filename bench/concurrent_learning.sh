#!/usr/bin/env bash
# Two copies of the program learning into one folder at the same time: in every round two
# consoles start together, each with 15 phrases nobody has said before. Afterwards every phrase
# that was learned must be in the base, as a pattern of "Base\Words.Dat" and as a line of
# "Base\W1.Dat" or "Base\W2.Dat".
#
#   bench/concurrent_learning.sh [BUILD_DIR] [ROUNDS]      (defaults: build, 100)
set -euo pipefail
build=${1:-build}
rounds=${2:-100}
console="$build/tools/lorintal-console"
kb="$build/tools/lorintal-kb"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/program" "$work/folder"
folder="$work/folder"

start=$(date +%s.%N)
for round in $(seq 1 "$rounds"); do
    for copy in a b; do
        # One word a phrase, none inside another, so every phrase is new to the base.
        for turn in $(seq 1 15); do echo "zq${copy}r${round}t${turn}z"; done >"$work/$copy"
        "$console" --dir "$folder" --seed "$round$copy" <"$work/$copy" >"$work/$copy.out" 2>&1 &
    done
    wait
    if grep -q 'Cannot' "$work/a.out" "$work/b.out"; then
        echo "round $round: a turn failed:" >&2
        cat "$work/a.out" "$work/b.out" >&2
        exit 1
    fi
done
seconds=$(python3 -c "print($(date +%s.%N) - $start)")

"$kb" print 'Base\Words.Dat' --dir "$folder" >"$work/words"
cat <("$kb" print 'Base\W1.Dat' --dir "$folder") <("$kb" print 'Base\W2.Dat' --dir "$folder") \
    >"$work/fallbacks"
python3 - "$work/words" "$work/fallbacks" "$rounds" "$seconds" <<'EOF'
import sys
words = set(line.split("^")[0] for line in open(sys.argv[1], encoding="utf-8").read().splitlines())
fallbacks = set(open(sys.argv[2], encoding="utf-8").read().splitlines())
rounds = int(sys.argv[3])
patterns_lost = fallbacks_lost = learned = 0
for round in range(1, rounds + 1):
    for copy in "ab":
        # The first phrase of a run answers nothing yet, so nothing is learned from it.
        for turn in range(2, 16):
            phrase = f"zq{copy}r{round}t{turn}z."
            learned += 1
            patterns_lost += phrase.upper() not in words
            fallbacks_lost += phrase not in fallbacks
print(f"{rounds} rounds of two copies x 15 phrases in {float(sys.argv[4]):.1f} s: "
      f"{learned} phrases learned, {patterns_lost} patterns and {fallbacks_lost} fallback lines lost")
sys.exit(1 if patterns_lost or fallbacks_lost else 0)
EOF
