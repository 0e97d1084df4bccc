#!/bin/sh
# Builds the Debian package build-package/quillmoor-planner_<version>_<arch>.deb
# with CPack: only what the package ships (no tests, benchmarks or tools),
# with Debian's hardening flags, then checks it with lintian.
# --with-webengine builds the Go Shopping! page on Qt WebEngine.
. "$(dirname "$0")/common.sh"

extra="dpkg-dev file lintian"
webengine=OFF
if [ "${1:-}" = "--with-webengine" ]; then
  extra="$extra qt6-webengine-dev"
  webengine=ON
fi
# shellcheck disable=SC2086
install_missing $extra
continue_as_user "$@"

OUT="$ROOT/build-package"
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
launcher=""
if command -v ccache >/dev/null; then launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"; fi
# shellcheck disable=SC2086
cmake -S "$ROOT" -B "$OUT" $launcher -DCMAKE_BUILD_TYPE=None -DQMP_BUILD_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr \
  -DQMP_WEBENGINE="$webengine" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
echo "Building the package in $OUT"
if ! cmake --build "$OUT" -j "$(nproc 2>/dev/null || echo 2)" >"$OUT/build.log" 2>&1; then
  grep -E 'error|Error' "$OUT/build.log" | head -n 40
  echo "Build failed; the whole log is $OUT/build.log" >&2
  exit 1
fi
rm -f "$OUT"/*.deb
(cd "$OUT" && cpack -G DEB >"$OUT/cpack.log" 2>&1) || { cat "$OUT/cpack.log"; exit 1; }
deb=$(ls "$OUT"/*.deb)
echo "Package: $deb"
echo "lintian:"
lintian --info "$deb" || true
echo "Install it with: sudo apt install $deb"
