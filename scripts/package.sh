#!/usr/bin/env bash
# Builds a Release tree with Debian's build flags and makes the Debian package
# of it with CPack (build/package/ratio_<version>_<arch>.deb), then checks it
# with lintian. The package's path is the last line printed; install it with
#   sudo apt-get install ./build/package/ratio_*.deb
# Two runs on the same commit make the same bytes: every time stamp is the
# commit's (SOURCE_DATE_EPOCH), source and build paths are mapped to ".", and
# no binary names its compiler (.comment). RATIO_PACKAGE_BUILD moves the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev lintian
build="${RATIO_PACKAGE_BUILD:-build/package}"
# Outside a git checkout, the changelog's date, as Debian's own builds take it.
SOURCE_DATE_EPOCH="$(git log -1 --format=%ct 2> /dev/null ||
  dpkg-parsechangelog -l packaging/changelog -S Timestamp)"
export SOURCE_DATE_EPOCH
# Hardened like Debian's own packages: fortified, stack-protected, PIE, full
# RELRO; and Debian's -O2, which the Release type's own -O3 would override.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# dpkg-buildflags maps the source folder to "."; the build folder (the
# compiler's working folder, which the debug information names, and so the
# build ID) is mapped too, so the package does not depend on where it was built.
mkdir -p "$build"
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
CXXFLAGS+=" -ffile-prefix-map=$(cd "$build" && pwd)=."
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_STRIP="$PWD/packaging/strip.sh" > /dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/ratio_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
package="$(ls "$build"/ratio_*.deb)"
# Prints the errors and warnings it finds, each followed by lintian's
# explanation (the "N:" lines of --info), and nothing for a clean package;
# info and pedantic tags are not shown. An error fails the script.
lintian --fail-on error --info "$package"
realpath "$package"
