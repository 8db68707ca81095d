#!/usr/bin/env bash
# The simulated processor over a real link between two network namespaces joined by a veth
# pair: vexatarn-sim runs at 192.168.77.10 and broadcasts its announcements to 255.255.255.255;
# the application in the other namespace must discover it, choose 192.168.77.1 as its local
# address, connect from it, log in, and move the processor to 192.168.77.20 with the
# network-change command, which the processor applies and announces.
#
#   namespace-sim.sh <vexatarn-sim> <test_namespace_sim>
#
# Needs root. Under CI=true it must run; elsewhere it is skipped (exit 77) without root.
set -euo pipefail
sim=$1
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
sim_pid=
cleanup() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
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

log=$work/sim.log
ip netns exec "$dev_ns" "$sim" --bind 192.168.77.10 --announce-to 255.255.255.255 \
  --device-id 77010 >"$log" 2>&1 &
sim_pid=$!

status=0
ip netns exec "$app_ns" env QT_QPA_PLATFORM=offscreen HOME="$work" XDG_CONFIG_HOME="$work" \
  "$app" || status=1

if ! kill -0 "$sim_pid" 2>/dev/null; then
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
