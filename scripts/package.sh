#!/usr/bin/env bash
# Builds a Release tree with Debian's build flags and makes the Debian package
# of it with CPack (build/package/ratio_<version>_<arch>.deb), then checks it
# with lintian. The package's path is the last line printed; install it with
#   sudo apt-get install ./build/package/ratio_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev lintian
build=build/package
# Hardened like Debian's own packages: fortified, stack-protected, PIE, full RELRO.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DRATIO_BUILD_TESTS=OFF -DRATIO_BUILD_BENCH=OFF > /dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/ratio_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
package="$(ls "$build"/ratio_*.deb)"
# Errors fail the script; warnings and notes are shown.
lintian --fail-on error --info "$package"
realpath "$package"
