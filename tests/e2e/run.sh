#!/usr/bin/env bash
# End-to-end run of the real program in a virtual X server, driven as a
# person would with xdotool and checked on screenshots:
#   tests/e2e/run.sh path/to/quillo
# Each failed check prints one line; the exit status is non-zero when any
# failed. The screenshots of a failed run are kept and their folder named.
set -euo pipefail

readonly SCREEN_W=800 SCREEN_H=600
readonly WINDOW_W=640 WINDOW_H=480
readonly FRAME=5        # the client area starts this far inside the window
readonly TIMEOUT=10     # seconds any awaited state may take
readonly FUZZ=5%        # colour tolerance of "the same pixel"

# Client rectangles (W H X Y) of what the run looks at.
readonly WARPING_BUTTON="116 116 21 70"
readonly MIRROR_WINDOW="320 307 155 58"
readonly EXIT_BUTTON="271 77 180 398"
readonly HELP_PANEL="138 37 248 438"   # slid in on a mode screen
readonly TITLE_TEXT="180 17 227 13"
readonly CLOSE_BUTTON="19 21 578 12"
readonly MINIMISE_BUTTON="19 21 558 12"
# The Blending screen, slid in.
readonly BLENDING_BUTTON="116 116 498 253"
readonly BLEND_PICTURE="290 290 171 65"
readonly RIGHT_FACE="145 145 476 180"     # the cat, slid in on Blending
readonly CATS_EYE="24 24 503 223"          # around the cat's eye in RIGHT_FACE
readonly ASTRONAUTS_EYE="80 64 247 148"    # around the astronaut's eye in BLEND_PICTURE
readonly ERASED_STRIP="40 12 267 180"      # its middle, rubbed out again
# The Morphing screen, slid in.
readonly MORPHING_BUTTON="116 116 21 251"
readonly MIRRORS_BUTTON="116 116 495 70"
readonly SQUEEZE_ON_SLIDER="2 2 565 328" # the lowest fifth of the right slider, slid in
readonly CENTRE_BOX="290 290 171 65"
readonly LEFT_BOX="145 145 1 180"
readonly RIGHT_BOX="145 145 476 180"
readonly MORPH_SLIDER="300 15 168 380"
readonly LOAD1_BUTTON="147 84 4 75"
readonly LOAD_TAB="66 60 -5 420"
readonly SAVE_TAB="66 60 569 420"
# Buttons of the dialogs over the picture area.
readonly OPEN_FILE_BUTTON="98 66 193 194"       # picture source: from a file
readonly OPEN_MORPH_FILE_BUTTON="98 66 217 122" # morph source: from a file
readonly SAVE_FILE_BUTTON="98 66 180 202"
readonly SAVE_VIDEO_BUTTON="98 66 194 128"

readonly DISPLAY_LOST=75 # exit status: the virtual X server was unusable

# Runs this script again inside a virtual X server of a known size. Picking a
# free display can race with a server that is just going away (another run's);
# a run that lost its server is started again on another display number.
run_in_virtual_server() {
  local quillo status
  quillo=$(realpath "$1")
  export QUILLO_E2E_DISPLAY_READY=1
  for attempt in 1 2 3; do
    status=0
    xvfb-run -a -n $((100 + RANDOM % 900)) \
      -s "-screen 0 ${SCREEN_W}x${SCREEN_H}x24 -nolisten tcp" "$0" "$quillo" || status=$?
    [ "$status" -eq "$DISPLAY_LOST" ] || exit "$status"
    echo "the program could not reach the virtual X server (attempt $attempt)"
  done
  echo "FAIL: no usable virtual X server in 3 attempts"
  exit 1
}

if [ -z "${QUILLO_E2E_DISPLAY_READY:-}" ]; then
  if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 path/to/quillo" >&2
    exit 2
  fi
  run_in_virtual_server "$1"
fi

QUILLO=$1
# QUILLO_E2E_WM=openbox: the same run under a window manager, as users have it.
WM_PID=""
if [ "${QUILLO_E2E_WM:-}" = openbox ]; then
  openbox >/dev/null 2>&1 &
  WM_PID=$!
  sleep 1 # it has taken the screen over by then
fi
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quillo-e2e.XXXXXX")
FAILED=0
PID=""
MAIN=""        # the main window's id
WX=0 WY=0      # its outer corner on the screen
WW=0 WH=0      # and its size
HOME_SHOT=""   # the home screen at rest

fail() {
  echo "FAIL: $*"
  FAILED=1
}

