#!/usr/bin/env bash
# The installed program, end to end: packages this build folder, unpacks the
# package into a scratch root, validates what it carries with the Debian
# tools, and starts the installed editor on a project the installed lwpack
# made, the way the desktop entry starts it.
#
#   install_package.sh SOURCE_DIR BUILD_DIR VERSION
#
# Exit 77 (skipped) when a tool it needs is missing. LW_INSTALL_SHOT=<png>
# keeps a screenshot of the opened project; LW_KEEP_SCRATCH=1 keeps the
# scratch folder.
set -euo pipefail
src=$1
build=$2
version=$3
here=$(cd "$(dirname "$0")" && pwd)

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
step() { echo; echo "== $* (at ${SECONDS}s)"; }

for tool in cpack dpkg dpkg-deb dpkg-shlibdeps dpkg-query file readelf desktop-file-validate update-desktop-database \
            appstreamcli update-mime-database lintian xvfb-run xdotool xprop import python3 man; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/setup installs it)"
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/lw-install.XXXXXX")
cleanup() {
  if [ "${LW_KEEP_SCRATCH:-}" = 1 ]; then echo "scratch kept in $scratch"; else rm -rf "$scratch"; fi
}
trap cleanup EXIT

step "package"
deb=$("$src/scripts/package" --from "$build" --output "$scratch/out" 2>"$scratch/cpack.log" | tail -n 1) \
  || { cat "$scratch/cpack.log"; fail "scripts/package failed"; }
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "glowsmith_${version}_${arch}.deb" ] || fail "unexpected package name $deb"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --info "$deb" | sed -n '/^ Package:/,$p'

