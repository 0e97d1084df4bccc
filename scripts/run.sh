#!/bin/sh
# Installs what is missing, builds, and starts the planner in ./run, which
# gets the sample trip plan when it has no qmp.dat yet.
# --with-webengine also installs Qt WebEngine for the Go Shopping! page.
. "$(dirname "$0")/common.sh"

extra=""
if [ "${1:-}" = "--with-webengine" ]; then extra="qt6-webengine-dev"; fi
install_missing $extra
continue_as_user "$@"
build

RUN="$ROOT/run"
mkdir -p "$RUN"
cd "$RUN"
[ -f qmp.dat ] || "$BUILD/tools/sampletrip/qmp-sample" .
[ -f ReportTemplate.rtf ] || cp "$ROOT/resources/ReportTemplate.rtf" . 2>/dev/null || true
echo "Starting Quillmoor Planner in $RUN"
exec "$BUILD/src/quillmoor"