# Ends with a summary; a program still running is stopped.
finish() {
  local status=$?
  if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then kill -KILL "$PID" 2>/dev/null || true; fi
  if [ -n "$WM_PID" ]; then kill "$WM_PID" 2>/dev/null || true; fi
  if [ "$status" -eq "$DISPLAY_LOST" ]; then
    rm -rf "$WORK"
    exit "$DISPLAY_LOST"
  fi
  if [ "$FAILED" -ne 0 ] || [ "$status" -ne 0 ]; then
    echo "Program output:"
    sed 's/^/  /' "$WORK/quillo.log" 2>/dev/null || true
    echo "Screenshots kept in $WORK"
    exit 1
  fi
  rm -rf "$WORK"
  echo "PASS: end-to-end run"
}
trap finish EXIT

now_ms() { echo $(($(date +%s%N) / 1000000)); }
program_ended() { ! kill -0 "$PID" 2>/dev/null; }
display_answers() { xdotool getmouselocation >/dev/null 2>&1; }

# Runs a command every 100 ms until it succeeds or TIMEOUT seconds pass.
# Gives up at once when the program has ended (unless that is awaited).
poll() {
  # POLL_SECONDS: a longer wait for one poll (a whole video in a slow build).
  local deadline=$(($(now_ms) + ${POLL_SECONDS:-$TIMEOUT} * 1000))
  until "$@"; do
    [ "$(now_ms)" -lt "$deadline" ] || return 1
    if [ -n "$PID" ] && [ "$1" != program_ended ] && program_ended; then
      local status=0
      wait "$PID" || status=$?
      PID=""
      if ! display_answers || grep -q "could not connect to display" "$WORK/quillo.log"; then
        exit "$DISPLAY_LOST"
      fi
      fail "the program ended unexpectedly with status $status"
      exit 1
    fi
    sleep 0.1
  done
}

# A screenshot of the whole screen; prints its path.
shot() {
  local file
  file="$WORK/$(date +%H%M%S.%N)-$1.png"
  import -window root "$file"
  echo "$file"
}

# Keeps a copy of a screenshot under a step's name in the folder that
# QUILLO_E2E_SHOTS names, when it names one, for a person to look at.
keep_shot() { # shot name
  if [ -n "${QUILLO_E2E_SHOTS:-}" ]; then
    mkdir -p "$QUILLO_E2E_SHOTS"
    cp "$1" "$QUILLO_E2E_SHOTS/$2.png"
  fi
}

# The screen geometry (ImageMagick's WxH+X+Y) of a client rectangle "W H X Y".
geometry() {
  local w h x y
  read -r w h x y <<<"$1"
  echo "${w}x${h}+$((WX + FRAME + x))+$((WY + FRAME + y))"
}

