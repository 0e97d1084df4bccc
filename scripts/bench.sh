#!/bin/sh
# Builds the benchmark programs (RelWithDebInfo, in the build folder that
# run.sh and test.sh use) and runs every one of them, then
# prints the rows they report as one table. Each program measures its figure
# against its own baseline in the same run, so the ratios hold on a busy
# machine; the figures themselves vary with the load.
#
# The start-up benchmark uses the X display of DISPLAY; without one it starts
# a private Xvfb when that is installed, otherwise it runs offscreen.
. "$(dirname "$0")/common.sh"

install_missing
mkdir -p "$BUILD"
echo "Configuring and building the benchmarks in $BUILD ..."
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$BUILD/configure.log" 2>&1 || {
    cat "$BUILD/configure.log"
    exit 1
  }
fi
cmake -S "$ROOT" -B "$BUILD" >/dev/null  # picks up benchmark folders added since
if ! make -C "$BUILD/bench" -j "$(nproc 2>/dev/null || echo 2)" >"$BUILD/bench-build.log" 2>&1; then
  grep -E 'error|Error' "$BUILD/bench-build.log" | head -n 40
  echo "Build failed; the whole log is $BUILD/bench-build.log" >&2
  exit 1
fi

XVFB_PID=""
cleanup() {
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}
trap cleanup EXIT INT TERM
if [ -z "${DISPLAY:-}" ] && command -v Xvfb >/dev/null 2>&1; then
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$fifo" 2>/dev/null &
  XVFB_PID=$!
  read -r number <"$fifo" || true
  rm -f "$fifo"
  if [ -n "${number:-}" ]; then
    DISPLAY=":$number"
    export DISPLAY
  fi
fi

TABLE=$(mktemp)
OUTPUT=$(mktemp)
status=0
for program in $(find "$BUILD/bench" -type f -perm -u+x -name '*_bench' | sort); do
  name=$(basename "$program")
  echo
  echo "== $name"
  if ! (cd "$BUILD" && "$program") >"$OUTPUT" 2>"$OUTPUT.err"; then
    echo "$name failed:"
    tail -n 20 "$OUTPUT.err"
    status=1
  fi
  grep -v '^| ' "$OUTPUT" || true
  if grep -q '^| ' "$OUTPUT"; then
    grep '^| ' "$OUTPUT" | sed "s/^| /| $name | /" >>"$TABLE"
  else
    echo "| $name | (figures above) | | | | |" >>"$TABLE"
  fi
done

echo
echo "| Program | What | Figure | Baseline | Ratio | Target | Met |"
echo "|---|---|---|---|---|---|---|"
cat "$TABLE"
rm -f "$TABLE" "$OUTPUT" "$OUTPUT.err"
exit $status
