#!/usr/bin/env bash
# The translation files are what Qt's lupdate makes of the sources: running it over them changes
# nothing, so no id has vanished from the sources or is missing from a file, and each English
# source text is the one the sources give. Every language has its own text for every id, in
# every plural form.
set -euo pipefail
source "$(dirname "$0")/../support/shell-helpers.sh"

lupdate=$1 sources=$2 translations=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

files=("$translations"/tessarin_*.ts)
[ ${#files[@]} -ge 2 ] || fail "no translation files in $translations"
cp "${files[@]}" "$work/"
"$lupdate" -silent -locations none "$sources" -ts "$work"/tessarin_*.ts || fail "lupdate failed"
for file in "${files[@]}"; do
  name=$(basename "$file")
  diff -u "$file" "$work/$name" || fail "lupdate changes $name: its ids or source texts are not the sources' ones"
done

untranslated=$(grep -nE 'type="(unfinished|vanished|obsolete)"|<(translation|numerusform)( [^>]*)?(/>|></)' \
                 "${files[@]}" || true)
[ -z "$untranslated" ] || fail "untranslated:
$untranslated"
echo "${#files[@]} translation files match the sources and are translated throughout"
