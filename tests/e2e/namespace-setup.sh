#!/usr/bin/env bash
# The device setup dialog moves a simulated processor to another address over a real link
# between two network namespaces: vexatarn-sim runs at 192.168.77.10 with --follow-network, and
# 192.168.77.20 also exists on its interface, as the address the processor will take. The
# application in the other namespace connects, changes the "IP Address" in the dialog, and must
# follow the processor to 192.168.77.20 and log in there again.
#
#   namespace-setup.sh <vexatarn-sim> <test_namespace_setup>

set -euo pipefail
sim=$1
app=$2

. "$(dirname "$0")/netns-pair.sh"

ip -n "$dev_ns" addr add 192.168.77.20/24 dev "$dev_if"

log=$work/sim.log
ip netns exec "$dev_ns" "$sim" --bind 192.168.77.10 --announce-to 255.255.255.255 \
  --device-id 77010 --follow-network >"$log" 2>&1 &
device_pid=$!

status=0
# Widgets under the sanitizers: Qt's platform plugin keeps its screen to the end (not a leak of
# ours), as in every other widget test.
ip netns exec "$app_ns" env QT_QPA_PLATFORM=offscreen HOME="$work" XDG_CONFIG_HOME="$work" \
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 "$app" || status=1

if ! kill -0 "$device_pid" 2>/dev/null; then
  echo "FAIL: vexatarn-sim is not running any more" >&2
  status=1
fi
echo "vexatarn-sim log:"
cat "$log"
if ! grep -q "moved to 192.168.77.20" "$log"; then
  echo "FAIL: the processor did not move to its new address" >&2
  status=1
fi
exit $status
