#!/bin/sh
# The set-up, configure and build step every command shares: installs the package groups named
# (scripts/setup.sh), configures the build folder with the options given and builds the targets
# given, or everything, on every core.
#   build.sh "GROUP..." BUILD_DIR [-DOPTION=VALUE...] [TARGET...]
# Folders are relative to the repository's top.
set -eu
cd "$(dirname "$0")/.."
groups=$1
build_dir=$2
shift 2
options=""
targets=""
for argument in "$@"; do
  case "$argument" in
    -D*) options="$options $argument" ;;
    *) targets="$targets --target $argument" ;;
  esac
done

# shellcheck disable=SC2086
scripts/setup.sh $groups
# A folder already configured configures itself again where its sources changed; it is only
# configured here when new, or to set options.
if [ -n "$options" ] || [ ! -f "$build_dir/CMakeCache.txt" ]; then
  # shellcheck disable=SC2086
  cmake -S . -B "$build_dir" $options >/dev/null
fi
# shellcheck disable=SC2086
cmake --build "$build_dir" -j "$(nproc)" $targets
