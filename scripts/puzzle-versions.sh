#!/usr/bin/env bash
# Writes data/Puzzel.versies: the SHA-256 of every version of data/Puzzel.lib in the
# history, the one in the working tree too. A player's copy equal to any of them is one the
# player never changed, so a newer program's list may replace it (game/folders.cpp).
# Run after changing data/Puzzel.lib; Unit-shippeddata fails until the list's digest is there.
set -eu
cd "$(dirname "$(readlink -f "$0")")/.."
{
  git log --format=%H -- data/Puzzel.lib | while read -r commit; do
    git show "$commit:data/Puzzel.lib" | sha256sum | cut -d' ' -f1
  done
  sha256sum data/Puzzel.lib | cut -d' ' -f1
} | sort -u > data/Puzzel.versies
