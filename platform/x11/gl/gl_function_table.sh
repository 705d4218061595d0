#!/bin/sh
# Writes the table of the GL functions wglGetProcAddress knows, from the Khronos registry (gl.xml):
# every function past GL 1.1, once for each GL version or extension that brings it, as C++
# initialisers sorted by name. Functions of GL 1.0 and 1.1 are left out: on Windows the GL library
# exports them, and wglGetProcAddress does not answer for them.
#   gl_function_table.sh REGISTRY OUTPUT
set -eu
registry=$1
output=$2

# "name bringer" for each function a desktop GL version or extension requires (its <remove>
# lists, and requirements of other APIs, aside).
requirements() {
  awk '
    function attribute(name) {
      return match($0, name "=\"[^\"]*\"") ? substr($0, RSTART + length(name) + 2,
                                                   RLENGTH - length(name) - 3) : ""
    }
    /<feature / { bringer = attribute("api") == "gl" ? attribute("name") : "" }
    /<extension / {
      bringer = attribute("supported") ~ /(^|\|)(gl|glcore)(\||$)/ ? attribute("name") : ""
    }
    /<\/feature>|<\/extension>/ { bringer = "" }
    /<require/ { counted = attribute("api") == "" || attribute("api") == "gl" }
    /<remove/ { counted = 0 }
    /<command name=/ && bringer != "" && counted { print attribute("name"), bringer }
  ' "$registry"
}

requirements | LC_ALL=C sort -u | awk '
  $2 == "GL_VERSION_1_0" || $2 == "GL_VERSION_1_1" { exported[$1] = 1 }
  { lines[NR] = $0 }
  END {
    for (i = 1; i <= NR; i++) {
      split(lines[i], field, " ")
      if (!(field[1] in exported)) printf "{\"%s\", \"%s\"},\n", field[1], field[2]
    }
  }' >"$output"
