#!/bin/sh
# Lists the planner's accessible tree as a screen reader (Orca) reads it over
# AT-SPI, and the nodes that take the keyboard focus without a name (there
# should be none; the script then ends with status 1). Runs the planner on
# the sample trip plan in a temporary folder, on a private Xvfb display with
# its own session and accessibility bus, so the desktop is not touched.
# Installs what is missing (Xvfb, the accessibility bus, pyatspi) and builds.
. "$(dirname "$0")/common.sh"

install_missing xvfb at-spi2-core python3-pyatspi dbus-x11
continue_as_user "$@"
build

WORK=$(mktemp -d)
cleanup() {
  [ -n "${XVFB:-}" ] && kill "$XVFB" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT INT TERM

"$BUILD/tools/sampletrip/qmp-sample" "$WORK" >/dev/null
cp "$ROOT/resources/ReportTemplate.rtf" "$WORK/"

# A private display: Xvfb picks a free number and writes it to the pipe.
mkfifo "$WORK/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
XVFB=$!
read -r NUMBER <"$WORK/display"
export DISPLAY=":$NUMBER"

# Its own session bus, the accessibility bus on it, then the planner with
# Qt's accessibility bridge switched on, and the reader.
export ROOT BUILD WORK
status=0
# shellcheck disable=SC2016 # expanded by the inner shell
dbus-run-session -- sh -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  LAUNCHER=$!
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$BUILD/src/quillmoor" --data-folder "$WORK" >/dev/null 2>&1 &
  PLANNER=$!
  status=0
  /usr/bin/python3 "$ROOT/scripts/accessible_tree.py" 30 || status=$?
  kill $PLANNER 2>/dev/null; wait $PLANNER 2>/dev/null
  kill $LAUNCHER 2>/dev/null
  exit $status
' 2>"$WORK/bus.log" || status=$?
# The bus and the planner say a lot on standard error: shown only on failure.
[ "$status" -eq 0 ] || tail -n 20 "$WORK/bus.log" >&2
exit "$status"
