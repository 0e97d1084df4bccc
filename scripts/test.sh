#!/bin/sh
# Installs what is missing, builds, and runs every test (headless).
. "$(dirname "$0")/common.sh"

install_missing
build
cd "$BUILD"
if ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" --timeout 300 >ctest.log 2>&1; then
  grep -E "tests passed|Total Test time" ctest.log
else
  grep -vE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|^ +Start +[0-9]+:' ctest.log | tail -n 150
  exit 1
fi
