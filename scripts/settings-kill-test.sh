#!/usr/bin/env bash
# Kills `toka-replay --settings` with SIGKILL at random moments while a script
# of joins makes it save the remembered channels, KILLS times, and starts it
# again after each kill: the list it loads must be the list before the save in
# progress or the list after it. Prints the counts of mixed lists and of lost
# channels, and fails unless both are 0.
#
# usage: scripts/settings-kill-test.sh TOKA-REPLAY [KILLS] [SEED]
set -euo pipefail

replay=${1:?usage: settings-kill-test.sh TOKA-REPLAY [KILLS] [SEED]}
kills=${2:-200}
RANDOM=${3:-$$}
joins=60
rooms=(EDDF_TWR EGLL_APP LFPG_GND KJFK_DEP LOWW_CTR EHAM_TWR LSZH_APP EKCH_GND ESSA_DEL LEMD_TWR EBBR_APP
    EPWA_CTR LIRF_GND)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ini=$work/NORVOUITOKA.ini
printf 'start\nprint FreqInfo(2).List\n' >"$work/load.script"

# The rooms joined, in order, and the script that joins them, printing the
# list once loaded and after each join.
joined=()
{
    printf 'nopilot\nobject 7 "VOICE" "TOKA"\nlong 7 0 3\nlong 7 1 7\nlong 7 2 1\nstart\n'
    printf 'print FreqInfo(2).List\nevent ObjectCreated 7\nlong 7 9 2\n'
    for ((j = 0; j < joins; j++)); do
        room=${rooms[RANDOM % ${#rooms[@]}]}
        joined+=("$room")
        printf 'text 7 9 "%s"\nevent ObjectValueChanged 7 9\nprint FreqInfo(2).List\n' "$room"
    done
} >"$work/joins.script"

# `FreqInfo(2).List = ["A", "B"]` -> "A B"
rooms_of() {
    local list=${1#*= [}
    list=${list%]}
    list=${list//\"/}
    echo "${list//, / }"
}

# The list after joining $2 with the list $1: the room on top, once.
after_join() {
    local result=$2 room
    for room in $1; do
        [ "$room" = "$2" ] || result+=" $room"
    done
    echo "$result"
}

loaded() {
    rooms_of "$("$replay" --settings "$ini" "$work/load.script")"
}

# Milliseconds a whole run takes: the kills fall anywhere in it.
start_ns=$(date +%s%N)
"$replay" --settings "$ini" "$work/joins.script" >"$work/full.out"
run_ms=$((($(date +%s%N) - start_ns) / 1000000 + 1))
if [ "$(loaded)" != "$(rooms_of "$(tail -n 1 "$work/full.out")")" ]; then
    echo "a run that ends normally does not leave its last list" >&2
    exit 1
fi

mixed=0
lost=0
during_joins=0
before=$(loaded)
for ((kill = 1; kill <= kills; kill++)); do
    "$replay" --settings "$ini" "$work/joins.script" >"$work/out" &
    pid=$!
    delay_us=$(((RANDOM * 32768 + RANDOM) % (run_ms * 1000)))
    sleep "$(printf '%d.%06d' $((delay_us / 1000000)) $((delay_us % 1000000)))"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true

    # toka-replay writes each command's lines when it has run: the last one
    # is the list of the last finished join (or the list loaded), and the
    # next join may have been saving. A kill can cut a write short: a line
    # without its line break is not whole.
    if [ -n "$(tail -c 1 "$work/out")" ]; then
        sed -i '$d' "$work/out"
    fi
    printed=$(grep -c '^FreqInfo' "$work/out" || true)
    if [ "$printed" -eq 0 ]; then
        old=$before
        new=$before
    else
        old=$(rooms_of "$(grep '^FreqInfo' "$work/out" | tail -n 1)")
        next=$((printed - 1))
        if [ "$next" -lt "$joins" ]; then
            new=$(after_join "$old" "${joined[next]}")
            during_joins=$((during_joins + 1))
        else
            new=$old
        fi
    fi
    now=$(loaded)
    if [ "$now" != "$old" ] && [ "$now" != "$new" ]; then
        mixed=$((mixed + 1))
        echo "kill $kill: loaded [$now], expected [$old] or [$new]" >&2
    fi
    for room in $old; do
        if [[ " $now " != *" $room "* ]]; then
            lost=$((lost + 1))
            echo "kill $kill: $room is lost" >&2
            break
        fi
    done
    before=$now
done

echo "kills: $kills (during the joins: $during_joins), mixed lists: $mixed, lost channels: $lost"
[ "$mixed" -eq 0 ] && [ "$lost" -eq 0 ]
