#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR as the package does (prefix /usr)
# and checks what a desktop user meets: the installed program, started from
# another folder, finds its data and its codec module; the menu entry, the
# metainfo and the manual page pass their validators; the icons have their
# sizes; the manual names what --help names; the completion offers the
# sub-commands and the pictures.
#   tests/install/check.sh BUILD_DIR
# Each failed check prints one line; the exit status is non-zero when any failed.
set -uo pipefail

build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }
usr=$root/usr
app_id=$(sed -n 's/^Icon=//p' "$usr"/share/applications/*.desktop)
quillo=$usr/bin/quillo

# The files in their places.
for file in bin/quillo lib/quillo/libquillo_codecs.so lib/quillo/libquillo_sound.so \
  lib/quillo/libquillo_synth.so lib/quillo/quillo-synth share/quillo/Resource/main.bmp share/quillo/Clipart \
  share/applications/"$app_id".desktop \
  share/metainfo/"$app_id".metainfo.xml share/man/man1/quillo.1.gz \
  share/bash-completion/completions/quillo; do
  [ -e "$usr/$file" ] || fail "not installed: $file"
done
for size in 16 24 32 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
  file -b "$icon" 2>/dev/null | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" ||
    fail "icon $icon is not a ${size} x ${size} RGBA PNG file"
done

# The validators.
desktop-file-validate "$usr/share/applications/$app_id.desktop" >"$work/out" 2>&1 ||
  fail "desktop-file-validate: $(cat "$work/out")"
appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml" \
  >"$work/out" 2>&1 || fail "appstreamcli validate: $(cat "$work/out")"
zcat "$usr/share/man/man1/quillo.1.gz" >"$work/quillo.1"
LC_ALL=C.UTF-8 groff -ww -man -Tutf8 -z "$work/quillo.1" 2>"$work/out"
[ -s "$work/out" ] && fail "groff: $(cat "$work/out")"

# The manual and --help name the same sub-commands and options.
"$quillo" --help >"$work/help" || fail "quillo --help failed"
sed 's/\\-/-/g' "$work/quillo.1" >"$work/manual"
words() { grep -oE -- '--[a-z]+|quillo [a-z]+([ |"]|$)' "$1" | sed 's/^quillo //; s/[ |"]$//' |
  sort -u; }
diff <(words "$work/help") <(words "$work/manual") >"$work/out" ||
  fail "--help (<) and the manual (>) differ: $(tr '\n' ' ' <"$work/out")"

# The completion.
mkdir "$work/pictures"
touch "$work/pictures/"{face.JPG,face.png,notes.txt,old.mph}
completions() {
  (cd "$work/pictures" && bash -c '
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _quillo
    printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' _ \
    "$usr/share/bash-completion/completions/quillo" "$@")
}
[ "$(completions quillo m)" = "mirror morph " ] || fail "completion of quillo m: $(completions quillo m)"
[ "$(completions quillo mirror --kind '')" = "horizontal radial squeeze vertical " ] ||
  fail "completion of the mirror kinds: $(completions quillo mirror --kind '')"
[ "$(completions quillo warp --stroke 1,2 '')" = "face.JPG face.png " ] ||
  fail "completion of warp's picture: $(completions quillo warp --stroke 1,2 '')"
[ "$(completions quillo morph '')" = "old.mph " ] ||
  fail "completion of morph's input: $(completions quillo morph '')"

# The installed program, started from an unrelated folder without the build's
# help, renders on the command line through the installed codec module.
mkdir "$work/elsewhere"
cp "$(dirname "$0")/../../assets/chelsea.png" "$work/elsewhere/cat.png"
cd "$work/elsewhere"
clean=(env -u QUILLO_CODEC_MODULE -u LD_LIBRARY_PATH)
"${clean[@]}" "$quillo" --version | grep -q '^Quillo [0-9]' || fail "quillo --version"
"${clean[@]}" "$quillo" mirror --kind radial cat.png cat.bmp 2>"$work/out" ||
  fail "quillo mirror: $(cat "$work/out")"
[ -s cat.bmp ] || fail "quillo mirror wrote no picture"

# The desktop program finds its data folder: the first frame is painted with
# the window's art (the stamp is written only then), and nothing is reported.
mkdir -m 700 "$work/runtime"
"${clean[@]}" QT_QPA_PLATFORM=offscreen QUILLO_NULL_SERVICES=1 SDL_AUDIODRIVER=dummy \
  XDG_RUNTIME_DIR="$work/runtime" QUILLO_FIRST_PAINT_STAMP="$work/painted" "$quillo" 2>"$work/desktop.err" &
pid=$!
for _ in $(seq 100); do
  [ -s "$work/painted" ] && break
  sleep 0.2
done
sleep 1  # errors of the show handler come just after the first paint
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ -s "$work/painted" ] || fail "the installed program painted no window art"
# Without message boxes, the program's reports go to standard error.
grep -q '^quillo:' "$work/desktop.err" &&
  fail "the installed program reported: $(grep -m3 '^quillo:' "$work/desktop.err")"

[ "$failures" -eq 0 ] && echo "installed program checked"
exit $((failures > 0))
