#!/usr/bin/env bash
# Installs what is missing, builds QPZ and starts it on its bundled demo playlist.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
QPZ is built, but there is no display to show its window on.
Start it on a virtual X server instead:
  xvfb-run -a $root/build/bin/qpz demo.qpp NOHIDE
MSG
  exit 1
fi
exec "$root/build/bin/qpz" demo.qpp NOHIDE "$@"
