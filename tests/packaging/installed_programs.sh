#!/usr/bin/env bash
# Installs into a temporary prefix as a user would, then uses the installed programs from an
# unrelated folder with a data folder that does not exist yet: the first start makes the user's
# program folder from the installed data, a turn is answered and learned into it, and a second
# start keeps what was learned. Also: --version and --help, and the desktop files.
set -euo pipefail
build=$1
version=$2
work=$(cd "$(mktemp -d)" && pwd -P) # the real path, as /proc shows it
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
bin=$work/prefix/bin
installed=$work/prefix/share/lorintal/program
export XDG_DATA_HOME=$work/data
user=$XDG_DATA_HOME/lorintal
mkdir "$work/elsewhere"
cd "$work/elsewhere"

# The first start makes the folder and says so; the second turn learns the new phrase into it.
out=$(printf 'привет\nСовсем незнакомая фраза\n' | "$bin/lorintal-console" --seed 3 2>"$work/err")
[ "$(cat "$work/err")" = "lorintal-console: made your program folder $user from $installed" ] ||
    fail "first start said: $(cat "$work/err")"
[[ $out == $'USER:     Привет.\nCPU:     '*$'\nUSER:     Совсем незнакомая фраза.\nCPU:     '?* ]] ||
    fail "conversation: $out"
unknown="\\\\'d1\\\\'ce\\\\'c2\\\\'d1\\\\'c5\\\\'cc \\\\'cd\\\\'c5\\\\'c7\\\\'cd"   # СОВСЕМ НЕЗН
grep -q "$unknown" "$user/Base/Words.Dat" || fail "the phrase was not learned into $user"
! grep -q "$unknown" "$installed/Base/Words.Dat" || fail "the installed data was changed"
[ -z "$(ls "$work/elsewhere")" ] || fail "files were left in the working directory"

# A second start, with a shipped file gone meanwhile: the file comes back, what was learned stays.
cp "$user/Base/Words.Dat" "$work/learned"
rm "$user/Sound/Close.wav"
"$bin/lorintal-console" </dev/null 2>"$work/err"
[ "$(cat "$work/err")" = "lorintal-console: added 1 shipped file to your program folder $user" ] ||
    fail "second start said: $(cat "$work/err")"
cmp -s "$user/Base/Words.Dat" "$work/learned" || fail "the second start changed what was learned"
cmp -s "$user/Sound/Close.wav" "$installed/Sound/Close.wav" || fail "Close.wav was not added"

# The checker finds the same folder without being told.
"$bin/lorintal-kb" stats | grep -q '^Выученных фраз без ответа: ' || fail "lorintal-kb stats"

# --version and --help in the form Debian's tools use.
for program in lorintal lorintal-console lorintal-kb; do
    [ -x "$bin/$program" ] || { [ $program = lorintal ] && continue; fail "$program not installed"; }
    [ "$("$bin/$program" --version)" = "$program (lorintal) $version" ] || fail "$program --version"
    "$bin/$program" --help | head -1 | grep -q "^Usage: $program " || fail "$program --help"
    [ -f "$work/prefix/share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
    if "$bin/$program" --no-such-option </dev/null >/dev/null 2>"$work/err"; then
        fail "$program took an unknown option"
    fi
    grep -q "Try '$program --help'" "$work/err" || fail "$program on a wrong option: $(cat "$work/err")"
done

# The menu entry and the software centre's description, checked where their tools are installed.
share=$work/prefix/share
if [ -x "$bin/lorintal" ]; then
    [ -f "$share/icons/hicolor/48x48/apps/lorintal.png" ] || fail "no icon"
    desktop=$share/applications/org.lorintal.Lorintal.desktop
    metainfo=$share/metainfo/org.lorintal.Lorintal.metainfo.xml
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" || fail "the desktop entry"
    else
        echo "desktop-file-validate is not installed: the desktop entry is not checked"
    fi
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$metainfo" >"$work/err" || fail "$(cat "$work/err")"
    else
        echo "appstreamcli is not installed: the metainfo is not checked"
    fi
fi
echo "installed programs: passed"
