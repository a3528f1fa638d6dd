#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. The tests
# get their own HOME, XDG and temporary folders, so no test touches real user
# data and nothing a test leaves behind outlives the run.
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-deps.sh
# An include against the layer order fails at once, before any build.
scripts/check-layers.py
scripts/build.sh

# The whole suite is built a second time under AddressSanitizer and
# UndefinedBehaviorSanitizer: every test program, the program itself (the
# single-instance, soak and desktop tests launch it) and the desktop tests' drag
# source; the benchmarks are not needed. Both builds run before HOME changes, so
# the compiler cache of the user running this is the one used.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLARDERWISE_SANITIZE=ON >/dev/null
targets=$(ctest --test-dir build-sanitize -N | sed -n 's/^ *Test *#[0-9]*: //p' | grep '^test_')
cmake --build build-sanitize -j "$(nproc)" --target $targets larderwise larderwise_drag_source larderwise_resources

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch"/{home,data,config,cache,runtime,tmp}
chmod 700 "$scratch/runtime"
export HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config"
export XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime" TMPDIR="$scratch/tmp"
export QT_QPA_PLATFORM=offscreen

ctest --test-dir build --output-on-failure -j "$(nproc)"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
