#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a package see there: the
# menu entry, the software-centre entry, the file types (a SEG-2 .dat is SEG-2, any other .dat is not),
# the icons, the manual pages and both programs' version. Writes only below a temporary folder.
# usage: check-install.sh BUILD_DIR SOURCE_DIR VERSION_TEXT
set -euo pipefail

build=$(cd "$1" && pwd) source=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix share=$work/prefix/share
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "FAIL: $1 is missing (scripts/setup installs it)" >&2; exit 1; }; }
need desktop-file-validate
need xmllint
need update-mime-database

# The programs' caches, settings and runtime files stay in the temporary folder too.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$work/run"

# What `cmake --install --prefix` does, except that its list of installed files is written here
# rather than into the build folder.
sed "s|^file(WRITE \"$build/|file(WRITE \"$work/|" "$build/cmake_install.cmake" >"$work/cmake_install.cmake"
cmake -DCMAKE_INSTALL_PREFIX="$prefix" -P "$work/cmake_install.cmake" >/dev/null

# Both programs print the one version text.
[ "$("$prefix/bin/kvt-cli" --version)" = "$version" ] || fail "kvt-cli --version does not print '$version'"
gui=false
if [ -x "$prefix/bin/kvt" ]; then
  gui=true
  [ "$(QT_QPA_PLATFORM=offscreen "$prefix/bin/kvt" --version 2>/dev/null)" = "$version" ] ||
    fail "kvt --version does not print '$version'"
fi

# The manual pages render without a warning.
pages=(kvt-cli)
$gui && pages+=(kvt)
for page in "${pages[@]}"; do
  file=$share/man/man1/$page.1.gz
  [ -f "$file" ] || { fail "$page.1.gz not installed"; continue; }
  warnings=$(zcat "$file" | groff -man -ww -z 2>&1) || fail "$page.1 does not render"
  [ -z "$warnings" ] || fail "$page.1 renders with warnings: $warnings"
done

# Every command kvt-cli offers is in its page.
if [ -f "$share/man/man1/kvt-cli.1.gz" ]; then
  text=$(zcat "$share/man/man1/kvt-cli.1.gz")
  for command in $("$prefix/bin/kvt-cli" --help | sed -n 's/^  kvt-cli \([a-z]*\).*/\1/p'); do
    grep -qF ".B kvt\\-cli $command" <<<"$text" || fail "kvt-cli.1 lacks '$command'"
  done
fi

if ! $gui; then
  [ $failures -eq 0 ]
  exit
fi

# The menu entry, and everything it names exists.
desktop=$share/applications/org.kvt.KVT.desktop
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
grep -qx 'Exec=kvt %f' "$desktop" || fail "desktop entry does not pass the record to kvt"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon '$icon'"
for size in 16 22 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x$size/apps/$icon.png
  # The PNG header holds width and height as big-endian words at bytes 16 and 20.
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" 2>/dev/null |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }') || true
  [ "${width:-}x${height:-}" = "${size}x$size" ] || fail "$png is not ${size}x$size"
done

# The software-centre entry names the menu entry.
metainfo=$share/metainfo/org.kvt.KVT.metainfo.xml
grep -q '<launchable type="desktop-id">org.kvt.KVT.desktop</launchable>' "$metainfo" ||
  fail "metainfo does not launch org.kvt.KVT.desktop"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >/dev/null || fail "metainfo does not validate"
else
  echo "note: appstreamcli missing, metainfo not validated"
fi

# The file types: well-formed, accepted by the database, every type the menu entry opens is defined,
# and files are recognised by name and by signature.
mime=$share/mime/packages/kvt.xml
xmllint --noout "$mime" || fail "MIME XML does not parse"
mkdir -p "$work/db/mime/packages"
cp "$mime" "$work/db/mime/packages/"
[ -f /usr/share/mime/packages/freedesktop.org.xml ] && cp /usr/share/mime/packages/freedesktop.org.xml "$work/db/mime/packages/"
errors=$(XDG_DATA_DIRS=$work/db update-mime-database "$work/db/mime" 2>&1) || fail "update-mime-database refused the types"
[ -z "$errors" ] || fail "update-mime-database: $errors"
for type in $(sed -n 's/^MimeType=//p' "$desktop" | tr ';' ' '); do
  grep -q "^$type\$" "$work/db/mime/types" || fail "desktop entry opens undefined type $type"
done
if command -v mimetype >/dev/null; then
  "$prefix/bin/kvt-cli" convert "$source/samples/demo.srw" "$work/demo.sg2" 2>/dev/null
  cp "$work/demo.sg2" "$work/0001.dat"
  cp "$source/samples/demo.srw" "$work/renamed"
  head -c 4096 /dev/zero >"$work/zeros.dat"
  printf 'U:\nnot a record\n' >"$work/text.dat"
  while read -r file expected; do
    got=$(XDG_DATA_HOME=$work/none XDG_DATA_DIRS=$work/db mimetype -b "$work/$file")
    [ "$got" = "$expected" ] || fail "$file is $got, not $expected"
  done <<'LIST'
demo.sg2 application/x-seg2
0001.dat application/x-seg2
renamed application/x-kvt-srw
zeros.dat application/octet-stream
text.dat text/plain
LIST
else
  echo "note: mimetype missing, file recognition not checked"
fi

[ $failures -eq 0 ]
