#!/usr/bin/env bash
# Start-up of tolva! on a full database (4096 entries, 4096 records) with the accessibility bridge
# off and on, on Xvfb with an AT-SPI bus and a listener that asks every event's source for its
# name and role, as a screen reader does. Each run ends the moment the main window is shown.
#   bench/window/a11y_startup.sh BUILD-FOLDER [RUNS]
# Needs xvfb-run, dbus-run-session, at-spi2-core and python3-pyatspi (Debian packages).
set -euo pipefail
build=$(realpath "$1")
runs=${2:-9}
if [ "${TOLVA_A11Y_INSIDE:-}" != 1 ]; then
  export TOLVA_A11Y_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1280x900x24" dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
"$build/bench/window/tolva_window_bench" --write-database "$work" >/dev/null
cat >"$work/listen.py" <<'PY'
import pyatspi
def heard(event):
    try:
        event.source.name, event.source.getRoleName()
    except Exception:
        pass
for kind in ["object:children-changed", "object:state-changed", "object:property-change", "focus:",
             "object:text-changed", "object:selection-changed", "object:active-descendant-changed"]:
    pyatspi.Registry.registerEventListener(heard, kind)
pyatspi.Registry.start()
PY
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
/usr/bin/python3 "$work/listen.py" >/dev/null 2>&1 &
sleep 2
export XDG_CONFIG_HOME="$work/config" TOLVA_END_WHEN_SHOWN=1 QT_QPA_PLATFORM=xcb
for bridge in 0 1; do
  times=()
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=$bridge "$build/src/tolva" "$work" >/dev/null 2>&1
    times+=($(( ($(date +%s%N) - start) / 1000000 )))
  done
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  echo "bridge $([ $bridge = 1 ] && echo on || echo off): median ${sorted[$((runs / 2))]} ms (min ${sorted[0]}, max ${sorted[$((runs - 1))]}) over $runs runs"
done
