#!/usr/bin/env bash
# Makes the program's data beside reelstack.exe from what we author under
# assets/ and what our host tools generate: every file of the archive is
# staged in build/data (one sub-folder per archive group) and packed into
# build/win32/data.pak; the movie card's pictures go to
# build/win32/data/templates/default.
# Needs the host tools (build/host/tools). Deterministic: same sources, same
# bytes. The archive's stamps are SOURCE_DATE_EPOCH's time when it is set,
# else the newest modification time of the sources (assets/ and the tools
# that draw from them).
#
# Runs in turn with the other scripts that build, under the build tree's lock
# (build-common.sh): run by one of them, it holds the lock with it.
#
# Everything is made afresh in build/data-out and then put in place file by
# file, and only where the bytes changed: an unchanged file keeps its time, so
# nothing built from it (the program's icon, linked into reelstack.exe) is
# built again, and a program or test running meanwhile keeps reading the
# files it has open.
#   scripts/make-data.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
. scripts/build-common.sh
build_lock_take make-data.sh

tools=build/host/tools
out=build/win32
stage=build/data
made=build/data-out

# Puts a file in place unless the same bytes are there: through a temporary
# beside it and a rename, so that a reader never sees half a file.
install_changed() {
  local from="$1" to="$2"
  cmp -s "$from" "$to" && return 0
  mkdir -p "$(dirname "$to")"
  cp "$from" "$to.new"
  mv -f "$to.new" "$to"
}

# Puts a made folder in place file by file; files it no longer holds go.
install_folder() {
  local from="$1" to="$2" file
  mkdir -p "$to"
  while IFS= read -r -d '' file; do
    install_changed "$from/$file" "$to/$file"
  done < <(cd "$from" && find . -type f -print0)
  while IFS= read -r -d '' file; do
    [ -e "$from/$file" ] || rm -f "$to/$file"
  done < <(cd "$to" && find . -type f -print0)
}

rm -rf "$stage" "$made"
mkdir -p "$stage" "$made" "$out"
if [ -d assets/data ]; then
  cp -r assets/data/. "$stage/"
fi

# Generated data joins the staged sources here, one step per generator.

# Files the program reads from its own "data" folder, beside reelstack.exe.
mkdir -p "$made/data"
"$tools/replacetable" "$made/data/replace-table.xml" >/dev/null

# The languages the program offers besides its own texts, compiled from their
# XML sources into the "languages" folder beside the program.
mkdir -p "$made/languages"
for source in assets/languages/*.xml; do
  name="$(basename "$source" .xml)"
  "$tools/langc" "$source" "$made/languages/$name.lang" >/dev/null
done

# The card's pictures: the blank covers go into the archive's "images" group;
# the card templates' own pictures live in the folder beside the program that
# "{TEMPLATE_FOLDER}" names.
card_folder="$made/data/templates/default"
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
# folder above their working folder), the rest into the data archive. The
# tests also read what skingen drew from build/skin.
skins="$made/skin"
"$tools/skingen" assets/skin "$skins"
cp -r "$skins/data/." "$stage/"
# The program's icon, which the Windows build links into reelstack.exe.
cp "$skins/reelstack.ico" "$skins/white.style" "$skins/test.style" "$made/"

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(find assets tools -type f -printf '%T@\n' | sort -n | tail -n 1)
  export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH%.*}"
fi
"$tools/pak" pack "$stage" "$made/data.pak" >/dev/null

# In place: the folders the program and the tests read whole, then the
# single files.
install_folder "$skins" build/skin
install_folder "$made/languages" "$out/languages"
install_folder "$made/data/templates/default" "$out/data/templates/default"
install_changed "$made/data/replace-table.xml" "$out/data/replace-table.xml"
for file in reelstack.ico white.style test.style data.pak; do
  install_changed "$made/$file" "$out/$file"
done
if [ -d build/host ]; then
  install_changed "$made/white.style" build/host/white.style
  install_changed "$made/test.style" build/host/test.style
fi
echo "== data: $out/data.pak"
