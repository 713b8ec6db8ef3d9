#!/usr/bin/env bash
# Makes the program's data beside reelstack.exe from what we author under
# assets/ and what our host tools generate: every file is staged in build/data
# (one sub-folder per archive group) and packed into build/win32/data.pak.
# Needs the host tools (build/host/tools). Deterministic: same sources, same bytes.
#   scripts/make-data.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

tools=build/host/tools
out=build/win32
stage=build/data

rm -rf "$stage"
mkdir -p "$stage" "$out"
if [ -d assets/data ]; then
  cp -r assets/data/. "$stage/"
fi

# Generated data joins the staged sources here, one step per generator.

# The skins, the window icons and the cursors, drawn by skingen: white.style
# beside reelstack.exe, test.style where each build's tests look for it (one
# folder above their working folder), the rest into the data archive.
skins=build/skin
rm -rf "$skins"
"$tools/skingen" assets/skin "$skins"
cp -r "$skins/data/." "$stage/"
for tree in "$out" build/host; do
  if [ -d "$tree" ]; then
    cp "$skins/white.style" "$skins/test.style" "$tree/"
  fi
done

"$tools/pak" pack "$stage" "$out/data.pak" >/dev/null
echo "== data: $out/data.pak"
