#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program there, by its
# name on the PATH (the link in bin/): it must run from its own folder, where its definitions
# file lies, and still be running after its start-up and loading.
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
link="$prefix/bin/lexiparc"
[ -L "$link" ] || { echo "no link bin/lexiparc"; exit 1; }
case "$(readlink "$link")" in /*) echo "bin/lexiparc is an absolute link"; exit 1 ;; esac
[ "$(readlink -f "$link")" = "$(readlink -f "$dir/lexiparc")" ] || { echo "bin/lexiparc leads elsewhere"; exit 1; }
export XDG_CONFIG_HOME="$prefix/config" XDG_RUNTIME_DIR="$prefix/run" QT_QPA_PLATFORM=offscreen
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
(cd / && PATH="$prefix/bin:$PATH" exec lexiparc) &
pid=$!
sleep 6
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid" || true
  echo "the installed program ended early"
  exit 1
fi
# The program's folder, where it looks for its definitions file, is that of its real executable.
[ "$(readlink -f /proc/$pid/exe)" = "$(readlink -f "$dir/lexiparc")" ] || { echo "runs from elsewhere"; kill "$pid"; exit 1; }
kill "$pid"
wait "$pid" 2>/dev/null || true
# Its first run wrote the default settings.
grep -q 'ChargeAnag=1' "$XDG_CONFIG_HOME/LXPC.ini"
echo "installed program ran from $dir, started as $link"
