#!/usr/bin/env bash
# Builds the Debian package and checks it the way a packager and a desktop would: lintian finds
# no error and no warning; it holds every file it must and the dependencies it needs; both
# programs answer --help and --version with the package's version without any display; the
# unpacked program runs, and its window carries the class its desktop entry names.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$scratch" >/dev/null)
deb=$(find "$scratch" -maxdepth 1 -name 'faktorlupe_*.deb' | head -n 1)
[ -n "$deb" ] || fail "cpack wrote no package"
echo "ok: built $(basename "$deb")"

# lintian warns that it runs as root, which CI does; its findings are the lines with a tag.
findings=$(lintian -I --pedantic "$deb" 2>&1 | grep -E '^[EWIPX]: ' || true)
[ -z "$findings" ] || printf '%s\n' "$findings"
if grep -qE '^[EW]: ' <<<"$findings"; then
    fail "lintian reports errors or warnings"
fi
echo "ok: lintian reports no error and no warning"

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for file in \
    ./usr/bin/faktorlupe \
    ./usr/bin/faktorlupe-vergleich \
    ./usr/share/applications/de.faktorlupe.Faktorlupe.desktop \
    ./usr/share/metainfo/de.faktorlupe.Faktorlupe.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/de.faktorlupe.Faktorlupe.svg \
    ./usr/share/icons/hicolor/48x48/apps/de.faktorlupe.Faktorlupe.png \
    ./usr/share/icons/hicolor/256x256/apps/de.faktorlupe.Faktorlupe.png \
    ./usr/share/man/man1/faktorlupe.1.gz \
    ./usr/share/man/man1/faktorlupe-vergleich.1.gz \
    ./usr/share/doc/faktorlupe/copyright \
    ./usr/share/doc/faktorlupe/changelog.gz; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done
echo "ok: the package lists every file"

depends=$(dpkg-deb --field "$deb" Depends)
for needed in fonts-liberation2 libqt6widgets6 libqt6charts6 libc6; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
echo "ok: Depends: $depends"
recommends=$(dpkg-deb --field "$deb" Recommends)
for wanted in qt6-wayland qt6-translations-l10n; do
    grep -q "$wanted" <<<"$recommends" || fail "Recommends lacks $wanted: $recommends"
done
echo "ok: Recommends: $recommends"

dpkg-deb -x "$deb" "$scratch/root"
bin=$scratch/root/usr/bin
version=$(dpkg-deb --field "$deb" Version)
for program in faktorlupe faktorlupe-vergleich; do
    shown=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$program" --version) ||
        fail "$program --version failed without a display"
    [ "$shown" = "$program $version" ] || fail "$program --version says '$shown'"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$program" --help | grep -q '^Aufruf: ' ||
        fail "$program --help gives no German usage without a display"
done
echo "ok: --version and --help of both programs work without a display"

# The window's class on X11 is what the desktop entry's StartupWMClass says.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$scratch/root/usr/share/applications/de.faktorlupe.Faktorlupe.desktop")
[ -n "$wm_class" ] || fail "the desktop entry has no StartupWMClass"
shown=$(xvfb-run -a "$here/window-class.sh" "$bin/faktorlupe") || fail "the unpacked faktorlupe showed no window"
[ "$shown" = "$wm_class" ] || fail "the window's class is '$shown', the desktop entry says '$wm_class'"
echo "ok: the unpacked faktorlupe runs, and its window's class is $wm_class as its desktop entry says"
