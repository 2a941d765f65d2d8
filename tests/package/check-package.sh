#!/usr/bin/env bash
# Builds the Debian package, checks that it holds every file it must and the dependencies it
# needs, unpacks it into a scratch folder and starts the unpacked program.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
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

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for file in \
    ./usr/bin/faktorlupe \
    ./usr/bin/faktorlupe-vergleich \
    ./usr/share/applications/de.faktorlupe.Faktorlupe.desktop \
    ./usr/share/metainfo/de.faktorlupe.Faktorlupe.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/de.faktorlupe.Faktorlupe.svg \
    ./usr/share/icons/hicolor/48x48/apps/de.faktorlupe.Faktorlupe.png \
    ./usr/share/icons/hicolor/256x256/apps/de.faktorlupe.Faktorlupe.png \
    ./usr/share/doc/faktorlupe/LICENSE; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done
echo "ok: the package lists every file"

depends=$(dpkg-deb --field "$deb" Depends)
for needed in fonts-liberation2 libqt6widgets6 libqt6charts6 libc6; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
echo "ok: Depends: $depends"

dpkg-deb -x "$deb" "$scratch/root"
QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/faktorlupe" >/dev/null 2>&1 &
pid=$!
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the unpacked faktorlupe did not keep running"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "ok: the unpacked faktorlupe starts and runs"
