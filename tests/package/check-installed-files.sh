#!/usr/bin/env bash
# Installs the build into a scratch folder and validates the desktop entry and the AppStream
# metadata there, as the desktop and the software centres will read them.
#   check-installed-files.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cmake --install "$build" --prefix "$root/usr" >/dev/null
desktop-file-validate "$root"/usr/share/applications/de.faktorlupe.Faktorlupe.desktop
echo "ok: desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/de.faktorlupe.Faktorlupe.metainfo.xml
echo "ok: appstreamcli validate --no-net"
