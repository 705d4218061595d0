#!/bin/sh
# The benchmark command: sets up, builds the program, the peers and the driver, names the
# machine, then runs the driver on a virtual display of its own, with openbox drawing no frames,
# and prints its table.
#   bench/run.sh [--baseline PROGRAM] [--rounds N] [--seconds S]    (default: 7 rounds of 2 s)
# --baseline runs another build of the program beside this one, as "talvo before".
set -eu
cd "$(dirname "$0")/.."
baseline=""
if [ "${1:-}" = --baseline ]; then
  baseline=$(realpath "$2")
  shift 2
fi
scripts/build.sh "running bench" build -DTALVO_BUILD_BENCH=ON -DTALVO_BENCH_BASELINE="$baseline" \
  talvo_bench
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
# The renderer of this machine's own architecture: a foreign one may have Mesa installed too.
mesa=$(dpkg-query -W -f '${Version}' "libgl1-mesa-dri:$(dpkg --print-architecture)")
echo "machine: $(nproc) cores, $cpu, Mesa $mesa (llvmpipe on Xvfb)"
exec scripts/display/with_display.sh --screen 1920x1080 --wm --wm-config bench/openbox.xml \
  build/bench/talvo_bench "$@"
