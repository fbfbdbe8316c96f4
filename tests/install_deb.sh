#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch
# root and runs the program from there, as apt would have installed it: its
# file list, its control fields, --version, a batch conversion, the manual
# page, and the window in German with the translations from the installed
# folder alone.
#   install_deb.sh <cpack> <build-dir> <source-dir> <build kestrelpad> <grabscreen>
set -u
cpack=$1 build=$2 source=$3 built=$4 grab=$5
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v $tool >/dev/null 2>&1 || { echo "SKIP: $tool is not installed (Debian: dpkg-dev)"; exit 77; }
done
work=$build/tests/install-deb
rm -rf "$work"
mkdir -p "$work/run"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$work/out/kestrelpad_1.2-1_amd64.deb
[ -f "$deb" ] || { ls "$work/out"; echo "FAIL: no $deb"; exit 1; }

# Control fields.
for field in Package=kestrelpad Version=1.2-1 Architecture=amd64 Section=sound; do
    actual=$(dpkg-deb -f "$deb" "${field%%=*}")
    [ "$actual" = "${field#*=}" ] || fail "${field%%=*} is '$actual', not '${field#*=}'"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6network6 libqt6widgets6 \
    qt6-translations-l10n; do
    [[ ", $depends," == *", $package "[,\(]* || ", $depends," == *", $package,"* ]] \
        || fail "Depends lacks $package"
done

# File list: everything under /usr; Qt's translations are links whose names
# depend on the Qt found at build time, so they are checked apart.
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' | sort >"$work/contents"
grep -v -e '^/$' -e '^/usr/' "$work/contents" | while read -r path; do fail "outside /usr: $path"; done
expected="/usr/bin/kestrelpad
/usr/share/applications/de.orvan.Kestrelpad.desktop
/usr/share/doc/kestrelpad/changelog.Debian.gz
/usr/share/doc/kestrelpad/copyright
/usr/share/icons/hicolor/128x128/apps/kestrelpad.png
/usr/share/icons/hicolor/48x48/apps/kestrelpad.png
/usr/share/icons/hicolor/scalable/apps/kestrelpad.svg
/usr/share/kestrelpad/languages/Kestrel_de.qm
/usr/share/kestrelpad/languages/Kestrel_fr.qm
/usr/share/man/man1/kestrelpad.1.gz
/usr/share/metainfo/de.orvan.Kestrelpad.metainfo.xml"
actual=$(grep -v -e '/$' -e '^/usr/share/kestrelpad/languages/qt' "$work/contents")
[ "$actual" = "$expected" ] || { fail "file list"; diff <(echo "$expected") <(echo "$actual"); }

root=$work/root
dpkg-deb -x "$deb" "$root"
languages=$root/usr/share/kestrelpad/languages
for link in "$languages"/qt*.qm; do
    [ -L "$link" ] || { fail "not a link: $link"; continue; }
    target=$(readlink "$link")
    [[ $target != /* && -f $(realpath -m "/usr/share/kestrelpad/languages/$target") ]] \
        || fail "$(basename "$link") -> $target is no relative link to a file on this system"
done
[ -f "$languages/qt_de.qm" ] || [ -L "$languages/qt_de.qm" ] || fail "no qt_de.qm link"

program=$root/usr/bin/kestrelpad
cd "$work/run" || exit 1
version=$("$program" --version)
[ "$version" = "Kestrelpad 1.2" ] || fail "--version printed '$version'"
"$program" -q -i "$source/examples/stations.m3u" -o radio.pls 2>"$work/batch.err"
status=$?
[ $status -eq 0 ] && head -n 1 radio.pls | grep -q '^\[playlist\]' \
    || { cat "$work/batch.err"; fail "batch conversion: exit $status"; }
# A German batch message can only come from the installed folder, since
# there is no languages folder beside the unpacked program.
LANGUAGE=de LC_ALL=de_DE.UTF-8 "$program" -q -i missing.m3u -o radio.pls 2>"$work/batch-de.err"
grep -q 'existiert nicht' "$work/batch-de.err" \
    || { cat "$work/batch-de.err"; fail "batch messages are not German"; }
[ -e settings.ini ] && fail "a batch run wrote settings.ini"

man=$root/usr/share/man/man1/kestrelpad.1.gz
gzip -t "$man" || fail "the manual page is no gzip file"
if command -v man >/dev/null 2>&1; then
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$man" 2>&1 >"$work/man.txt")
    [ -z "$warnings" ] || fail "man warns: $warnings"
    for option in -i -o -q --help --version settings.ini; do
        grep -q -- "$option" "$work/man.txt" || fail "the manual page does not mention $option"
    done
fi

# The menu bar of the window, in a virtual display, as a picture.
menu_bar_once() { # <picture> <program> [environment...]
    local shot=$1 exe=$2; shift 2
    env -u QT_QPA_PLATFORM "$@" xvfb-run -a -s "-screen 0 800x600x24" bash -c '
        "$1" & pid=$!
        for _ in $(seq 100); do
            geometry=$(xwininfo -name Kestrelpad 2>/dev/null) && break
            sleep 0.1
        done
        sleep 0.5
        x=$(sed -n "s/.*Absolute upper-left X: *//p" <<<"$geometry")
        y=$(sed -n "s/.*Absolute upper-left Y: *//p" <<<"$geometry")
        width=$(sed -n "s/.*Width: *//p" <<<"$geometry")
        status=1
        [ -n "$x" ] && "$2" "$3" "$x" "$y" "$width" 20 && status=0
        kill $pid; wait $pid 2>/dev/null
        exit $status
    ' bash "$exe" "$grab" "$shot"
}

# Now and then the program cannot reach the display that xvfb-run has just
# started (seen on loaded machines), so a window that did not come is asked
# for again.
menu_bar() {
    local _
    for _ in 1 2 3; do
        menu_bar_once "$@" && return 0
    done
    return 1
}
if command -v xvfb-run >/dev/null 2>&1 && command -v xwininfo >/dev/null 2>&1; then
    german=(LANGUAGE=de LC_ALL=de_DE.UTF-8)
    menu_bar "$work/installed-de.png" "$program" "${german[@]}" || fail "no window"
    menu_bar "$work/built-de.png" "$built" "${german[@]}" || fail "no window from the build"
    mv "$languages" "$languages.away"
    menu_bar "$work/installed-none.png" "$program" "${german[@]}" || fail "no window"
    mv "$languages.away" "$languages"
    cmp -s "$work/installed-de.png" "$work/built-de.png" \
        || fail "the installed window's menu is not the German one of the build"
    cmp -s "$work/installed-de.png" "$work/installed-none.png" \
        && fail "the installed window's menu is German without the installed translations"
else
    echo "xvfb-run or xwininfo is not installed; the window was not checked"
fi

[ $failures -eq 0 ] && echo "PASS: $deb"
exit $((failures > 0))
