#!/usr/bin/env bash
# Installs what is missing, builds, and starts Dormivo. Without a pillow
# plugged in, a simulated pillow (dormivo-sim, scenario "night") is attached.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh dormivo dormivo-sim dormivo-record dormivo-report

pillow_present() {
  if [ -n "${DORMIVO_SERIAL_PORTS:-}" ]; then return 0; fi
  compgen -G '/dev/ttyACM*' >/dev/null || compgen -G '/dev/ttyUSB*' >/dev/null
}

sim_pid=""
cleanup() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true; }
trap cleanup EXIT

if ! pillow_present; then
  link="${XDG_RUNTIME_DIR:-/tmp}/dormivo-pillow-$$"
  build/bin/dormivo-sim --link "$link" --scenario night &
  sim_pid=$!
  for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
  export DORMIVO_SERIAL_PORTS="$link"
  echo "No pillow found: using the simulated pillow at $link"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: running Dormivo under xvfb-run"
  xvfb-run -a -s "-screen 0 1920x1080x24" build/bin/dormivo "$@"
else
  build/bin/dormivo "$@"
fi
