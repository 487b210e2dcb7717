#!/usr/bin/env bash
# The README's board on another machine, on this one: the simulated board behind ser2net on
# 127.0.0.1, socat making a local pseudo-terminal of the TCP port, and `sketra --send` through
# it, every frame answered "Ready:".
# remoteboard_test.sh SKETRA_BOARD SKETRA
set -euo pipefail
board_program=$1
sketra=$2
for tool in ser2net socat ss; do
    command -v "$tool" >/dev/null || { echo "no $tool: scripts/setup installs it" >&2; exit 1; }
done

scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "remote board: $*" >&2; for log in "$scratch"/*.log; do echo "== $log"; cat "$log"; done >&2; exit 1; }
waitFor() { # waitFor WHAT COMMAND...: up to ten seconds
    local what=$1; shift
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    fail "$what did not come"
}
listening() { [ -n "$(ss -Hltn "sport = :$1")" ]; }

"$board_program" --headless --link "$scratch/far-end" >"$scratch/board.log" 2>&1 &
pids+=($!)
waitFor "the board's terminal" test -e "$scratch/far-end"

port=
for _ in $(seq 50); do
    candidate=$((20000 + RANDOM % 40000))
    listening "$candidate" || { port=$candidate; break; }
done
[ -n "$port" ] || fail "no free TCP port"
cat >"$scratch/ser2net.yaml" <<YAML
connection: &board
  accepter: tcp,127.0.0.1,$port
  connector: serialdev,$scratch/far-end,19200n81,local
YAML
ser2net -n -u -c "$scratch/ser2net.yaml" >"$scratch/ser2net.log" 2>&1 &
pids+=($!)
waitFor "ser2net on 127.0.0.1:$port" listening "$port"
[ -z "$(ss -Hltn "sport = :$port" | grep -v '127.0.0.1')" ] || fail "ser2net listens beyond 127.0.0.1"

socat pty,link="$scratch/korvel",rawer tcp:127.0.0.1:"$port" >"$scratch/socat.log" 2>&1 &
pids+=($!)
waitFor "socat's terminal" test -e "$scratch/korvel"

printf ']k\n]c]402014\n]c]201010\n' >"$scratch/frames.txt"
answer=$(timeout 60 "$sketra" --send "$scratch/frames.txt" --port 1="$scratch/korvel" 2>"$scratch/sketra.log") \
    || fail "sketra --send failed: $answer"
[ "$answer" = "$(printf 'Ready:\nReady:\nReady:')" ] || fail "the board answered: $answer"
echo "three frames answered Ready: through ser2net on 127.0.0.1:$port and socat"
