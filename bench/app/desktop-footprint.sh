#!/usr/bin/env bash
# Start-up time until the main window is mapped, resident memory idle and
# while playing, CPU while playing one MP3 and while stopped (nothing
# loaded, the window shown), for Vantor and, in the same
# run and on the same files, Audacious in its classic-skin GTK interface.
# Runs under Xvfb with SDL's and the desktop's null audio, RUNS times (3).
# Each round also measures the floor of the stopped figure: an empty Qt
# program with a shown window, woken every 50 ms as a stopped player's
# scrolling song line wakes it (bench/app/QtWakeFloor.cpp).
# Usage: [RUNS=n] bench/app/desktop-footprint.sh [build-folder]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
player="$build/src/app/vantor"
floor="$build/bench/app/QtWakeFloor"
[ -x "$player" ] && [ -x "$floor" ] || { echo "build the player first: $player"; exit 1; }

. "$top/bench/app/peer-bench.sh"
install_missing audacious xdotool x11-utils xvfb ffmpeg dbus-daemon

# A desktop session has a message bus; without one, both toolkits try to
# start one at every launch.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
# The players' own output is shown only when the run fails.
trap 'status=$?; kill $(jobs -p) 2>/dev/null
      [ $status -eq 0 ] || cat "$work"/*.log 2>/dev/null; rm -rf "$work"' EXIT
ffmpeg -loglevel error -f lavfi -i "sine=frequency=440:duration=120" -ac 2 -b:a 192k "$work/tone.mp3"

start_display :77
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"

rss_mib() { awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# measure NAME WINDOW-NAME-PATTERN COMMAND...
measure() {
    local name=$1 pattern=$2
    shift 2
    local start end pid
    start=$(date +%s.%N)
    "$@" >"$work/$name.log" 2>&1 &
    pid=$!
    wait_mapped "$pattern"
    end=$(date +%s.%N)
    sleep 3
    local idle s0 s1
    idle=$(rss_mib "$pid")
    s0=$(cpu_ticks "$pid")
    sleep 10
    s1=$(cpu_ticks "$pid")
    kill "$pid"; wait "$pid" 2>/dev/null || true

    "$@" "$work/tone.mp3" >/dev/null 2>&1 &
    pid=$!
    wait_mapped "$pattern"
    sleep 3
    local t0 t1
    t0=$(cpu_ticks "$pid")
    sleep 10
    t1=$(cpu_ticks "$pid")
    local playing
    playing=$(rss_mib "$pid")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    local hz
    hz=$(getconf CLK_TCK)
    printf '%-10s start-up %.3f s   idle %s MiB   playing %s MiB   CPU %.2f %%   stopped CPU %.2f %%\n' \
        "$name" "$(echo "$end - $start" | bc -l)" "$idle" "$playing" \
        "$(echo "($t1 - $t0) * 100 / $hz / 10" | bc -l)" \
        "$(echo "($s1 - $s0) * 100 / $hz / 10" | bc -l)"
}

measure_floor() {
    "$floor" >"$work/floor.log" 2>&1 &
    local pid=$!
    wait_mapped QtWakeFloor
    sleep 3
    local s0 s1
    s0=$(cpu_ticks "$pid")
    sleep 10
    s1=$(cpu_ticks "$pid")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    printf '%-10s an empty Qt window woken every 50 ms: CPU %.2f %%\n' Floor \
        "$(echo "($s1 - $s0) * 100 / $(getconf CLK_TCK) / 10" | bc -l)"
}

# A first start writes each player's settings, so both are measured warm;
# Audacious then gets its classic skinned interface and SDL output.
warm_up() {
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep 4
    kill -TERM "$pid"; wait "$pid" 2>/dev/null || true
}
warm_up "$player"
warm_up audacious -G
use_classic_audacious

# Alternating runs, so that a busy moment of the machine weighs on both.
for _ in $(seq "${RUNS:-3}"); do
    measure Vantor 'Vantor' "$player"
    measure Audacious 'Audacious' audacious -G
    measure_floor
done
