#!/usr/bin/env bash
# Installs what is missing, builds and starts Larderwise.
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Larderwise needs a display; none is set. Without one, run: xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec build/bin/larderwise "$@"
