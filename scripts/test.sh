#!/bin/sh
# Installs what is missing, builds, and runs every test (headless).
# --sanitize builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs the tests there.
. "$(dirname "$0")/common.sh"

install_missing
continue_as_user "$@"
timeout=300
if [ "${1:-}" = "--sanitize" ]; then
  BUILD="$ROOT/build-sanitize"
  timeout=900
  build -DQMP_SANITIZE=ON
else
  build
fi
cd "$BUILD"
echo "Running the tests"
if ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" --timeout "$timeout" >ctest.log 2>&1; then
  grep -E "tests passed|Total Test time" ctest.log
else
  grep -vE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|^ +Start +[0-9]+:' ctest.log | tail -n 150
  exit 1
fi
