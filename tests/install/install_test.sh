#!/usr/bin/env bash
# Installs the converter into a temporary prefix and uses it from there: every file in its place,
# the desktop entry and the metainfo valid, the command-line converter listing the presets, and
# the window starting under Xvfb with a file given on its command line already in its list.
# Then the Debian package: built, with the dependencies the program needs at run time, and
# clean of lintian's errors and warnings.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.fennick.Reelwright
for file in bin/reelwright bin/reelwright-cli \
    share/reelwright/presets.xml share/reelwright/codecs.xml share/reelwright/Help.html \
    share/reelwright/translations/reelwright_{de,fr,es,pt_BR,zh_CN}.qm \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg \
    share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
    share/man/man1/reelwright.1.gz share/man/man1/reelwright-cli.1.gz \
    share/bash-completion/completions/reelwright-cli \
    lib/systemd/user/reelwright-cli-watch@.service \
    share/doc/reelwright/copyright share/doc/reelwright/changelog.gz; do
  [ -e "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/reelwright" ] || fail "reelwright is not executable"

# The manual pages read without a complaint from man, and lexgrog finds what each is about.
for page in reelwright reelwright-cli; do
  gzip -t "$prefix/share/man/man1/$page.1.gz" || fail "$page.1.gz is not gzip"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null) || fail "man $page: $warnings"
  [ -z "$warnings" ] || fail "man $page warns: $warnings"
  lexgrog "$prefix/share/man/man1/$page.1.gz" | grep -qF ": \"$page - " ||
    fail "lexgrog $page: $(lexgrog "$prefix/share/man/man1/$page.1.gz")"
done

# Installed stripped, the programs carry neither symbols nor the compiler's signature, as
# Debian's own programs do not.
cmake --install "$build" --prefix "$work/stripped" --strip >/dev/null
for program in reelwright reelwright-cli; do
  file -b "$work/stripped/bin/$program" | grep -q ', stripped$' ||
    fail "--strip left $program: $(file -b "$work/stripped/bin/$program")"
  sections=$(readelf -S --wide "$work/stripped/bin/$program")
  ! grep -q ' \.comment ' <<<"$sections" || fail "--strip left the .comment section of $program"
done
rm -rf "$work/stripped"

# DESTDIR puts the same tree under another root.
DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
[ -x "$work/root/usr/bin/reelwright-cli" ] || fail "DESTDIR is not honoured"
[ -e "$work/root/usr/share/reelwright/presets.xml" ] || fail "DESTDIR data is missing"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "metainfo"
grep -q '^Exec=reelwright %F$' "$prefix/share/applications/$id.desktop" || fail "Exec line"

# The installed programs find their data beside themselves, not in the build or the system.
export HOME=$work/home XDG_DATA_DIRS=$work/no-system-data
unset XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME"
(cd "$work" && "$prefix/bin/reelwright-cli" --list-presets) > "$work/presets.txt"
grep -qF "$(printf 'Computer and TV/H.264 / AAC (most players)\tmp4,mkv,mov')" "$work/presets.txt" ||
  fail "reelwright-cli --list-presets: $(head -3 "$work/presets.txt")"
"$prefix/bin/reelwright" --version | grep -q '^reelwright ' || fail "reelwright --version"

