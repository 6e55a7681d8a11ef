#!/usr/bin/env bash
# Writes data/Puzzel.versies: the SHA-256 of every version of data/Puzzel.lib in the
# history, the one in the working tree too. A player's copy equal to any of them is one the
# player never changed, so a newer program's list may replace it (game/folders.cpp).
# Run after changing data/Puzzel.lib; Unit-shippeddata fails until the list's digest is there.
set -eu -o pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
# Only the whole history knows every list that was shipped: a shallow clone or a tree without
# it would write a list that forgets them.
if [ "$(git rev-parse --is-shallow-repository)" != false ]; then
  echo "puzzle-versions.sh: needs the whole history (not a shallow clone)" >&2
  exit 1
fi
{
  git log --format=%H -- data/Puzzel.lib | while read -r commit; do
    git show "$commit:data/Puzzel.lib" | sha256sum | cut -d' ' -f1
  done
  sha256sum data/Puzzel.lib | cut -d' ' -f1
} | sort -u > data/Puzzel.versies
