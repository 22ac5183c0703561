#!/usr/bin/env bash
# Two lorintal-console partners converse through one exchange file at the shortest period, as two
# running copies do: each phrase a partner hears is a reply one of them wrote, and the file ends as
# one line of RTF. A partner stopped by SIGTERM finishes its turn and ends with status 0.
set -euo pipefail
console=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for copy in a b; do
    mkdir -p "$work/$copy/Base"
    put() { printf "$2" | iconv -f UTF-8 -t CP1251 > "$work/$copy/Base/$1"; }
    put Words.Dat 'Заголовок\r\nПРИВЕТ^Привет! Как дела?;\r\nКАК ДЕЛА^Хорошо. А у тебя?;\r\nХОРОШО^Вот и славно.;\r\n'
    for file in Povtor X Collection BigString; do put $file.Dat 'Ты повторяешься.\r\n'; done
    put W1.Dat 'Как дела?\r\n'
    put W2.Dat 'Привет!\r\n'
    put AI.dat 'Заголовок\r\nКстати.\r\n'
done
printf 'привет\r\n' | iconv -f UTF-8 -t CP1251 > "$work/Txt.Dat"

cd "$work"   # the exchange file's name is taken from the working directory
"$console" --exchange 'D:\Txt.Dat' --dir a --period 1 --turns 200 --seed 1 > a.out 2> a.err &
partner=$!
"$console" --exchange 'D:\Txt.Dat' --dir b --period 1 --turns 200 --seed 2 > b.out 2> b.err
wait $partner

[ "$(grep -c '^CPU:' a.out)" = 200 ] && [ "$(grep -c '^CPU:' b.out)" = 200 ] || { echo "turns missing"; exit 1; }
[ ! -s a.err ] && [ ! -s b.err ] || { cat a.err b.err; exit 1; }
# Every phrase heard is "Привет." (the first) or a reply a partner wrote.
said=$(cat a.out b.out | sed -n 's/^CPU:     //p' | sort -u)
while read -r heard; do
    grep -qxF -- "$heard" <<< "$said" || [ "$heard" = 'Привет.' ] || { echo "never written: $heard"; exit 1; }
done < <(cat a.out b.out | sed -n 's/^USER:     //p' | sort -u)
head -c 5 Txt.Dat | grep -q '{\\rtf'
[ "$(grep -o '\\par[^a-z]' Txt.Dat | wc -l)" = 1 ] || { echo "not one line:"; cat Txt.Dat; exit 1; }

# Stopped by SIGTERM while conversing without end: status 0, the file still one whole line.
"$console" --exchange 'D:\Txt.Dat' --dir a --period 1 > /dev/null 2>&1 &
partner=$!
sleep 0.3
kill -TERM $partner
wait $partner
[ "$(grep -o '\\par[^a-z]' Txt.Dat | wc -l)" = 1 ] || { echo "not one line after stop"; exit 1; }

# A missing exchange file is reported once however many periods fail.
rm Txt.Dat
"$console" --exchange 'D:\Txt.Dat' --dir a --period 1 > /dev/null 2> missing.err &
partner=$!
sleep 0.3
kill -INT $partner
wait $partner
[ "$(cat missing.err)" = 'Cannot open file D:\Txt.Dat' ] || { cat missing.err; exit 1; }
echo "console exchange: 1 passed, 0 failed"
