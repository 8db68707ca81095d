# Sourced by the namespace tests: two network namespaces joined by a veth pair, the application
# at 192.168.77.1 ($app_ns) and the processor at 192.168.77.10 ($dev_ns), with default routes so
# that 255.255.255.255 can be sent. $work is a scratch folder; the processor's process id goes
# into $device_pid, and everything is removed when the test exits.
# Needs root. Under CI=true it must run; elsewhere it is skipped (exit 77) without root.

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
device_pid=
cleanup() {
  if [ -n "$device_pid" ]; then
    kill "$device_pid" 2>/dev/null || true
    wait "$device_pid" 2>/dev/null || true
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
