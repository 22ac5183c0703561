#!/usr/bin/env bash
# A conversation through lorintal-console on a small program folder: the printed log lines, the
# learning written to disk, a file error on standard error, and status 0 at the end of input.
set -euo pipefail
console=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir -p "$folder/base"   # the program writes "Base\..."; the folder's case on disk differs

put() { printf "$2" | iconv -f UTF-8 -t CP1251 > "$folder/base/$1"; }
put Words.Dat 'Заголовок\r\nПРИВЕТ^Привет! Как тебя зовут?;\r\n'
put Povtor.Dat 'Ты повторяешься.\r\n'
put X.Dat 'Не груби.\r\n'
put Collection.Dat ''
put BigString.Dat 'Длинно.\r\n'
put W1.Dat 'Не знаю.\r\n'
put W2.Dat 'Понятно.\r\n'
put AI.dat 'Заголовок\r\nКстати.\r\n'

out=$(printf 'привет\nВася\nПривет, как тебя зовут?\n' | "$console" --dir "$folder" --seed 7)
expected=$'USER:     Привет.\nCPU:     Привет! Как тебя зовут?\nUSER:     Вася.\nCPU:     Понятно.\nUSER:     Привет, как тебя зовут?\nCPU:     Привет! Как тебя зовут?'
if [ "$out" != "$expected" ]; then
    printf 'unexpected conversation:\n%s\n' "$out"
    exit 1
fi

# What was learned is on disk as RTF, in the program's code page.
head -c 5 "$folder/base/Words.Dat" | grep -q '{\\rtf'
grep -q "\\\\'c2\\\\'c0\\\\'d1\\\\'df.^" "$folder/base/Words.Dat"   # ВАСЯ.^ learned as a pattern
grep -q "\\\\'c2\\\\'e0\\\\'f1\\\\'ff." "$folder/base/W1.Dat"       # Вася. became an answer

# A missing file is reported by its written name; the console goes on and ends with status 0.
rm "$folder/base/W2.Dat"
err=$(printf 'Совсем новое\nпривет\n' | "$console" --dir "$folder" --seed 1 2>&1 >/dev/null)
[ "$err" = 'Cannot open file Base\W2.Dat' ] || { echo "stderr: $err"; exit 1; }
echo "console conversation: 1 passed, 0 failed"
