# Shared by run.sh and test.sh: install what is missing, then build.
# Only installing Debian packages needs root: a user is asked for sudo then,
# and nothing else runs as root on their behalf. Started with sudo, the
# scripts build and start the planner as the user who called sudo, so that
# build/, run/ and qmp.dat stay theirs. Run by root itself (CI), they do
# everything as root.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="$ROOT/build"

# Debian packages the build, the tests and the fonts need.
PACKAGES="cmake g++ make pkg-config libgtest-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-qpa-plugins
  libgl-dev libegl-dev libopengl-dev libglx-dev libxkbcommon-dev libvulkan-dev
  fonts-comic-neue fonts-liberation fonts-dejavu-core
  desktop-file-utils appstream poppler-utils"

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The user who started the script with sudo, if any.
sudo_user() {
  if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
    echo "$SUDO_USER"
  fi
}

# Started with sudo: once the packages are in, the script starts again as the
# user who called sudo. Folders an earlier "sudo scripts/..." left to root are
# given back to that user first.
continue_as_user() {
  user=$(sudo_user)
  [ -n "$user" ] || return 0
  for folder in "$ROOT/build" "$ROOT/build-sanitize" "$ROOT/build-package" "$ROOT/run"; do
    if [ -e "$folder" ] && [ "$(stat -c %U "$folder")" = root ]; then
      echo "Giving $folder back to $user"
      chown -R "$user": "$folder"
    fi
  done
  echo "Going on as $user"
  exec sudo -H -u "$user" -- "$ROOT/scripts/$(basename "$0")" "$@"
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
    echo "Installing Debian packages (needs root; a few minutes on a fresh machine): $missing"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # shellcheck disable=SC2086
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
    echo "Packages installed."
  fi
}

# Shows the build's progress from the "[ 42%]" of its output: on one line
# that updates on a terminal, in steps of ten otherwise (a CI log).
show_progress() {
  if [ -t 1 ]; then tty=1; else tty=0; fi
  awk -v tty="$tty" '
    match($0, /^\[ *[0-9]+%\]/) {
      percent = substr($0, RSTART + 1, RLENGTH - 3) + 0
      if (tty) { printf "\rBuilding: %3d%%", percent; fflush() }
      else if (percent >= shown + 10) { shown = percent - percent % 10; printf "Building: %d%%\n", percent; fflush() }
    }
    END { if (tty) printf "\n" }'
}

# Configures (the first time) and builds; extra arguments go to cmake's
# configure step.
build() {
  jobs=$(nproc 2>/dev/null || echo 2)
  mkdir -p "$BUILD"
  if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    echo "Configuring the build in $BUILD"
    if ! cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$BUILD/configure.log" 2>&1; then
      tail -n 40 "$BUILD/configure.log"
      echo "Configuring failed; the whole log is $BUILD/configure.log" >&2
      exit 1
    fi
  fi
  echo "Building with $jobs jobs (the first build takes several minutes); the log is $BUILD/build.log"
  status_file="$BUILD/build.status"
  { status=0; cmake --build "$BUILD" -j "$jobs" 2>&1 || status=$?; echo "$status" >"$status_file"; } |
    tee "$BUILD/build.log" | show_progress
  if [ "$(cat "$status_file")" != 0 ]; then
    grep -E 'error|Error' "$BUILD/build.log" | head -n 40
    echo "Build failed; the whole log is $BUILD/build.log" >&2
    exit 1
  fi
  rm -f "$status_file"
  echo "Build done."
}
