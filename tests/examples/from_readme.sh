#!/bin/sh
# Writes the README's indented block that follows the line naming FILE ("`main.cpp`:"), without
# its indent: the code a reader of "Drawing a scene" copies.
#   from_readme.sh FILE
awk -v name="\`$1\`:" '
  $0 == name { inside = 1; next }
  inside && /^    / { print substr($0, 5); started = 1; next }
  inside && /^$/ { if (started) print; next }
  inside { exit }' "$(dirname "$0")/../../README.md"
