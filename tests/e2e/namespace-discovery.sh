#!/usr/bin/env bash
# Discovery over a real link between two network namespaces joined by a veth pair: the
# processor (vt-announcer) broadcasts to 255.255.255.255 from 192.168.77.10; the application in
# the other namespace must discover it, choose 192.168.77.1 as its local address, connect from
# it, and send the network-change command that the processor receives on port 6001.
#
#   namespace-discovery.sh <vt-announcer> <test_namespace_discovery>
#
# Needs root. Under CI=true it must run; elsewhere it is skipped (exit 77) without root.
set -euo pipefail
announcer=$1
app=$2

skip_or_fail() {
  if [ "${CI:-}" = true ]; then
    echo "FAIL: $1 (required under CI)" >&2
    exit 1
  fi
  echo "SKIP: $1"
  exit 77
}

[ "$(id -u)" = 0 ] || skip_or_fail "namespace test needs root"
command -v ip >/dev/null || skip_or_fail "iproute2 is missing"

app_ns=vt-app-$$
dev_ns=vt-dev-$$
app_if=vta$$
dev_if=vtd$$
work=$(mktemp -d)
announcer_pid=
cleanup() {
  [ -n "$announcer_pid" ] && kill "$announcer_pid" 2>/dev/null && wait "$announcer_pid" 2>/dev/null
  ip netns del "$app_ns" 2>/dev/null || true
  ip netns del "$dev_ns" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

ip netns add "$app_ns" || skip_or_fail "cannot create network namespaces here"
ip netns add "$dev_ns"
ip link add "$app_if" type veth peer name "$dev_if"
ip link set "$app_if" netns "$app_ns"
ip link set "$dev_if" netns "$dev_ns"
ip -n "$app_ns" addr add 192.168.77.1/24 dev "$app_if"
ip -n "$dev_ns" addr add 192.168.77.10/24 dev "$dev_if"
ip -n "$app_ns" link set "$app_if" up
ip -n "$dev_ns" link set "$dev_if" up
ip -n "$app_ns" link set lo up
ip -n "$dev_ns" link set lo up
# 255.255.255.255 needs a route.
ip -n "$app_ns" route add default dev "$app_if"
ip -n "$dev_ns" route add default dev "$dev_if"

record=$work/announcer.txt
ip netns exec "$dev_ns" "$announcer" --bind 192.168.77.10 --out "$record" --seconds 30 &
announcer_pid=$!

status=0
ip netns exec "$app_ns" env QT_QPA_PLATFORM=offscreen HOME="$work" XDG_CONFIG_HOME="$work" \
  "$app" || status=1

announcer_status=0
wait "$announcer_pid" || announcer_status=$?
announcer_pid=
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
