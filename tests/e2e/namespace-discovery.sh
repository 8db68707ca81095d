#!/usr/bin/env bash
# Discovery over a real link between two network namespaces joined by a veth pair: the
# processor (vt-announcer) broadcasts to 255.255.255.255 from 192.168.77.10; the application in
# the other namespace must discover it, choose 192.168.77.1 as its local address, connect from
# it, and send the network-change command that the processor receives on port 6001.
#
#   namespace-discovery.sh <vt-announcer> <test_namespace_discovery>

set -euo pipefail
announcer=$1
app=$2

. "$(dirname "$0")/netns-pair.sh"

record=$work/announcer.txt
ip netns exec "$dev_ns" "$announcer" --bind 192.168.77.10 --out "$record" --seconds 30 &
device_pid=$!

status=0
ip netns exec "$app_ns" env QT_QPA_PLATFORM=offscreen HOME="$work" XDG_CONFIG_HOME="$work" \
  "$app" || status=1

announcer_status=0
wait "$device_pid" || announcer_status=$?
device_pid=
echo "announcer recorded:"
cat "$record" 2>/dev/null || true

# Device 11259375 (0x00ABCDEF), command 2, length 12, 192.168.77.20, 255.255.255.0,
# gateway 192.168.77.254, all little-endian.
expected="network-change efcdab00020000000c000000144da8c000fffffffe4da8c0"
if [ "$announcer_status" != 0 ] || ! grep -qx "$expected" "$record"; then
  echo "FAIL: the network-change datagram did not arrive as expected" >&2
  status=1
fi
if ! grep -qx "connected-from 192.168.77.1" "$record"; then
  echo "FAIL: no control connection from 192.168.77.1" >&2
  status=1
fi
exit $status
