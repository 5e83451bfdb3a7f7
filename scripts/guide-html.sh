#!/usr/bin/env bash
# Writes the mapper's guide, docs/guide.md, as one HTML page that opens on its
# own with a double-click: CommonMark through cmark, each picture's SVG inlined
# where the guide shows it, the style inline. Nothing in it depends on the day
# or the folder, so the same commit gives the same bytes.
# Usage: scripts/guide-html.sh VERSION >guide.html
set -euo pipefail
cd "$(dirname "$0")/.."

[ $# -eq 1 ] || { echo "usage: scripts/guide-html.sh VERSION >guide.html" >&2; exit 2; }
version=$1
fail() { echo "guide-html: $*" >&2; exit 1; }

body=$(cmark docs/guide.md)
page=$(mktemp)
trap 'rm -f "$page"' EXIT

# A picture is a paragraph of its own in the guide: ![what it shows](pictures/NAME.svg)
picture='^<p><img src="pictures/([a-z-]+)\.svg" alt="([^"]*)" /></p>$'
{
  sed "s/@VERSION@/$version/" docs/package/guide-head.html
  while IFS= read -r line; do
    if [[ $line =~ $picture ]]; then
      svg=docs/pictures/${BASH_REMATCH[1]}.svg
      alt=${BASH_REMATCH[2]}
      [ -f "$svg" ] || fail "docs/guide.md shows $svg, which is missing"
      drawing=$(<"$svg")
      [[ $drawing == '<svg '* ]] || fail "$svg does not begin with <svg"
      # The alt text, already escaped by cmark, labels the drawing.
      printf '<p class="picture"><svg aria-label="%s" %s</p>\n' "$alt" "${drawing#'<svg '}"
    else
      printf '%s\n' "$line"
    fi
  done <<<"$body"
  printf '</body>\n</html>\n'
} >"$page"

# Self-contained: nothing left that a browser would fetch from beside the page.
if grep -qE '<img|src="' "$page"; then
  fail "docs/guide.md shows a picture that is not an SVG of docs/pictures"
fi
if grep -oE 'href="[^"]*"' "$page" | grep -vqE '^href="(https?:|#)'; then
  fail "docs/guide.md links to a file beside it"
fi
cat "$page"
