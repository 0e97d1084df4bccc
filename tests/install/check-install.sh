#!/bin/sh
# check-install.sh BUILD PROGRAM PACKAGE APP_ID VERSION_TEXT
# Installs BUILD into a temporary prefix, checks the installed files, validates
# the desktop entry and the AppStream metadata when the validators are there,
# and runs the installed program: --version, --help, and a start on the user's
# data folder under a temporary XDG_DATA_HOME that must create the folder with
# an empty data file and a copy of the shipped report template.
set -eu
BUILD=$1 PROGRAM=$2 PACKAGE=$3 APP_ID=$4 VERSION_TEXT=$5

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PREFIX=$WORK/usr
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" || { cat "$WORK/install.log"; fail "cmake --install"; }

SHARE=$PREFIX/share
for file in \
  bin/$PROGRAM \
  bin/qmp \
  share/$PACKAGE/ReportTemplate.rtf \
  share/applications/$APP_ID.desktop \
  share/metainfo/$APP_ID.metainfo.xml \
  share/icons/hicolor/scalable/apps/$APP_ID.svg \
  share/icons/hicolor/16x16/apps/$APP_ID.png \
  share/icons/hicolor/32x32/apps/$APP_ID.png \
  share/icons/hicolor/48x48/apps/$APP_ID.png \
  share/icons/hicolor/64x64/apps/$APP_ID.png \
  share/icons/hicolor/128x128/apps/$APP_ID.png \
  share/icons/hicolor/256x256/apps/$APP_ID.png \
  share/man/man1/$PROGRAM.1.gz \
  share/doc/$PACKAGE/copyright \
  share/doc/$PACKAGE/changelog.gz; do
  [ -s "$PREFIX/$file" ] || fail "not installed: $file"
done
[ -x "$PREFIX/bin/$PROGRAM" ] || fail "the program is not executable"
"$PREFIX/bin/qmp" --help >"$WORK/qmp-help.txt" || fail "qmp --help"
gzip -t "$SHARE/man/man1/$PROGRAM.1.gz" || fail "man page is not gzip"
grep -qx "Exec=$PROGRAM --user-data" "$SHARE/applications/$APP_ID.desktop" || fail "desktop Exec line"
grep -qx "Icon=$APP_ID" "$SHARE/applications/$APP_ID.desktop" || fail "desktop Icon line"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$SHARE/applications/$APP_ID.desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate not installed: desktop file not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$SHARE/metainfo/$APP_ID.metainfo.xml" >"$WORK/appstream.log" 2>&1 ||
    { cat "$WORK/appstream.log"; fail "appstreamcli validate"; }
else
  echo "appstreamcli not installed: metainfo not validated"
fi

# The installed program, started away from the source and build folders.
cd "$WORK"
[ "$(env -u DISPLAY "$PREFIX/bin/$PROGRAM" --version)" = "$VERSION_TEXT" ] || fail "--version"
env -u DISPLAY "$PREFIX/bin/$PROGRAM" --help >"$WORK/help.txt" || fail "--help"
for option in --data-folder --user-data --version --help; do
  grep -q -- "$option" "$WORK/help.txt" || fail "--help does not mention $option"
done

# Marks the installed template, so that a copy taken from anywhere else (the
# source or build folder) shows.
echo "installed-template-marker" >>"$SHARE/$PACKAGE/ReportTemplate.rtf"
XDG_DATA_HOME=$WORK/data XDG_CONFIG_HOME=$WORK/config QT_QPA_PLATFORM=offscreen timeout 120 \
  "$PREFIX/bin/$PROGRAM" --user-data --quit-after-start >"$WORK/start.log" 2>&1 ||
  { cat "$WORK/start.log"; fail "start with --user-data"; }
USER_DATA=$WORK/data/$PACKAGE
[ -f "$USER_DATA/qmp.dat" ] || fail "no qmp.dat in the user data folder"
cmp -s "$USER_DATA/ReportTemplate.rtf" "$SHARE/$PACKAGE/ReportTemplate.rtf" ||
  fail "the user data folder has no copy of the installed report template"
echo "installed tree and program: ok"