step "dependencies"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
has_dependency() { tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/ //g' | grep -qx "$1"; }
# From dpkg-shlibdeps: the libraries the programs and the cookie module
# link. The programs themselves do not link the web engine (checked below):
# it loads with the first web view, through its QML module and ours.
for library in libc6 libqt5core5a libqt5quick5 libqt5qml5 libminizip1 libqt5webengine5; do
  has_dependency "$library" || fail "Depends lacks $library: dpkg-shlibdeps did not run"
done
# What no link reveals: the SQLite driver of the cookie reader and of
# lwservice, the quantiser the compression starts, the fonts of the Chinese
# profile labels.
for runtime in libqt5sql5-sqlite pngquant fonts-noto-cjk qml-module-qtwebengine; do
  has_dependency "$runtime" || fail "Depends lacks $runtime"
done
echo "QML modules the documents need, and where Depends brings them from:"
python3 "$here/check_depends.py" "$src/qml" "$src" "$depends" || fail "a QML module is not brought by Depends"
# What apt would install on a system that has nothing installed yet: the
# dependencies resolve against the package lists, and the later check of
# what the running editor loaded measures against this set.
closure=$scratch/fresh-closure.txt
: >"$scratch/empty-status"
if [ -z "$(find /var/lib/apt/lists -maxdepth 1 -name '*_Packages*' -print -quit 2>/dev/null)" ]; then
  echo "NOTE: apt has no package lists (apt-get update fills them): the fresh-system checks are left out"
  closure=""
else
  apt-get install --simulate --quiet -o Dir::State::status="$scratch/empty-status" \
    -o APT::Install-Recommends=false "$deb" >"$scratch/apt.log" 2>&1 \
    || { cat "$scratch/apt.log"; fail "apt cannot install the package on a fresh system"; }
  sed -n 's/^Inst \([^ ]*\) .*/\1/p' "$scratch/apt.log" >"$closure"
  echo "apt-get install --simulate on an empty system: $(wc -l <"$closure") packages, resolvable"
fi

step "contents"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
app_id=example.brightfold.glowsmith
expected=(
  usr/bin/glowsmith usr/bin/lwpack usr/bin/lwservice usr/lib/glowsmith/plugins/liblwwebcookies.so
  "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml"
  usr/share/mime/packages/glowsmith.xml
  usr/share/man/man1/glowsmith.1.gz usr/share/man/man1/lwpack.1.gz usr/share/man/man1/lwservice.1.gz
  usr/share/doc/glowsmith/copyright usr/share/doc/glowsmith/changelog.gz
)
for path in "${expected[@]}"; do
  [ -f "$root/$path" ] || fail "the package lacks /$path"
done
for program in glowsmith lwpack lwservice; do
  binary=$root/usr/bin/$program
  [ -x "$binary" ] || fail "/usr/bin/$program is not executable"
  file -b "$binary" | grep -q ', stripped' || fail "/usr/bin/$program is not stripped: $(file -b "$binary")"
  # Everything the programs read is compiled in; a path of this machine
  # inside them would be a file that is missing once installed elsewhere.
  for folder in "$src" "$build"; do
    if grep -q -a -F "$folder" "$binary"; then
      grep -a -o -F "$folder" "$binary" | head -3
      fail "/usr/bin/$program refers to $folder"
    fi
  done
done
# The web engine's cookie store is reached through a module the editor
# loads from ../lib/glowsmith/plugins/ beside its own folder; the programs must not
# link the engine, whose libraries would cost every start its memory.
module=$root/usr/lib/glowsmith/plugins/liblwwebcookies.so
file -b "$module" | grep -q ', stripped' || fail "the cookie module is not stripped: $(file -b "$module")"
for folder in "$src" "$build"; do
  grep -q -a -F "$folder" "$module" && fail "the cookie module refers to $folder"
done
readelf -d "$module" | grep -q 'NEEDED.*libQt5WebEngine\.so' || fail "the cookie module does not link the web engine"
for program in glowsmith lwpack lwservice; do
  if readelf -d "$root/usr/bin/$program" | grep -i 'NEEDED.*webengine'; then
    fail "/usr/bin/$program links the web engine"
  fi
done
# (The folder is a Qt string literal in the program: UTF-16.)
python3 -c 'import sys; sys.exit("../lib/glowsmith/plugins".encode("utf-16-le") not in open(sys.argv[1], "rb").read())' \
  "$root/usr/bin/glowsmith" || fail "the editor does not look for its module in ../lib/glowsmith/plugins"
# Every library it needs resolves on this system, as the editor will load it.
python3 -c 'import ctypes, sys; ctypes.CDLL(sys.argv[1])' "$module" || fail "the cookie module does not load"
# The helper reaches the user's data folder from the editor's resources.
if find "$root" -name 'LWHelper*' | grep -q .; then fail "the helper is installed beside the program"; fi
for size in 16 22 24 32 48 64 128 256 512; do
  for icon in apps/glowsmith mimetypes/application-x-glowsmith-project; do
    png=$share/icons/hicolor/${size}x${size}/$icon.png
    [ -f "$png" ] || fail "missing icon $png"
    file -b "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not $size px: $(file -b "$png")"
  done
done
for icon in apps/glowsmith mimetypes/application-x-glowsmith-project; do
  [ -f "$share/icons/hicolor/scalable/$icon.svg" ] || fail "missing scalable icon $icon"
done
echo "$(find "$root" -type f | wc -l) files; programs stripped; no build or source paths compiled in"

step "desktop entry"
desktop=$share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=glowsmith %f' "$desktop" || fail "the desktop entry does not hand the file to glowsmith"
mkdir -p "$scratch/applications"
cp "$desktop" "$scratch/applications/"
update-desktop-database "$scratch/applications"
grep -qx "application/x-glowsmith-project=$app_id.desktop;" "$scratch/applications/mimeinfo.cache" \
  || fail "the desktop entry does not open application/x-glowsmith-project"
echo "valid; opens application/x-glowsmith-project"

step "file type"
mkdir -p "$scratch/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$share/mime/packages/glowsmith.xml" "$scratch/mime/packages/"
update-mime-database -V "$scratch/mime" >"$scratch/mime.log" 2>&1 || { cat "$scratch/mime.log"; fail "update-mime-database"; }
if grep -i -E 'warning|error|invalid' "$scratch/mime.log"; then fail "update-mime-database complained"; fi
grep -q ':application/x-glowsmith-project:\*\.lwproj$' "$scratch/mime/globs2" || fail "*.lwproj is not our type"
grep -qx 'application/x-glowsmith-project:application-x-glowsmith-project' "$scratch/mime/icons" \
  || fail "the file type has no icon of its own"
grep -qx 'application/x-glowsmith-project application/json' "$scratch/mime/subclasses" \
  || fail "the file type is not a kind of JSON"
echo "*.lwproj -> application/x-glowsmith-project, icon application-x-glowsmith-project"

step "metainfo"
appstreamcli validate --no-net --pedantic "$share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

step "manual pages"
for page in glowsmith lwpack lwservice; do
  warnings=$(LC_ALL=C MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null || true)
  [ -z "$warnings" ] || { echo "$warnings"; fail "$page.1 has formatting warnings"; }
done
# A page that drifted from the program: every option and command the help
# text names must be on the page.
for program in lwpack lwservice; do
  help=$(HOME=$scratch/help-home QT_QPA_PLATFORM=offscreen "$root/usr/bin/$program" --help 2>&1 || true)
  page=$(zcat "$share/man/man1/$program.1.gz" | sed 's/\\-/-/g')
  for word in $(grep -o -E '(^|[[:space:]])(--?[a-z][a-z-]*|export|import|check)' <<<"$help" | tr -d ' ' | sort -u); do
    grep -q -F -- "$word" <<<"$page" || fail "$program.1 does not mention $word from '$program --help'"
  done
done
echo "format cleanly; mention every option of --help"

step "changelog"
changelog_version=$(zcat "$root/usr/share/doc/glowsmith/changelog.gz" | sed -n '1s/^glowsmith (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's latest entry is $changelog_version, the program $version"
echo "latest entry $changelog_version"

step "lintian"
lintian_args=(--tag-display-limit 0 --display-info)
[ "$(id -u)" -eq 0 ] && lintian_args+=(--allow-root)
lintian_status=0
lintian "${lintian_args[@]}" "$deb" >"$scratch/lintian.log" 2>&1 || lintian_status=$?
cat "$scratch/lintian.log"
if grep -q '^E:' "$scratch/lintian.log"; then fail "lintian reports errors"; fi
[ "$lintian_status" -eq 0 ] || fail "lintian failed (status $lintian_status)"
echo "no lintian errors; $(grep -c '^W:' "$scratch/lintian.log" || true) warnings, $(grep -c '^I:' "$scratch/lintian.log" || true) notes"

step "a project for the installed editor"
project_dir="$scratch/projects/Night Cat"
HOME=$scratch/lwpack-home "$root/usr/bin/lwpack" import "$src/assets/LWHome/templates/temp2DSticker1.zip" "$project_dir" \
    >"$scratch/lwpack.log" 2>&1 \
  || { tail -n 20 "$scratch/lwpack.log"; fail "the installed lwpack could not import a template"; }
project="$project_dir/Night Cat.lwproj"
[ -f "$project" ] || fail "lwpack made no $project"
echo "$project"

step "the installed editor opens it"
# As the desktop starts it: the entry's command line, with the installed
# programs first on the path and a home the program has never seen.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
read -r -a command <<<"$exec_line"
for i in "${!command[@]}"; do
  [ "${command[$i]}" = "%f" ] && command[$i]=$project
done
mkdir -p "$scratch/home"
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
env -u QT_QPA_PLATFORM -u QT_QUICK_BACKEND HOME="$scratch/home" PATH="$root/usr/bin:$PATH" \
  LW_EXPECT_TITLE="Night Cat - Glowsmith" LW_EXPECT_CLASS="$(sed -n 's/^StartupWMClass=//p' "$desktop")" \
  LW_SHOT="${LW_INSTALL_SHOT:-$scratch/shot.png}" LW_LOG="$scratch/editor.log" LW_MAPS="$scratch/maps.txt" \
  xvfb-run -a -s "-screen 0 1920x1080x24" "$here/open_in_display.sh" "${command[@]}" \
  || { tail -n 40 "$scratch/editor.log" 2>/dev/null; fail "the installed editor did not open the project"; }
[ -x "$scratch/home/Lumeworks/LWHelper.exe" ] || fail "the editor did not install its helper into the fresh home"
if grep -E 'qrc:/[^ ]*\.qml:[0-9]+' "$scratch/editor.log"; then fail "QML warnings from the installed editor"; fi
echo "window \"Night Cat - Glowsmith\" shown; helper installed; no QML warnings"
# Nothing answers at the default address on a first start, so the editor
# starts the lwservice installed beside it, and ends it with itself.
if grep -q '^local service: listening at' "$scratch/editor.log"; then
  grep -q -F "starting $root/usr/bin/lwservice with its data in $scratch/home/Lumeworks/lwservice" "$scratch/editor.log" \
    || { grep '^local service' "$scratch/editor.log"; fail "the editor did not start the lwservice installed beside it"; }
  [ -f "$scratch/home/Lumeworks/lwservice/lwservice.sqlite" ] || fail "the started service kept no data in the home"
  if pgrep -f "^$root/usr/bin/lwservice " >/dev/null; then fail "the started service outlived the editor"; fi
  echo "the editor started the installed lwservice beside itself and ended it"
elif grep -q '^local service: .* answers already' "$scratch/editor.log"; then
  echo "NOTE: something answers at the default service address already; the editor started no service"
else
  grep '^local service' "$scratch/editor.log"
  fail "the editor neither started the local service nor found one"
fi

step "the installed lwservice answers"
mkdir -p "$scratch/service-home"
HOME=$scratch/service-home "$root/usr/bin/lwservice" --port 0 --data "$scratch/service" \
  >"$scratch/service.out" 2>"$scratch/service.log" &
service_pid=$!
for _ in $(seq 200); do
  grep -q '^listening on 127\.0\.0\.1:[0-9]' "$scratch/service.out" && break
  kill -0 "$service_pid" 2>/dev/null || break
  sleep 0.1
done
grep -q '^listening on 127\.0\.0\.1:[0-9]' "$scratch/service.out" \
  || { cat "$scratch/service.log"; fail "the installed lwservice did not start"; }
"$here/mapped_files.sh" "$service_pid" >"$scratch/service-maps.txt"
kill "$service_pid"
wait "$service_pid" 2>/dev/null || true
# Its database is SQLite through Qt's driver plugin, which no link reveals.
grep -q '/sqldrivers/libqsqlite\.so$' "$scratch/service-maps.txt" || fail "lwservice did not load the SQLite driver"
echo "$(head -n 1 "$scratch/service.out"); SQLite driver loaded"

step "what the installed programs loaded"
if [ -n "$closure" ]; then
  cat "$scratch/service-maps.txt" >>"$scratch/maps.txt"
  python3 "$here/check_loaded.py" "$scratch/maps.txt" "$closure" "$root" \
    || fail "the programs loaded files that installing the package does not bring"
fi

echo
echo "PASS"
