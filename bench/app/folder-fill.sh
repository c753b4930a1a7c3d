#!/usr/bin/env bash
# How long a folder of 2000 tagged MP3s takes, once added to a running
# player, until every playlist row shows its title and play time: Vantor
# (the folder handed to the running player on its command line) against
# Audacious (`audacious -e FOLDER`) in its classic-skin interface, RUNS
# alternating rounds (3), medians; and Vantor's longest tag-reader tick.
# Runs under Xvfb with SDL's null audio; a busy machine lengthens both, and
# the load average is shown with the result.
# Usage: [RUNS=n] [FOLDER=existing-folder] bench/app/folder-fill.sh [build-folder]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
built="$build/src/app"
[ -x "$built/vantor" ] || { echo "build the player first: $built/vantor"; exit 1; }

. "$top/bench/app/peer-bench.sh"
install_missing audacious xdotool x11-utils xvfb ffmpeg dbus-daemon bc

# audtool reaches Audacious over the session bus.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
trap 'status=$?; kill $(jobs -p) 2>/dev/null
      [ $status -eq 0 ] || tail -n 5 "$work"/*.log 2>/dev/null; rm -rf "$work"' EXIT

count=2000
folder=${FOLDER:-$work/folder}
if [ -z "${FOLDER:-}" ]; then
    # Five tones of 3 to 7 seconds, each copied into 400 files with tags of
    # their own by one FFmpeg run.
    mkdir -p "$folder"
    for seconds in 3 4 5 6 7; do
        ffmpeg -loglevel error -f lavfi -i "sine=frequency=$((100 * seconds)):duration=$seconds" \
            -ac 1 -b:a 64k "$work/tone$seconds.mp3"
        outputs=()
        for ((n = seconds - 2; n <= count; n += 5)); do
            outputs+=(-map 0 -c copy -metadata "title=Song $n" -metadata "artist=Band $((n % 37))"
                      -metadata "album=Album $((n % 11))" -metadata "track=$((n % 20 + 1))"
                      "$(printf '%s/%04d.mp3' "$folder" "$n")")
        done
        ffmpeg -loglevel error -i "$work/tone$seconds.mp3" "${outputs[@]}"
    done
fi
[ "$(find "$folder" -name '*.mp3' | wc -l)" -eq $count ] || { echo "$folder: not $count MP3s"; exit 1; }
# Both players read the files from the page cache.
cat "$folder"/*.mp3 >/dev/null

# A player folder of its own, so that no list or settings of the build
# tree's player come into the run.
mkdir -p "$work/player"
cp -r "$built/vantor" "$built/libpixwell.so" "$built/Skin" "$work/player/"
player="$work/player/vantor"

start_display :86
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"

elapsed() { echo "$(date +%s.%N) - $1" | bc -l; }

# The player logs each tag-reader tick: its duration and how many entries
# are read.
vantor_round() {
    local log="$work/vantor.log" pid start
    rm -f "$work/player/Vantor.m3u"
    QT_LOGGING_RULES="vantor.tagreader.debug=true" QT_MESSAGE_PATTERN="%{category}: %{message}" \
        "$player" >"$log" 2>&1 &
    pid=$!
    wait_mapped Vantor
    sleep 1
    start=$(date +%s.%N)
    "$player" "$folder" >/dev/null 2>&1
    local deadline=$((SECONDS + 120))
    until grep -q " $count of $count entries read" "$log"; do
        [ $SECONDS -lt $deadline ] || { echo "Vantor did not read the folder" >&2; exit 1; }
        sleep 0.005
    done
    vantor_s=$(elapsed "$start")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    # The longest tick as the user waits for it, and the most processor
    # time a tick took (on a busy machine the two part).
    read -r vantor_tick vantor_tick_cpu < <(awk '/ entries read$/ {
            wall = $3 + 0; cpu = substr($5, 2) + 0
            if (wall > maxWall) maxWall = wall
            if (cpu > maxCpu) maxCpu = cpu
        } END { print maxWall + 0, maxCpu + 0 }' "$log")
}

# audtool answers a song's length once Audacious has scanned it; the scan
# runs in list order, so the last entry comes last.
audacious_round() {
    local pid start
    audacious -G >"$work/audacious.log" 2>&1 &
    pid=$!
    wait_mapped Audacious
    audtool --playlist-clear
    sleep 1
    start=$(date +%s.%N)
    audacious -e "$folder"
    local deadline=$((SECONDS + 120))
    until [ "$(audtool --playlist-length)" = $count ] &&
          [ "$(audtool --playlist-song-length-frames $count)" -gt 0 ]; do
        [ $SECONDS -lt $deadline ] || { echo "Audacious did not read the folder" >&2; exit 1; }
        sleep 0.005
    done
    audacious_s=$(elapsed "$start")
    if [ -z "${audacious_checked:-}" ]; then
        # Once: every row of the list has its title and a time.
        local complete
        complete=$(audtool --playlist-display | grep -c ' | Band .* - Song .* | *[0-9]*:[0-9][0-9]$' || true)
        [ "$complete" -eq $count ] || echo "Audacious: only $complete of $count rows complete" >&2
        audacious_checked=1
    fi
    kill "$pid"; wait "$pid" 2>/dev/null || true
}

# Audacious's classic skinned interface and SDL output.
audacious -G >/dev/null 2>&1 &
pid=$!
sleep 4
kill -TERM "$pid"; wait "$pid" 2>/dev/null || true
use_classic_audacious

vantor_times=() audacious_times=() longest=0
for round in $(seq "${RUNS:-3}"); do
    vantor_round
    audacious_round
    printf 'round %d: vantor %.3f s (longest tick %.1f ms, most processor in a tick %.1f ms), audacious %.3f s\n' \
        "$round" "$vantor_s" "$vantor_tick" "$vantor_tick_cpu" "$audacious_s"
    vantor_times+=("$vantor_s") audacious_times+=("$audacious_s")
    longest=$(echo "if ($vantor_tick > $longest) $vantor_tick else $longest" | bc -l)
done

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
printf 'folder-fill: vantor %.2f s, audacious %.2f s, longest tick %.1f ms\n' \
    "$(median "${vantor_times[@]}")" "$(median "${audacious_times[@]}")" "$longest"
