#!/usr/bin/env bash
# Builds the Debian package the Debian way from a clean checkout of the
# committed tree, twice in two places, and checks it: identical both times,
# lintian --pedantic with no error or warning, what it holds, and both
# programs run from it once installed (the window under a private X server
# until it is mapped, with its X class and its icon).
# Usage: check_debian_package.sh OUTPUT-DIRECTORY
set -u
cd "$(dirname "$0")/../.."
out=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
xvfb_pid=
app=
cleanup() {
    [[ -n "$app" ]] && kill "$app" 2>/dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

for place in first second; do
    git clone -q . "$work/$place/pelvoro"
    if ! (cd "$work/$place/pelvoro" && dpkg-buildpackage -b -us -uc >"$work/$place.log" 2>&1); then
        tail -n 30 "$work/$place.log"
        echo "FAIL: dpkg-buildpackage failed"
        exit 1
    fi
done
deb=$(ls "$work"/first/pelvoro_*_*.deb)
cmp -s "$deb" "$work/second/$(basename "$deb")" && echo "ok   the package is the same, built twice in two places" \
    || fail "two builds of the same tree differ"
ls "$work"/first/pelvoro-dbgsym_*.deb >/dev/null 2>&1 || fail "no -dbgsym package"
mkdir -p "$out"
cp "$work"/first/*.deb "$out/"

# lintian: no error and no warning; informational tags are listed.
tags=$(lintian --pedantic --display-info "$work"/first/pelvoro_*.changes 2>/dev/null)
[[ -n "$tags" ]] && echo "$tags"
grep -qE '^[EW]:' <<<"$tags" && fail "lintian reports errors or warnings"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/pelvoro ./usr/bin/pelvoro-convert ./usr/share/applications/pelvoro.desktop \
            ./usr/share/metainfo/org.pelvoro.pelvoro.metainfo.xml ./usr/share/man/man1/pelvoro.1.gz \
            ./usr/share/man/man1/pelvoro-convert.1.gz ./usr/share/icons/hicolor/32x32/apps/pelvoro.png \
            ./usr/share/icons/hicolor/48x48/apps/pelvoro.png ./usr/share/icons/hicolor/256x256/apps/pelvoro.png \
            ./usr/share/icons/hicolor/scalable/apps/pelvoro.svg ./usr/share/doc/pelvoro/copyright; do
    grep -qx -- "$path" <<<"$contents" || fail "$path is not in the package"
done
[[ "$(dpkg-deb -f "$deb" Section)" == video ]] || fail "not in section video"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libfltk1.3 libx11-6 libstdc++6 libc6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# Installed as a user installs it.
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$deb" >/dev/null 2>&1 || fail "the package does not install"
result=$(/usr/bin/pelvoro-convert --fps=29.97 0:10)
[[ "$result" == 300.700 ]] && echo "ok   the installed converter gives 300.700" || fail "the installed converter printed '$result'"
desktop-file-validate /usr/share/applications/pelvoro.desktop || fail "desktop-file-validate complains"
hints=$(desktop-file-validate --no-hints /usr/share/applications/pelvoro.desktop 2>&1; desktop-file-validate /usr/share/applications/pelvoro.desktop 2>&1)
[[ -z "$hints" ]] || fail "desktop-file-validate: $hints"
appstreamcli validate --no-net /usr/share/metainfo/org.pelvoro.pelvoro.metainfo.xml >/dev/null \
    || fail "appstreamcli validate fails"

source scripts/xvfb.sh
start_private_xvfb
/usr/bin/pelvoro >/dev/null 2>&1 &
app=$!
window=
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name '^Pelvoro$' 2>/dev/null | head -n 1)
    [[ -n "$window" ]] && break
    sleep 0.1
done
if [[ -z "$window" ]]; then
    fail "the installed window was never mapped"
else
    wm_class=$(xprop -id "$window" WM_CLASS)
    wanted=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/pelvoro.desktop)
    [[ "$wm_class" == *'"pelvoro", "'"$wanted"'"' ]] && echo "ok   its X class is $wm_class, as StartupWMClass says" \
        || fail "X class $wm_class does not match StartupWMClass=$wanted"
    xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (48 x 48)' && echo "ok   it shows its icon" \
        || fail "the window has no icon"
fi

echo "$deb: Depends: $depends"
echo "$failures failures"
[[ $failures -eq 0 ]]
