#!/usr/bin/env bash
# CPU and resident memory of the program connected to a simulated processor for 30 s with the
# meters running (goals: at most 3 % of one core, at most 120 MB).
#   bench/idle-usage.sh [build dir, default build/normal] [seconds, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/normal}
seconds=${2:-30}
work=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

# Ports of this run's own, so nothing else on the machine is disturbed.
port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }
control=$(port); broadcast=$(port); command=$(port)
printf '[Port]\nBroadcast=%s\nControl=%s\n' "$broadcast" "$control" > "$work/cfg.ini"

"$build/sim/vexatarn-sim" --bind 127.0.0.1 --control-port "$control" --broadcast-port "$broadcast" \
  --command-port "$command" --announce-to 127.0.0.1 --quiet &
pids+=($!)
sleep 0.5
(cd "$work" && HOME="$work" XDG_CONFIG_HOME="$work/.config" QT_QPA_PLATFORM=offscreen \
  exec "$OLDPWD/$build/src/vexatarn" --connect 127.0.0.1) &
app=$!
pids+=($app)
sleep 5 # connected, logged in, meters running

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$app/stat"; }
start=$(cpu)
sleep "$seconds"
end=$(cpu)
rss_kb=$(awk '/VmRSS/{print $2}' "/proc/$app/status")
pct=$(python3 -c "print(round(100.0 * ($end - $start) / $ticks / $seconds, 2))")
mb=$(python3 -c "print(round($rss_kb / 1024.0, 1))")
echo "idle with meters: CPU ${pct} % of one core (goal <= 3), resident ${mb} MB (goal <= 120)"
python3 -c "import sys; sys.exit(0 if $pct <= 3 and $mb <= 120 else 1)"
