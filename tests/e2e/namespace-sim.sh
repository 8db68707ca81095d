#!/usr/bin/env bash
# The simulated processor over a real link between two network namespaces joined by a veth
# pair: vexatarn-sim runs at 192.168.77.10 and broadcasts its announcements to 255.255.255.255;
# the application in the other namespace must discover it, choose 192.168.77.1 as its local
# address, connect from it, log in, and move the processor to 192.168.77.20 with the
# network-change command, which the processor applies and announces.
#
#   namespace-sim.sh <vexatarn-sim> <test_namespace_sim>

set -euo pipefail
sim=$1
app=$2

. "$(dirname "$0")/netns-pair.sh"

log=$work/sim.log
ip netns exec "$dev_ns" "$sim" --bind 192.168.77.10 --announce-to 255.255.255.255 \
  --device-id 77010 >"$log" 2>&1 &
device_pid=$!

status=0
ip netns exec "$app_ns" env QT_QPA_PLATFORM=offscreen HOME="$work" XDG_CONFIG_HOME="$work" \
  "$app" || status=1

if ! kill -0 "$device_pid" 2>/dev/null; then
  echo "FAIL: vexatarn-sim is not running any more" >&2
  status=1
fi
echo "vexatarn-sim log:"
cat "$log"
if ! grep -q "network changed to 192.168.77.20" "$log"; then
  echo "FAIL: the processor did not apply the network-change command" >&2
  status=1
fi
exit $status
