#!/usr/bin/env bash
# Installs what is missing, builds a Release in build/ and makes the Debian
# package there (build/kestrelpad_1.2-1_amd64.deb), then runs Debian's checks
# on it: desktop-file-validate, appstreamcli and lintian.
#   ./scripts/package.sh
# Install it with: sudo apt install ./build/kestrelpad_1.2-1_amd64.deb
set -euo pipefail
source "$(dirname "$0")/common.sh"

kestrel_install_packages
cd "$KESTREL_ROOT"
dir="$KESTREL_ROOT/build"
# The flags Debian builds its own packages with (hardening included), so
# that lintian judges the program as it would one of Debian's. The About box
# shows the build date on purpose, so -Wdate-time goes.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cppflags=${cppflags//-Wdate-time/}
cmake -S "$KESTREL_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DKESTREL_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$cppflags $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$dir" -j "$(nproc)" --target package

deb=$(ls -t "$dir"/kestrelpad_*.deb | head -n 1)
linux="$KESTREL_ROOT/packaging/linux"
desktop-file-validate "$linux/de.orvan.Kestrelpad.desktop"
appstreamcli validate --no-net "$linux/de.orvan.Kestrelpad.metainfo.xml"
# lintian reports warnings without failing; errors fail the script.
lintian --fail-on error "$deb"
echo "$deb"
