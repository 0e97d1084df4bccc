# Shared by run.sh and test.sh: install what is missing, then build.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="$ROOT/build"

# Debian packages the build, the tests and the fonts need.
PACKAGES="cmake g++ make pkg-config libgtest-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-qpa-plugins
  libgl-dev libegl-dev libopengl-dev libglx-dev libxkbcommon-dev libvulkan-dev
  fonts-comic-neue fonts-liberation fonts-dejavu-core
  desktop-file-utils appstream"

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing_packages() {
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      printf '%s ' "$package"
    fi
  done
}

install_missing() {
  # shellcheck disable=SC2086
  missing=$(missing_packages $PACKAGES "$@")
  if [ -n "$missing" ]; then
    echo "Installing: $missing"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # shellcheck disable=SC2086
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
  fi
}

build() {
  jobs=$(nproc 2>/dev/null || echo 2)
  if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  mkdir -p "$BUILD"
  if ! cmake --build "$BUILD" -j "$jobs" >"$BUILD/build.log" 2>&1; then
    grep -E 'error|Error' "$BUILD/build.log" | head -n 40
    echo "Build failed; the whole log is $BUILD/build.log" >&2
    exit 1
  fi
}
