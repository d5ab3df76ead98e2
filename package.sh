#!/usr/bin/env bash
# Builds the Debian package dist/pelorand_<version>_<arch>.deb with CPack (Release, Debian's
# hardening flags, dependencies from the binary's shared libraries), then checks it the way the
# distribution does: lintian, appstreamcli and desktop-file-validate.
set -euo pipefail
cd "$(dirname "$0")"
# ./package.sh --windows: the Windows installer and zip instead (scripts/package-windows.sh).
if [ "${1:-}" = "--windows" ]; then exec scripts/package-windows.sh; fi
umask 022  # files and folders in the package get Debian's usual modes
EXTRA_PACKAGES="${EXTRA_PACKAGES:-} dpkg-dev file lintian appstream desktop-file-utils"
# PACKAGE_BUILD_DIR: a build made the same way already (test.sh packs the build it tests).
BUILD_DIR=${PACKAGE_BUILD_DIR:-build-package}
BUILD_TARGETS="pelorand pelorand_docs"
RELEASE_AS_PACKAGED=1
source scripts/setup.sh
rm -f dist/pelorand_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
deb=$(ls dist/pelorand_*.deb)
echo "== lintian"
lintian --fail-on error --suppress-tags-from-file resources/lintian-accepted "$deb"
echo "== appstreamcli validate"
appstreamcli validate --no-net --pedantic "$BUILD_DIR/pelorand.metainfo.xml"
echo "== desktop-file-validate"
desktop-file-validate resources/pelorand.desktop
echo "built $deb"