# The completion, as bash-completion loads it, asks the installed program for its presets.
completed=$(bash -c 'source "$1"; COMP_WORDS=(reelwright-cli --preset Web/VP9); COMP_CWORD=2
  _reelwright_cli "$2" Web/VP9 --preset; printf "%s\n" "${COMPREPLY[@]}"' \
  bash "$prefix/share/bash-completion/completions/reelwright-cli" "$prefix/bin/reelwright-cli")
[ "$completed" = 'Web/VP9\ /\ Opus\ \(WebM\)' ] || fail "completion of --preset: $completed"

# The watched-folder service names the installed program, and systemd reads it without a
# complaint. With no user manager here, its ExecStart line is run as systemd would run it for
# the instance of a folder with a space in its name: it converts what is dropped there, and
# SIGTERM, as systemctl stop sends it, ends it with 143 after its summary.
unit=$prefix/lib/systemd/user/reelwright-cli-watch@.service
grep -q "^ExecStart=$prefix/bin/reelwright-cli " "$unit" || fail "the unit's ExecStart: $(grep ExecStart "$unit")"
grep -q '^SuccessExitStatus=143$' "$unit" || fail "the unit takes 143 for a failure"
if command -v systemd-analyze >/dev/null; then
  instance="$work/reelwright-cli-watch@$(systemd-escape --path "$work/My Videos").service"
  cp "$unit" "$instance"
  complaints=$(systemd-analyze verify --man=no "$instance" 2>&1) || fail "systemd-analyze: $complaints"
  [ -z "$complaints" ] || fail "systemd-analyze: $complaints"
  rm "$instance"
fi
watched="$work/My Videos"
mkdir -p "$watched"
read -ra words <<<"$(sed -n 's/^ExecStart=//p' "$unit")"
command=()
for word in "${words[@]}"; do
  command+=("${word//%f/$watched}")
done
(cd / && exec "${command[@]}") >"$work/watch.log" 2>&1 &
watcher=$!
ffmpeg -v error -f lavfi -i testsrc=duration=2:size=160x120:rate=25 -c:v mpeg4 "$watched/dropped.mkv"
for _ in $(seq 1200); do
  [ -e "$watched/Converted/dropped.mp4" ] && break
  sleep 0.1
done
[ -e "$watched/Converted/dropped.mp4" ] || { kill $watcher; fail "the service converted nothing: $(cat "$work/watch.log")"; }
kill -TERM $watcher
status=0
wait $watcher || status=$?
[ $status -eq 143 ] || fail "the service ended with $status: $(cat "$work/watch.log")"
grep -q '^1 file: 1 converted, 0 failed$' "$work/watch.log" || fail "the service's summary: $(cat "$work/watch.log")"
env -u DISPLAY "$prefix/bin/reelwright" --help | grep -q '^Usage: reelwright' ||
  fail "reelwright --help needs no display"

clip="$work/a clip.mkv"
ffmpeg -v error -f lavfi -i testsrc=duration=2:size=160x120:rate=25 -c:v mpeg4 "$clip"
log=$work/window.log
xvfb-run -a -s "-screen 0 1280x800x24" \
  env QT_QPA_PLATFORM=xcb "$prefix/bin/reelwright" --verbose "$clip" 2>"$log" &
runner=$!
for _ in $(seq 600); do
  grep -qF "$clip: Waiting Conversion" "$log" && break
  sleep 0.1
done
grep -qF "$clip: Waiting Conversion" "$log" || { kill $runner 2>/dev/null; fail "window: $(cat "$log")"; }
pkill -TERM -f "^$prefix/bin/reelwright --verbose" || fail "the window is gone"
wait $runner || [ $? -eq 143 ] || fail "the window did not end as asked"
[ -e "$HOME/.config/Fennick Reelwright/HKEY_LOCAL_MACHINE.ini" ] || fail "choices were not kept"

# The package.
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/reelwright_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in ffmpeg xdg-utils fonts-wqy-microhei libqt6widgets6 libqt6core6 libmediainfo0v5; do
  [[ $depends == *$needed* ]] || fail "the package does not depend on $needed: $depends"
done
# Each dependency is met here, and together they bring Liberation Sans Narrow for the buttons'
# captions, whichever package holds it on this release.
met=()
IFS=',' read -ra groups <<<"$depends"
for group in "${groups[@]}"; do
  IFS='|' read -ra alternatives <<<"$group"
  found=
  for alternative in "${alternatives[@]}"; do
    read -r name _ <<<"$alternative"
    if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed'; then
      found=$name
      break
    fi
  done
  [ -n "$found" ] || fail "no package of \"${group# }\" is installed"
  met+=("$found")
done
dpkg -L "${met[@]}" >"$work/depends-files.txt"
grep -q '/LiberationSansNarrow-Regular\.ttf$' "$work/depends-files.txt" ||
  fail "the dependencies bring no Liberation Sans Narrow: $depends"
contents=$(dpkg-deb -c "$deb")
grep -q '\./usr/bin/reelwright-cli$' <<<"$contents" || fail "the package lacks reelwright-cli"
grep -q '\./usr/share/reelwright/presets.xml$' <<<"$contents" || fail "the package lacks data"
for file in usr/share/doc/reelwright/copyright usr/share/doc/reelwright/changelog.gz \
    usr/share/reelwright/translations/reelwright_de.qm \
    usr/share/man/man1/reelwright.1.gz usr/share/man/man1/reelwright-cli.1.gz \
    usr/share/bash-completion/completions/reelwright-cli \
    usr/lib/systemd/user/reelwright-cli-watch@.service; do
  grep -q "\./$file\$" <<<"$contents" || fail "the package lacks $file"
done
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/lib/systemd/user/reelwright-cli-watch@.service |
  grep -q '^ExecStart=/usr/bin/reelwright-cli ' || fail "the packaged unit does not run /usr/bin/reelwright-cli"

changelog=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/reelwright/changelog.gz |
  gzip -dc | dpkg-parsechangelog -l - -S Version)
[ "$changelog" = "$(dpkg-deb -f "$deb" Version)" ] ||
  fail "the changelog's version $changelog is not the package's $(dpkg-deb -f "$deb" Version)"

# Debian's own checks, the programs' hardening among them. Pedantic and informational notes are
# shown; an error or a warning fails.
command -v lintian >/dev/null || fail "lintian is not installed (scripts/setup.sh installs it)"
status=0
lintian -I -E --pedantic "$deb" >"$work/lintian.txt" 2>&1 || status=$?
cat "$work/lintian.txt"
! grep -q '^[EW]: ' "$work/lintian.txt" || fail "lintian reports errors or warnings"
[ $status -eq 0 ] || fail "lintian ended with $status"
echo "installed, validated, started and packaged"
