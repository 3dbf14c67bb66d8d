#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program there: it must
# find its definitions file beside it and still be running after its start-up and loading.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
dir="$prefix/lib/lexiparc"
for f in lexiparc definitions1.20.ret LICENSE NOTICE.md; do
  [ -e "$dir/$f" ] || { echo "missing from the install: $f"; exit 1; }
done
[ -f "$prefix/share/applications/lexiparc.desktop" ] || { echo "no desktop entry"; exit 1; }
grep -q "^Exec=$dir/lexiparc$" "$prefix/share/applications/lexiparc.desktop" || { echo "desktop entry Exec is wrong"; exit 1; }
[ -f "$prefix/share/icons/hicolor/128x128/apps/lexiparc.png" ] || { echo "no icon"; exit 1; }
export XDG_CONFIG_HOME="$prefix/config" XDG_RUNTIME_DIR="$prefix/run" QT_QPA_PLATFORM=offscreen
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
(cd / && exec "$dir/lexiparc") &
pid=$!
sleep 6
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid" || true
  echo "the installed program ended early"
  exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
# Its first run wrote the default settings.
grep -q 'ChargeAnag=1' "$XDG_CONFIG_HOME/LXPC.ini"
echo "installed program ran from $dir"
