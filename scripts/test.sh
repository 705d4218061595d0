#!/bin/sh
# Sets up, builds and runs the whole test suite: the program's, the benchmark's and the Windows
# builds' under Wine, the 32-bit one where this machine runs 32-bit x86 programs.
set -eu
cd "$(dirname "$0")/.."

# Whether this machine runs 32-bit x86 programs at all; if not, says why. A kernel built or
# booted without IA-32 emulation refuses them. The smallest such program, which only exits, is
# made by the native compiler with no 32-bit library at all; static, so that it asks for no
# 32-bit loader either. It is made in the build tree, where the tests' programs run too: a
# temporary folder may be mounted without the right to run programs at all.
why_32_bit_x86_does_not_run() {
  probe=build-windows/exits_as_32_bit_x86
  cc -m32 -nostdlib -static -x assembler -o "$probe" - 2>/dev/null <<'EOF' || {
.globl _start
_start: movl $1, %eax          # exit(0) through the 32-bit system call gate
        xorl %ebx, %ebx
        int $0x80
EOF
    echo "the native compiler could not make a 32-bit x86 program to find out whether they run"
    return
  }
  failure=$("./$probe" 2>&1) && return
  status=$?
  failure=${failure##*: } # the shell's message ends with the system's reason
  echo "this machine does not run 32-bit x86 programs (${failure:-exit status $status})"
}

scripts/build.sh "running testing windows" build -DBUILD_TESTING=ON -DTALVO_BUILD_BENCH=ON \
  -DTALVO_BUILD_EXAMPLES=ON
# Two tests a core: most of their time is spent waiting on their X servers, not computing.
ctest --test-dir build --output-on-failure -j "$(($(nproc) * 2))"
# Windows: both builds are made and tested under Wine, the 32-bit one with 32-bit Wine and Mesa,
# installed only where they can run.
scripts/build-windows.sh
ctest --test-dir build-windows/x86_64 --output-on-failure
not_running=$(why_32_bit_x86_does_not_run)
if [ -z "$not_running" ]; then
  scripts/setup.sh windows32
  ctest --test-dir build-windows/i686 --output-on-failure
else
  echo "32-bit suite: built, not run: $not_running"
fi
