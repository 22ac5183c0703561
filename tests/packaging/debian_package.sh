#!/usr/bin/env bash
# Builds the Debian package as a user would (cpack) and checks what it holds: its control fields,
# its file list, the program folder in the program's code page, lintian's verdict where lintian
# is installed, and that the programs work from the package merely unpacked with dpkg -x.
# Skips (status 77) where the Debian packaging tools are missing.
set -euo pipefail
build=$1
version=$2
work=$(cd "$(mktemp -d)" && pwd -P)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
for tool in dpkg-deb dpkg-shlibdeps file; do
    command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

start=$(date +%s%N)
cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
echo "package built in $((($(date +%s%N) - start) / 1000000)) ms"
deb=$work/pkg/lorintal_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb, only: $(ls "$work/pkg")"
echo "package size: $(stat -c %s "$deb") bytes"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lorintal ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = misc ] || fail "Section: $(field Section)"
[ "$(field Priority)" = optional ] || fail "Priority: $(field Priority)"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[[ $(field Description) == "chat partner"* ]] || fail "Description: $(field Description)"
depends=$(field Depends)
needed=(libc6 libstdc++6)
[ -f "$build/src/lorintal" ] && needed+=(libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins)
for library in "${needed[@]}"; do
    [[ ", $depends" == *", $library"* ]] || fail "Depends lacks $library: $depends"
done

# Every file in its place, owned by root, and nothing outside /usr.
dpkg-deb -c "$deb" >"$work/list"
files=$(awk '{print $6}' "$work/list" | sed 's|^\./|/|' | grep -v '/$' | sort)
expected=(/usr/bin/lorintal-console /usr/bin/lorintal-kb
          /usr/share/lorintal/program/Base/Words.Dat /usr/share/lorintal/program/Config.ini
          /usr/share/lorintal/program/ReadMe.Txt /usr/share/lorintal/program/Images/Inform.bmp
          /usr/share/man/man1/lorintal-console.1.gz /usr/share/man/man1/lorintal-kb.1.gz
          /usr/share/doc/lorintal/copyright /usr/share/doc/lorintal/changelog.gz)
if [ -f "$build/src/lorintal" ]; then
    expected+=(/usr/bin/lorintal /usr/share/man/man1/lorintal.1.gz
               /usr/share/applications/org.lorintal.Lorintal.desktop
               /usr/share/metainfo/org.lorintal.Lorintal.metainfo.xml)
    for size in 16 22 24 32 48 64 128 256; do
        expected+=(/usr/share/icons/hicolor/${size}x${size}/apps/lorintal.png)
    done
fi
for sound in KeyBoard Button3 Button2 Button1 CpuSound Close; do
    expected+=(/usr/share/lorintal/program/Sound/$sound.wav)
done
for file in "${expected[@]}"; do
    grep -qx "$file" <<<"$files" || fail "the package lacks $file"
done
outside=$(grep -v '^/usr/' <<<"$files" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
not_root=$(awk '$2 != "root/root"' "$work/list")
[ -z "$not_root" ] || fail "not owned by root: $not_root"

# The program folder ships exactly as the build lays it out, in Windows-1251.
dpkg -x "$deb" "$work/unpacked"
diff -r "$build/program" "$work/unpacked/usr/share/lorintal/program" >/dev/null ||
    fail "the shipped program folder differs from $build/program"

# Unpacked anywhere, the programs find their data beside themselves.
mkdir "$work/elsewhere"
out=$(cd "$work/elsewhere" &&
      printf 'привет\n' | XDG_DATA_HOME=$work/data "$work/unpacked/usr/bin/lorintal-console" 2>&1)
[[ $out == "lorintal-console: made your program folder $work/data/lorintal from $work/unpacked/usr/share/lorintal/program"$'\n'"USER:     Привет."* ]] ||
    fail "from the unpacked package: $out"

if command -v lintian >/dev/null; then
    status=0
    lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || status=$?
    grep -v 'root privileges' "$work/lintian" || true
    [ $status = 0 ] || fail "lintian found errors"
else
    echo "lintian is not installed: not checked"
fi
echo "debian package: passed"
