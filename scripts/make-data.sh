#!/usr/bin/env bash
# Makes the program's data beside reelstack.exe from what we author under
# assets/ and what our host tools generate: every file is staged in build/data
# (one sub-folder per archive group) and packed into build/win32/data.pak; the
# movie card's pictures go to build/win32/data/templates/default.
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

# Files the program reads from its own "data" folder, beside reelstack.exe.
mkdir -p "$out/data"
"$tools/replacetable" "$out/data/replace-table.xml" >/dev/null

# The languages the program offers besides its own texts, compiled from their
# XML sources into the "languages" folder beside the program.
rm -rf "$out/languages"
mkdir -p "$out/languages"
for source in assets/languages/*.xml; do
  name="$(basename "$source" .xml)"
  "$tools/langc" "$source" "$out/languages/$name.lang" >/dev/null
done

# The card's pictures: the blank covers go into the archive's "images" group;
# the card templates' own pictures live in the folder beside the program that
# "{TEMPLATE_FOLDER}" names.
card_folder="$out/data/templates/default"
rm -rf "$card_folder"
mkdir -p "$stage/images" "$card_folder"
mkdir -p "$stage/example/Images"
"$tools/cardart" "$stage/images" "$card_folder" "$stage/example/Images"

# The collection a new user finds on the first start, from its source.
example_build=build/example
rm -rf "$example_build"
mkdir -p "$example_build" "$stage/example"
"$tools/rsdb" example assets/example/example.xml "$example_build" >/dev/null
cp "$example_build/Example/Example.rsdb" "$stage/example/"

# The skins, the window icons and the cursors, drawn by skingen: white.style
# beside reelstack.exe, test.style where each build's tests look for it (one
# folder above their working folder), the rest into the data archive.
skins=build/skin
rm -rf "$skins"
"$tools/skingen" assets/skin "$skins"
cp -r "$skins/data/." "$stage/"
# The program's icon, which the Windows build links into reelstack.exe.
cp "$skins/reelstack.ico" "$out/"
for tree in "$out" build/host; do
  if [ -d "$tree" ]; then
    cp "$skins/white.style" "$skins/test.style" "$tree/"
  fi
done

"$tools/pak" pack "$stage" "$out/data.pak" >/dev/null
echo "== data: $out/data.pak"
