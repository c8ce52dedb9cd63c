#!/usr/bin/env bash
# Measures the game under a virtual X display, each figure against a
# yardstick measured in the same run, runs alternating, at device pixel
# ratios 1 and 2:
#   - processor time of the game and of the X server per second of paced
#     play (sixteen pieces, each launched 0.2 s after the last), against the
#     game built from a base commit (default ac8289d: every tick repaints the
#     whole well);
#   - time from start to the first mapped window, the processor time used
#     up to then, and resident memory one second later, against a bare Qt 6
#     Widgets window of the same size (bench/BareWindow.cpp) and against that
#     window with a menu bar and one label (bench/TextWindow.cpp), what any
#     window with text costs the toolkit;
#   - the same with the keys alone: as many presses of a key the game
#     ignores, at the same pace, which is what the driving costs by itself;
#   - the game's processor time while it waits for a key.
# Every start of the game gets a fresh, empty settings folder. Prints
# medians, ranges (lowest-highest) and ratios of medians.
#   tools/measure.sh [RUNS] [BASE_COMMIT] [SCALES] [WHAT]
# SCALES defaults to "1 2"; WHAT is "all" (the default) or "startup", which
# leaves out the play. Every single reading goes to the log named at the
# end, so that an odd one can be looked at.
# The game is built in $BUILD (default build), the base commit's in
# build-measure/.
# Needs Xvfb and xdotool (Debian packages xvfb and xdotool).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-7}
base_commit=${2:-ac8289d}
scales=${3:-1 2}
what=${4:-all}
case $what in
  all | startup) ;;
  *) echo "measure: WHAT is all or startup, not $what" >&2; exit 2 ;;
esac
settle_ms=1000
idle_seconds=2
play_pieces=16
key_delay_ms=15
flight_seconds=0.2

for tool in Xvfb:xvfb xdotool:xdotool; do
  command -v "${tool%%:*}" >/dev/null || { echo "measure: needs ${tool%%:*} (apt-get install ${tool##*:})" >&2; exit 1; }
done

current=${BUILD:-build}
base=build-measure/base
echo "Building the game, the bare and text windows and map_timer in $current ..."
cmake -S . -B "$current" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$current" -j 2 --target quorvel bare_window text_window map_timer >/dev/null
if [ "$(cat "$base/commit" 2>/dev/null)" != "$(git rev-parse "$base_commit")" ]; then
  echo "Building the game of $base_commit in $base ..."
  rm -rf "$base-src" "$base"
  mkdir -p "$base-src"
  git archive "$base_commit" | tar -x -C "$base-src"
  cmake -S "$base-src" -B "$base" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$base" -j 2 --target quorvel >/dev/null
  git rev-parse "$base_commit" >"$base/commit"
fi

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Processor time of all a process's threads so far, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%d\n", sum }'; }
now_ns() { date +%s%N; }

# A display number well above those that desktops and other scripts take,
# free of lock and socket; the first that starts and takes clients is used.
start_display() {
  local scale=$1 n attempt
  for attempt in $(seq 20); do
    n=$((300 + RANDOM % 600))
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    display=:$n
    Xvfb "$display" -screen 0 "$((1280 * scale))x$((900 * scale))x24" -nolisten tcp 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do
      DISPLAY=$display xdotool getmouselocation >/dev/null 2>&1 && return
      kill -0 "$xvfb" 2>/dev/null || break
      sleep 0.1
    done
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null || true
  done
  echo "measure: Xvfb did not start" >&2
  exit 1
}

stop_display() {
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  xvfb=
}

# Runs a measurement, setting result to what it prints. Other programs on
# the machine may take the display down; the measurement is then made again
# on a new one.
measured() {
  local attempt
  for attempt in 1 2 3; do
    result=$("$@") && [ -n "$result" ] && return
    echo "measure: the display went away; starting another" >&2
    stop_display
    start_display "$scale"
  done
  exit 1
}

# Runs a program in place of the calling shell, with the display, the scale
# and a fresh settings folder.
run_fresh() {
  local scale=$1 folder
  shift
  folder=$(mktemp -d -p "$work")
  exec env DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" XDG_CONFIG_HOME="$folder" \
    XDG_RUNTIME_DIR="$folder" "$@"
}