# Prints the screen point at the centre of a client rectangle, or at client
# (x, y) with two arguments.
point() {
  local w h x y
  if [ $# -eq 2 ]; then
    echo "$((WX + FRAME + $1)) $((WY + FRAME + $2))"
    return
  fi
  read -r w h x y <<<"$1"
  echo "$((WX + FRAME + x + w / 2)) $((WY + FRAME + y + h / 2))"
}

# How many pixels of a client rectangle differ between two screenshots;
# fails when they cannot be compared.
changed() {
  local out rc=0
  out=$(compare -metric AE -fuzz "$FUZZ" "$1[$(geometry "$3")]" "$2[$(geometry "$3")]" null: 2>&1) ||
    rc=$?
  if [ "$rc" -gt 1 ]; then
    echo "compare failed: $out" >&2
    return 1
  fi
  awk '{ printf "%d\n", $1 }' <<<"$out"
}

# The area of a client rectangle in pixels.
area() {
  local w h x y
  read -r w h x y <<<"$1"
  echo $((w * h))
}

# True when at most 1 % of the rectangle differs from the reference shot.
# CHANGED keeps the last count for the messages.
CHANGED=0
looks_like() { # reference rect
  local now
  now=$(shot same)
  CHANGED=$(changed "$1" "$now" "$2") || return 1
  [ "$CHANGED" -le $(($(area "$2") / 100)) ]
}

# True when not one pixel of the rectangle differs from the reference shot.
looks_exactly() { # reference rect
  local now
  now=$(shot same)
  CHANGED=$(changed "$1" "$now" "$2") || return 1
  [ "$CHANGED" -eq 0 ]
}

# Ctrl+Z shows exactly the settled shot of before a change, Ctrl+Shift+Z
# exactly the one of after it.
check_undo_redo() { # before after rect what
  xdotool key ctrl+z
  poll looks_exactly "$1" "$3" ||
    fail "Ctrl+Z after $4 did not bring back what was there before ($CHANGED pixels differ)"
  xdotool key ctrl+shift+z
  poll looks_exactly "$2" "$3" ||
    fail "Ctrl+Shift+Z after $4 did not bring it back again ($CHANGED pixels differ)"
}

# True when at least a given share (percent) of the rectangle differs.
differs_from() { # reference rect percent
  local now
  now=$(shot differs)
  CHANGED=$(changed "$1" "$now" "$2") || return 1
  [ "$CHANGED" -ge $(($(area "$2") * $3 / 100)) ]
}

# True when at least a number of pixels of the rectangle differ from the
# reference shot; for changes too small to be a share of the rectangle.
differs_by() { # reference rect pixels
  local now
  now=$(shot differs)
  CHANGED=$(changed "$1" "$now" "$2") || return 1
  [ "$CHANGED" -ge "$3" ]
}

# True when a client rectangle of a screenshot is no flat fill: the spread
# of its colours (0 to 1) reaches a tenth.
has_detail() { # shot rect
  local spread
  spread=$(convert "$1[$(geometry "$2")]" -format '%[fx:standard_deviation]' info:)
  awk -v s="$spread" 'BEGIN { exit !(s >= 0.1) }'
}

# Waits until two screenshots in a row show the same window; SETTLED names
# the last one.
SETTLED=""
settle() {
  local deadline before whole="$WINDOW_W $WINDOW_H -$FRAME -$FRAME"
  deadline=$(($(now_ms) + TIMEOUT * 1000))
  SETTLED=$(shot settle)
  while :; do
    sleep 0.15
    before=$SETTLED
    SETTLED=$(shot settle)
    CHANGED=$(changed "$before" "$SETTLED" "$whole") || CHANGED=unknown
    rm -f "$before"
    [ "$CHANGED" = 0 ] && return
    if [ "$(now_ms)" -ge "$deadline" ]; then
      fail "the window kept changing for ${TIMEOUT}s ($CHANGED pixels between the last shots)"
      return
    fi
  done
}

# The program's visible windows other than the main one.
other_windows() {
  xdotool search --onlyvisible --class quillo 2>/dev/null | grep -vx "$MAIN" || true
}
help_shown() { [ -n "$(other_windows)" ]; }
help_gone() { [ -z "$(other_windows)" ]; }

# The visible window of that title; its id in FOUND.
FOUND=""
window_named() {
  FOUND=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
  [ -n "$FOUND" ]
}

main_window() {
  MAIN=$(xdotool search --onlyvisible --class quillo 2>/dev/null | head -n 1)
  [ -n "$MAIN" ]
}

# Reads the main window's outer corner into WX, WY (and its size).
read_geometry() {
  # shellcheck disable=SC2034 # all set by xdotool, not all used
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$MAIN")"
  WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
}
at_corner() { # x y
  read_geometry
  [ "$WX" -eq "$1" ] && [ "$WY" -eq "$2" ]
}

# Moves the pointer to "x y" (events reach the program in the order sent;
# --sync would wait for a move that never comes when the pointer is there).
move_to() { # "x y"
  # shellcheck disable=SC2086
  xdotool mousemove $1
}
click() { # "x y"
  move_to "$1"
  xdotool click 1
}

start_program() {
  poll display_answers || exit "$DISPLAY_LOST"
  mkdir -p "$WORK/run" "$WORK/bin"
  chmod 700 "$WORK/run"
  # The desktop's "open" only notes what it was given.
  printf '#!/bin/sh\necho "$@" >>"%s"\n' "$WORK/opened" >"$WORK/bin/xdg-open"
  chmod +x "$WORK/bin/xdg-open"
  # The current folder is an empty one: no shortcut or play.url is opened.
  # The program stamps the clock once it has painted the home art.
  (cd "$WORK/run" && XDG_RUNTIME_DIR="$WORK/run" QUILLO_FIRST_PAINT_STAMP="$WORK/first-paint" \
    PATH="$WORK/bin:$PATH" exec "$QUILLO") >"$WORK/quillo.log" 2>&1 &
  PID=$!
  if ! poll main_window; then
    fail "no visible quillo window appeared within ${TIMEOUT}s"
    exit 1
  fi
  poll test -s "$WORK/first-paint" || fail "the program never painted its home art"
}

check_start() {
  read_geometry
  [ "${WW}x${WH}" = "${WINDOW_W}x${WINDOW_H}" ] ||
    fail "main window is ${WW}x${WH}, not ${WINDOW_W}x${WINDOW_H}"
  local cx=$(((SCREEN_W - WINDOW_W) / 2)) cy=$(((SCREEN_H - WINDOW_H) / 2))
  [ "$WX,$WY" = "$cx,$cy" ] ||
    fail "main window not centred: outer corner at $WX,$WY, not $cx,$cy"
  [ -z "$(other_windows)" ] || fail "another window (an error box?) showed at start"
}

# Hovering lights the Warping button up; a click slides in the Warping
# screen with the face in the mirror window; a drag across it smears it.
check_warping() {
  settle
  HOME_SHOT=$SETTLED
  move_to "$(point "$WARPING_BUTTON")"
  poll differs_from "$HOME_SHOT" "$WARPING_BUTTON" 5 ||
    fail "Warping button did not light up under the pointer ($CHANGED pixels changed)"
  click "$(point "$WARPING_BUTTON")"
  poll differs_from "$HOME_SHOT" "$MIRROR_WINDOW" 30 ||
    fail "mirror window did not show the face after clicking Warping ($CHANGED pixels changed)"
  poll differs_from "$HOME_SHOT" "$WARPING_BUTTON" 30 ||
    fail "Warping button still shows after the slide ($CHANGED pixels changed)"
  local before
  settle
  before=$SETTLED
  has_detail "$before" "$MIRROR_WINDOW" || fail "mirror window shows a flat fill, not the face"
  # Across the eyes, left to right, in steps a person's drag would make.
  local x y
  read -r x y <<<"$(point 270 185)"
  xdotool mousemove "$x" "$y" mousedown 1
  for step in $(seq 1 10); do
    xdotool mousemove $((x + step * 10)) "$y"
    sleep 0.03
  done
  xdotool mouseup 1
  poll differs_from "$before" "$MIRROR_WINDOW" 2 ||
    fail "dragging across the face hardly changed it ($CHANGED pixels)"
  settle
  check_undo_redo "$before" "$SETTLED" "$MIRROR_WINDOW" "a warp stroke"
}

# A mirror chosen on the right slider, taken back and brought again.
check_mirrors() {
  local before
  click "$(point "$MIRRORS_BUTTON")"
  poll differs_from "$HOME_SHOT" "$MIRROR_WINDOW" 30 ||
    fail "mirror window did not show the face after clicking Mirrors ($CHANGED pixels changed)"
  settle
  before=$SETTLED
  click "$(point "$SQUEEZE_ON_SLIDER")"
  poll differs_from "$before" "$MIRROR_WINDOW" 5 ||
    fail "choosing the squeeze mirror hardly changed the face ($CHANGED pixels changed)"
  settle
  check_undo_redo "$before" "$SETTLED" "$MIRROR_WINDOW" "a mirror change"
}

# The Help panel opens the help window over the picture; a press closes it
# and the smeared face is back as it was.
check_help() {
  local before
  settle
  before=$SETTLED
  click "$(point "$HELP_PANEL")"
  poll help_shown || fail "Help panel opened no help window"
  poll differs_from "$before" "$MIRROR_WINDOW" 30 ||
    fail "help text did not cover the picture ($CHANGED pixels changed)"
  click "$(point "$MIRROR_WINDOW")"
  poll help_gone || fail "a click did not close the help window"
  poll looks_like "$before" "$MIRROR_WINDOW" ||
    fail "the face did not come back after help ($CHANGED pixels differ)"
}

# The exit button slides home: the mode buttons and the home picture return.
check_home() {
  click "$(point "$EXIT_BUTTON")"
  poll looks_like "$HOME_SHOT" "$WARPING_BUTTON" ||
    fail "Warping button not back after Exit ($CHANGED pixels differ)"
  poll looks_like "$HOME_SHOT" "$MIRROR_WINDOW" ||
    fail "home picture not back after Exit ($CHANGED pixels differ)"
}

# The title text opens the about text; a press closes it.
check_about() {
  local before
  settle
  before=$SETTLED
  click "$(point "$TITLE_TEXT")"
  poll help_shown || fail "a press on the title opened no about window"
  click "$(point "$MIRROR_WINDOW")"
  poll help_gone || fail "a click did not close the about window"
  poll looks_like "$before" "$MIRROR_WINDOW" ||
    fail "home picture not back after the about text ($CHANGED pixels differ)"
}

# Presses and moves with a mouse button held, through the client points
# "x y" given, a few pixels apart as a hand would make them.
drag_through() { # button point...
  local button=$1 pressed="" p cx cy x y
  shift
  for p in "$@"; do
    read -r cx cy <<<"$p"
    read -r x y <<<"$(point "$cx" "$cy")"
    xdotool mousemove "$x" "$y"
    [ -n "$pressed" ] || xdotool mousedown "$button"
    pressed=1
    sleep 0.02
  done
  xdotool mouseup "$button"
}

# The client points of a scrub round (x, y): six rough circles, of radius 12
# and 6 in turn, eight moves each.
scrub_round() { # x y
  local r dx dy
  for r in 12 6 12 6 12 6; do
    for dx_dy in "2 0" "1 1" "0 2" "-1 1" "-2 0" "-1 -1" "0 -2" "1 -1"; do
      read -r dx dy <<<"$dx_dy"
      echo "$(($1 + dx * r / 2)) $(($2 + dy * r / 2))"
    done
  done
  echo "$1 $2"
}

# The mean difference (0 to 1) of a client rectangle in two screenshots.
mean_difference() { # shot shot rect
  local out
  out=$(compare -metric MAE "$1[$(geometry "$3")]" "$2[$(geometry "$3")]" null: 2>&1) || true
  sed -n 's/.*(\(.*\)).*/\1/p' <<<"$out"
}

codec_dialog_shown() {
  xdotool search --onlyvisible --name "Video Compression" >/dev/null 2>&1
}

video_frame() { # video frame-number png
  ffmpeg -v error -i "$1" -vf "select=eq(n\\,$2)" -frames:v 1 -y "$3"
}

# The pixels of the picture area of a screenshot that differ from a picture.
differs_from_picture() { # shot picture
  local out rc=0
  out=$(compare -metric AE -fuzz "$FUZZ" "$1[$(geometry "$BLEND_PICTURE")]" +repage "$2" null: 2>&1) ||
    rc=$?
  [ "$rc" -le 1 ] || { echo "compare failed: $out" >&2; echo 999999; return; }
  awk '{ printf "%d\n", $1 }' <<<"$out"
}

# Blending: a press on the cat's eye puts the anchor there; a stroke on the
# astronaut's eye clones the cat's over it, the right button rubs part of it
# out; the save dialog writes the blend and its cross-fade video.
check_blending() {
  local blank cloned erased before n
  click "$(point "$BLENDING_BUTTON")"
  poll differs_from "$HOME_SHOT" "$BLEND_PICTURE" 30 ||
    fail "the blend picture did not show after clicking Blending ($CHANGED pixels changed)"
  settle
  blank=$SETTLED
  has_detail "$blank" "$RIGHT_FACE" || fail "the right face shows a flat fill, not the cat"
  click "$(point 515 235)"
  poll differs_from "$blank" "$CATS_EYE" 5 ||
    fail "the anchor mark did not move to the cat's eye ($CHANGED pixels changed)"

  local stroke
  mapfile -t stroke < <(scrub_round 287 180)
  drag_through 1 "${stroke[@]}"
  poll differs_from "$blank" "$ASTRONAUTS_EYE" 25 ||
    fail "the stroke hardly cloned the cat's eye ($CHANGED pixels changed)"
  settle
  cloned=$SETTLED
  check_undo_redo "$blank" "$cloned" "$BLEND_PICTURE" "a blend stroke"
  local rub=() x
  for x in $(seq 272 3 302) $(seq 299 -3 275); do rub+=("$x 186"); done
  drag_through 3 "${rub[@]}" "${rub[@]}" "272 186"
  poll differs_from "$cloned" "$ERASED_STRIP" 20 ||
    fail "the right button did not rub the clone out ($CHANGED pixels changed)"
  settle
  erased=$SETTLED
  local was now
  was=$(mean_difference "$blank" "$cloned" "$ERASED_STRIP")
  now=$(mean_difference "$blank" "$erased" "$ERASED_STRIP")
  awk -v was="$was" -v now="$now" 'BEGIN { exit !(now < was / 2) }' ||
    fail "the rubbed-out strip did not come back near the astronaut ($was before, $now after)"

  click "$(point "$SAVE_TAB")"
  poll help_shown || fail "the Save tab opened no save dialog"
  click "$(point "$SAVE_FILE_BUTTON")"
  choose_file "Save To File..." "$WORK/blend.bmp"
  poll test -s "$WORK/blend.bmp" || fail "no blend.bmp was written"
  poll help_gone || fail "the save dialog stayed open after saving"
  n=$(differs_from_picture "$erased" "$WORK/blend.bmp")
  [ "$n" -le $(($(area "$BLEND_PICTURE") / 100)) ] ||
    fail "blend.bmp is not the blend picture shown ($n pixels differ)"

  click "$(point "$SAVE_TAB")"
  poll help_shown || fail "the Save tab opened no save dialog the second time"
  click "$(point "$SAVE_VIDEO_BUTTON")"
  choose_file "Save To File..." "$WORK/blend.avi"
  poll codec_dialog_shown ||
    fail "no codec dialog came up for the video"
  xdotool key Return  # Motion JPEG, chosen at first
  poll help_gone || fail "the save dialog stayed open after the video"
  local probe
  probe=$(ffprobe -v error -count_frames -show_entries stream=width,height,nb_read_frames \
    -of csv=p=0 "$WORK/blend.avi" 2>&1) || true
  [ "$probe" = "290,290,52" ] || fail "blend.avi is not 52 frames of 290 x 290: $probe"
  # From the astronaut to the blend at frame 25, and back.
  video_frame "$WORK/blend.avi" 0 "$WORK/frame0.png"
  video_frame "$WORK/blend.avi" 25 "$WORK/frame25.png"
  n=$(differs_from_picture "$blank" "$WORK/frame0.png")
  [ "$n" -le $(($(area "$BLEND_PICTURE") / 50)) ] ||
    fail "the video does not start with the astronaut ($n pixels differ)"
  n=$(differs_from_picture "$erased" "$WORK/frame25.png")
  [ "$n" -le $(($(area "$BLEND_PICTURE") / 50)) ] ||
    fail "the video's middle frame is not the blend ($n pixels differ)"

  click "$(point "$EXIT_BUTTON")"
  poll looks_like "$HOME_SHOT" "$WARPING_BUTTON" ||
    fail "Warping button not back after leaving Blending ($CHANGED pixels differ)"
}

# A drag on the title strip, beside the title, moves the window with it.
check_title_drag() { drag_title 10 8; }
# And back again: a window manager keeps a window from crossing the screen's
# edge, so the second drag under one goes towards the middle.
check_title_drag_back() { drag_title -10 -8; }

drag_title() { # step-x step-y: four steps
  read_geometry
  local x y sx=$WX sy=$WY
  read -r x y <<<"$(point 100 20)"
  xdotool mousemove "$x" "$y"
  sleep 0.05
  xdotool mousedown 1
  for step in 1 2 3 4; do
    sleep 0.03
    xdotool mousemove $((x + step * $1)) $((y + step * $2))
  done
  sleep 0.05 # a person's release follows the last move by a moment
  xdotool mouseup 1
  poll at_corner $((sx + 4 * $1)) $((sy + 4 * $2)) ||
    fail "title strip drag by $((4 * $1)),$((4 * $2)) moved the window from $sx,$sy to $WX,$WY"
}

# The minimise button hides the window; activating it brings it back where it was.
check_minimise() {
  read_geometry
  local sx=$WX sy=$WY
  click "$(point "$MINIMISE_BUTTON")"
  poll window_hidden || fail "the minimise button did not hide the window"
  xdotool windowactivate "$MAIN" 2>/dev/null || xdotool windowmap "$MAIN"
  poll main_window || fail "the minimised window did not come back"
  poll at_corner "$sx" "$sy" || fail "the restored window moved from $sx,$sy to $WX,$WY"
}
window_hidden() { [ -z "$(xdotool search --onlyvisible --class quillo 2>/dev/null)" ]; }

# Drags with the left button from client (x1, y1) to (x2, y2) in ten steps.
drag() { # x1 y1 x2 y2
  local ax ay bx by
  read -r ax ay <<<"$(point "$1" "$2")"
  read -r bx by <<<"$(point "$3" "$4")"
  xdotool mousemove "$ax" "$ay"
  sleep 0.1
  xdotool mousedown 1
  for step in $(seq 1 10); do
    xdotool mousemove $((ax + (bx - ax) * step / 10)) $((ay + (by - ay) * step / 10))
    sleep 0.03
  done
  xdotool mouseup 1
}

# Client (x, y) of a point of a small morph box.
left_box() { echo "$((1 + $1)) $((180 + $2))"; }
right_box() { echo "$((476 + $1)) $((180 + $2))"; }

# The morph slider's thumb from position 0 to the middle.
slider_to_middle() {
  drag 182 387 318 387
}

window_gone() { ! window_named "$1"; }

# Types a file name into the file dialog of that title and accepts it.
choose_file() { # title name
  if ! poll window_named "$1"; then
    fail "no \"$1\" dialog appeared"
    return 1
  fi
  xdotool windowfocus --sync "$FOUND" 2>/dev/null || true
  sleep 0.3
  xdotool type --delay 20 "$2"
  xdotool key Return
  poll window_gone "$1" || fail "the \"$1\" dialog did not close"
}

# Clicks a button of one of the dialogs over the picture area once it is up.
click_dialog_button() { # rect
  poll help_shown || fail "no dialog appeared over the picture area"
  sleep 0.3
  click "$(point "$1")"
}

# Morphing: the start-up morph shows; a line drawn in the left picture shows
# in both, its end dragged in the right picture moves there only, and the
# centre waits for the slider, whose move shows an in-between face.
check_morphing() {
  local before
  click "$(point "$MORPHING_BUTTON")"
  poll differs_from "$HOME_SHOT" "$CENTRE_BOX" 30 ||
    fail "the centre box did not show the start-up morph ($CHANGED pixels changed)"
  settle
  keep_shot "$SETTLED" morph-1-entered
  for box in "$LEFT_BOX" "$RIGHT_BOX" "$CENTRE_BOX"; do
    has_detail "$SETTLED" "$box" || fail "a morph box ($box) shows a flat fill"
  done
  before=$SETTLED
  # shellcheck disable=SC2046 # the points are two words each
  drag $(left_box 8 8) $(left_box 60 20)
  poll differs_by "$before" "$LEFT_BOX" 40 || fail "no line appeared on the left ($CHANGED pixels)"
  poll differs_by "$before" "$RIGHT_BOX" 40 || fail "no line appeared on the right ($CHANGED pixels)"
  # Off the line's end, so that it is drawn black, not lit up as the hot one.
  # shellcheck disable=SC2046
  move_to "$(point $(left_box 100 120))"
  settle
  keep_shot "$SETTLED" morph-2-line-drawn
  check_undo_redo "$before" "$SETTLED" "$LEFT_BOX" "a new morph line"
  looks_like "$before" "$CENTRE_BOX" || fail "drawing a line changed the centre ($CHANGED pixels)"
  before=$SETTLED
  # shellcheck disable=SC2046
  drag $(right_box 60 20) $(right_box 95 60)
  poll differs_by "$before" "$RIGHT_BOX" 40 ||
    fail "the line's end did not move on the right ($CHANGED pixels)"
  settle
  keep_shot "$SETTLED" morph-3-end-dragged
  looks_like "$before" "$LEFT_BOX" || fail "dragging on the right changed the left ($CHANGED pixels)"
  before=$SETTLED
  slider_to_middle
  poll differs_from "$before" "$CENTRE_BOX" 20 ||
    fail "the slider did not show an in-between face ($CHANGED pixels changed)"
  settle
  keep_shot "$SETTLED" morph-4-slider-moved
  check_automatic_lines
}

# Ctrl+L puts lines on both start-up faces in place of the one there, and
# Ctrl+Z takes them back; only where the face module and OpenCV's cascades
# are there.
check_automatic_lines() {
  local before
  if [ ! -e "$(dirname "$QUILLO")/libquillo_faces.so" ] ||
    [ ! -e /usr/share/opencv4/lbpcascades/lbpcascade_frontalcatface.xml ]; then
    echo "no face detection here: Ctrl+L is not checked"
    return
  fi
  # The pointer over no line's end, so that none is lit up: an undo shows
  # every line unlit.
  # shellcheck disable=SC2046
  move_to "$(point $(left_box 100 120))"
  settle
  before=$SETTLED
  xdotool key ctrl+l
  poll differs_by "$before" "$LEFT_BOX" 100 || fail "Ctrl+L put no lines on the left ($CHANGED pixels)"
  poll differs_by "$before" "$RIGHT_BOX" 100 ||
    fail "Ctrl+L put no lines on the right ($CHANGED pixels)"
  settle
  keep_shot "$SETTLED" morph-4a-automatic-lines
  looks_like "$before" "$CENTRE_BOX" || fail "Ctrl+L changed the centre ($CHANGED pixels)"
  check_undo_redo "$before" "$SETTLED" "$LEFT_BOX" "the automatic lines"
  check_undo_redo "$before" "$SETTLED" "$RIGHT_BOX" "the automatic lines"
}

# Load picture 1 through the picture dialog's file chooser: the new face is
# on the left, every line is gone and the centre shows the new morph.
check_morph_face() {
  local before
  convert -size 160x120 gradient:orange-navy "$WORK/run/face.png"
  settle
  before=$SETTLED
  click "$(point "$LOAD1_BUTTON")"
  click_dialog_button "$OPEN_FILE_BUTTON"
  choose_file Open face.png
  poll help_gone || fail "the picture dialog did not close"
  poll differs_from "$before" "$LEFT_BOX" 50 ||
    fail "the left box did not show the new face ($CHANGED pixels changed)"
  poll differs_from "$before" "$CENTRE_BOX" 10 ||
    fail "the centre did not show the new morph ($CHANGED pixels changed)"
  differs_by "$before" "$RIGHT_BOX" 40 || fail "the lines stayed on the right ($CHANGED pixels)"
  settle
  keep_shot "$SETTLED" morph-5-face-loaded
}

# Save the morph with a line through the save dialog, delete the line, and
# load the file again: the line is back and the slider at 0.
check_morph_files() {
  local before size
  # shellcheck disable=SC2046
  drag $(left_box 8 8) $(left_box 60 20)
  settle
  click "$(point "$SAVE_TAB")"
  click_dialog_button "$SAVE_FILE_BUTTON"
  choose_file "Save To File..." saved.mph
  poll help_gone || fail "the save dialog did not close"
  size=$(stat -c %s "$WORK/run/saved.mph" 2>/dev/null || echo none)
  [ "$size" = $((168312 + 96)) ] || fail "the saved morph has $size bytes, not those of one line"
  # A right click on the line deletes it.
  # shellcheck disable=SC2046
  move_to "$(point $(left_box 60 20))"
  sleep 0.2
  xdotool click 3
  settle
  before=$SETTLED
  keep_shot "$SETTLED" morph-6-saved-and-line-deleted
  click "$(point "$LOAD_TAB")"
  click_dialog_button "$OPEN_MORPH_FILE_BUTTON"
  choose_file Open saved.mph
  poll help_gone || fail "the morph dialog did not close"
  poll differs_by "$before" "$LEFT_BOX" 40 ||
    fail "the saved line did not come back ($CHANGED pixels changed)"
  poll differs_by "$before" "$MORPH_SLIDER" 100 ||
    fail "the slider did not go back to 0 ($CHANGED pixels changed)"
  settle
  keep_shot "$SETTLED" morph-7-reloaded
}

# The video of the morph through the save dialog and the codec dialog: 52
# frames of 290 x 290, handed to the desktop's player; the slider and the
# centre are as before.
check_morph_video() {
  local before probe
  slider_to_middle
  settle
  before=$SETTLED
  click "$(point "$SAVE_TAB")"
  click_dialog_button "$SAVE_VIDEO_BUTTON"
  choose_file "Save To File..." morph.avi
  if poll window_named "Video Compression"; then
    xdotool windowfocus --sync "$FOUND" 2>/dev/null || true
    sleep 0.3
    xdotool key Return
  else
    fail "no codec dialog appeared"
  fi
  poll grep -q morph.avi "$WORK/opened" 2>/dev/null || fail "the video was not handed to the player"
  probe=$(ffprobe -v error -count_frames -select_streams v:0 \
    -show_entries stream=width,height,nb_read_frames -of csv=p=0 "$WORK/run/morph.avi" 2>&1)
  [ "$probe" = "290,290,52" ] || fail "the video is \"$probe\", not 52 frames of 290 x 290"
  poll help_gone || fail "the save dialog did not close after the video"
  poll looks_like "$before" "$CENTRE_BOX" ||
    fail "the centre is not back at its frame after the video ($CHANGED pixels differ)"
  looks_like "$before" "$MORPH_SLIDER" || fail "the slider is not back ($CHANGED pixels differ)"
  settle
  keep_shot "$SETTLED" morph-8-video-made
}

# The same video as an MP4, chosen by its name: the codec dialog offers the
# encoders an MP4 holds, H.264 first; and as a GIF, which needs no codec.
check_morph_shared_video() {
  local probe asked
  click "$(point "$SAVE_TAB")"
  click_dialog_button "$SAVE_VIDEO_BUTTON"
  if poll window_named "Save To File..."; then
    sleep 0.3
    keep_shot "$(shot chooser)" morph-9-video-chooser
  fi
  choose_file "Save To File..." morph.mp4
  asked=$(now_ms)
  if poll window_named "Video Compression"; then
    echo "the codec dialog came up $(($(now_ms) - asked)) ms after the name"
    xdotool windowfocus --sync "$FOUND" 2>/dev/null || true
    sleep 0.3
    keep_shot "$(shot codecs)" morph-10-mp4-codecs
    xdotool key Return
  else
    fail "no codec dialog appeared for the MP4"
  fi
  POLL_SECONDS=60 poll grep -q morph.mp4 "$WORK/opened" 2>/dev/null ||
    fail "the MP4 was not handed to the player"
  probe=$(ffprobe -v error -count_frames -select_streams v:0 \
    -show_entries stream=codec_name,pix_fmt,nb_read_frames -of csv=p=0 "$WORK/run/morph.mp4" 2>&1)
  [ "$probe" = "h264,yuv420p,52" ] || fail "the MP4 is \"$probe\", not 52 H.264 frames"
  poll help_gone || fail "the save dialog did not close after the MP4"

  click "$(point "$SAVE_TAB")"
  click_dialog_button "$SAVE_VIDEO_BUTTON"
  choose_file "Save To File..." morph.gif
  POLL_SECONDS=60 poll grep -q morph.gif "$WORK/opened" 2>/dev/null ||
    fail "the GIF was not handed to the player"
  window_named "Video Compression" && fail "a codec dialog came up for a GIF"
  probe=$(ffprobe -v error -count_frames -show_entries stream=codec_name,nb_read_frames \
    -of csv=p=0 "$WORK/run/morph.gif" 2>&1)
  [ "$probe" = "gif,52" ] || fail "the GIF is \"$probe\", not 52 frames"
  poll help_gone || fail "the save dialog did not close after the GIF"
}

# The close button ends the program with status 0.
check_close() {
  read_geometry
  click "$(point "$CLOSE_BUTTON")"
  if ! poll program_ended; then
    fail "the close button did not end the program"
    return
  fi
  local status=0
  wait "$PID" || status=$?
  PID=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status after the close button"
}

# Runs one step and says how long it took.
step() {
  local begun
  begun=$(now_ms)
  "$1"
  echo "$1: $(($(now_ms) - begun)) ms"
}

steps=(start_program check_start check_warping check_help check_home check_mirrors check_home
  check_morphing check_morph_face check_morph_files check_morph_video check_morph_shared_video
  check_home check_about check_blending check_title_drag check_close)
if [ -n "$WM_PID" ]; then
  # The first press after start a title drag (the window manager's idea of
  # the window's place lags then) and a later one, minimising, and every
  # screen and dialog as users have them.
  steps=(start_program check_start check_title_drag check_title_drag_back check_warping check_help
    check_home check_minimise check_morphing check_morph_face check_morph_files check_morph_video
    check_morph_shared_video check_home check_about check_blending check_close)
fi
for name in "${steps[@]}"; do
  step "$name"
done