# Prints "map_ms rss_kb map_cpu_ms".
startup_run() {
  run_fresh "$1" "$current/bench/map_timer" "$settle_ms" "$2" |
    sed -E 's/map_ms=([0-9.]+) rss_kb=([0-9]+) .*map_cpu_ms=([0-9.]+).*/\1 \2 \3/'
}

# The same keys for every run. Each piece is steered to a column of a fixed
# round, so that the well fills evenly and the game outlasts the
# measurement, turned now and then, launched, and given the time of a flight
# through the empty well before the next piece's keys; keys that come while
# a piece is still rising do nothing.
play=()
keys_only=()
shifts=(-3 0 3 4 -2 1 4 -3 0 3 -1 2)
for piece in $(seq 0 $((play_pieces - 1))); do
  shift=${shifts[piece % ${#shifts[@]}]}
  steer=()
  for _ in $(seq ${shift#-}); do steer+=("$([ "$shift" -lt 0 ] && echo Left || echo Right)"); done
  [ $((piece % 3)) -eq 1 ] && steer+=(Down)
  play+=(key --delay "$key_delay_ms" "${steer[@]}" space sleep "$flight_seconds")
  # As many presses of a key the game ignores, at the same pace: what the
  # driving itself costs the game and the X server.
  idle_keys=("${steer[@]/*/Shift_L}")
  keys_only+=(key --delay "$key_delay_ms" "${idle_keys[@]}" Shift_L sleep "$flight_seconds")
done

# Prints "game_ms_per_s xserver_ms_per_s idle_game_ms_per_s" for the keys
# named by the third argument.
play_run() {
  local scale=$1 program=$2 pid window= g0 g1 x0 x1 t0 t1 i0 i1
  local -n drive=$3
  run_fresh "$scale" "$program" &
  pid=$!
  for _ in $(seq 100); do
    window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Quorvel$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    kill "$pid" 2>/dev/null
    return 1
  fi
  sleep 1
  i0=$(cpu_ns "$pid"); t0=$(now_ns)
  sleep "$idle_seconds"
  i1=$(cpu_ns "$pid"); t1=$(now_ns)
  local idle=$(( (i1 - i0) * 1000 / (t1 - t0) ))
  DISPLAY=$display xdotool windowfocus "$window"
  sleep 0.2
  g0=$(cpu_ns "$pid"); x0=$(cpu_ns "$xvfb"); t0=$(now_ns)
  DISPLAY=$display xdotool "${drive[@]}"
  g1=$(cpu_ns "$pid"); x1=$(cpu_ns "$xvfb"); t1=$(now_ns)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v g=$((g1 - g0)) -v x=$((x1 - x0)) -v t=$((t1 - t0)) -v i="$idle" \
    'BEGIN { printf "%.1f %.1f %.3f\n", g / t * 1000, x / t * 1000, i / 1e6 }'
}

# Median, lowest and highest of the numbers on standard input.
summary() { sort -g | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%s %s %s\n", m, v[1], v[NR] }'; }
median() { summary | cut -d' ' -f1; }
show() { printf '  %-44s %9.1f  (%s-%s)\n' "$1" $(summary <"$2"); }
# The ratio of two medians after taking the median of a third from both.
less_keys() {
  awk -v a="$(median <"$2")" -v b="$(median <"$3")" -v k="$(median <"$4")" -v label="$1" \
    'BEGIN { printf "  %-44s %9.2f\n", label, (a - k) / (b - k) }'
}
ratio() { awk -v a="$(median <"$2")" -v b="$(median <"$3")" -v label="$1" 'BEGIN { printf "  %-44s %9.2f\n", label, a / b }'; }

echo "$(nproc) processors, load average $(cut -d' ' -f1-3 /proc/loadavg); $runs runs each, alternating"
log=$(mktemp --suffix=.log measure-XXXX -p "${TMPDIR:-/tmp}")
for scale in $scales; do
  start_display "$scale"
  out=$work/scale$scale
  mkdir -p "$out"
  for run in $(seq "$runs"); do
    order=("$current/quorvel" "$current/bench/bare_window" "$current/bench/text_window" "$base/quorvel")
    [ $((run % 2)) -eq 0 ] &&
      order=("$base/quorvel" "$current/bench/text_window" "$current/bench/bare_window" "$current/quorvel")
    for program in "${order[@]}"; do
      case $program in
        "$current/quorvel") name=game ;;
        "$base/quorvel") name=base ;;
        */text_window) name=text ;;
        *) name=bare ;;
      esac
      measured startup_run "$scale" "$program"
      read -r map rss cpu <<<"$result"
      echo "scale $scale run $run $name start-up: map_ms $map rss_kb $rss map_cpu_ms $cpu" >>"$log"
      echo "$map" >>"$out/$name.map"
      echo "$cpu" >>"$out/$name.mapcpu"
      awk -v kb="$rss" 'BEGIN { printf "%.1f\n", kb / 1024 }' >>"$out/$name.rss"
    done
    [ "$what" = startup ] && continue
    order=(game base keys)
    [ $((run % 2)) -eq 0 ] && order=(keys base game)
    for name in "${order[@]}"; do
      program=$current/quorvel
      [ "$name" = base ] && program=$base/quorvel
      keys=play
      [ "$name" = keys ] && keys=keys_only
      measured play_run "$scale" "$program" "$keys"
      read -r game xserver idle <<<"$result"
      echo "scale $scale run $run $name play: game_ms_per_s $game xserver_ms_per_s $xserver idle_ms_per_s $idle" >>"$log"
      echo "$game" >>"$out/$name.cpu"
      echo "$xserver" >>"$out/$name.x"
      echo "$idle" >>"$out/$name.idle"
    done
  done
  stop_display
  echo
  echo "Scale $scale (QT_SCALE_FACTOR=$scale), Xvfb $((1280 * scale))x$((900 * scale)):  median  (range)"
  if [ "$what" = all ]; then
    show "game CPU, ms per s of play" "$out/game.cpu"
    show "game CPU at $base_commit, ms per s of play" "$out/base.cpu"
    ratio "ratio, game / $base_commit" "$out/game.cpu" "$out/base.cpu"
    show "X server CPU, ms per s of play" "$out/game.x"
    show "X server CPU at $base_commit, ms per s" "$out/base.x"
    ratio "ratio, game / $base_commit" "$out/game.x" "$out/base.x"
    show "game CPU, the keys alone, ms per s" "$out/keys.cpu"
    show "X server CPU, the keys alone, ms per s" "$out/keys.x"
    less_keys "game CPU less the keys', game / $base_commit" "$out/game.cpu" "$out/base.cpu" "$out/keys.cpu"
    less_keys "X server CPU less the keys', game / $base_commit" "$out/game.x" "$out/base.x" "$out/keys.x"
    show "game CPU while waiting, ms per s" "$out/game.idle"
  fi
  show "start to mapped window, game, ms" "$out/game.map"
  show "start to mapped window, bare window, ms" "$out/bare.map"
  show "start to mapped window, text window, ms" "$out/text.map"
  show "start to mapped window, $base_commit, ms" "$out/base.map"
  ratio "ratio, game / bare window" "$out/game.map" "$out/bare.map"
  ratio "ratio, text window / bare window" "$out/text.map" "$out/bare.map"
  ratio "ratio, $base_commit / bare window" "$out/base.map" "$out/bare.map"
  show "CPU up to the map, game, ms" "$out/game.mapcpu"
  show "CPU up to the map, bare window, ms" "$out/bare.mapcpu"
  show "CPU up to the map, text window, ms" "$out/text.mapcpu"
  show "CPU up to the map, $base_commit, ms" "$out/base.mapcpu"
  ratio "ratio, game / bare window" "$out/game.mapcpu" "$out/bare.mapcpu"
  ratio "ratio, text window / bare window" "$out/text.mapcpu" "$out/bare.mapcpu"
  show "resident memory, game, MiB" "$out/game.rss"
  show "resident memory, bare window, MiB" "$out/bare.rss"
  show "resident memory, text window, MiB" "$out/text.rss"
  show "resident memory, $base_commit, MiB" "$out/base.rss"
  ratio "ratio, game / bare window" "$out/game.rss" "$out/bare.rss"
  ratio "ratio, text window / bare window" "$out/text.rss" "$out/bare.rss"
  ratio "ratio, $base_commit / bare window" "$out/base.rss" "$out/bare.rss"
done
echo
echo "Every reading: $log"
