#!/usr/bin/env bash
# CPU that dirnaut and its X server spend while the viewer is at rest (velocity
# 0, pointer still, nothing scanned), with the default frame delay, measured in
# the same run for three builds: every frame drawn and the toolkit's own timer
# wait (before), frames at rest skipped, and frames at rest skipped with the
# last millisecond before the timer slept out (after). Three runs of each;
# min/median/max. A bare toolkit program with the same 50 ms timer and the
# toolkit's own wait (bench/idle_floor.cpp) is measured alongside.
# CPU time comes from /proc/PID/schedstat, in nanoseconds.
#
# usage: bench/idle_bench.sh [seconds [runs]]   (default 10 3; needs Xvfb)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
runs=${2:-3}
settle=3  # the first frames scan the directories that come into view

build() {  # dir, idle skip on/off, timer wait on/off
  cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDIRNAUT_BENCH=ON -DDIRNAUT_IDLE_SKIP="$2" \
    -DDIRNAUT_TIMER_WAIT="$3" >/dev/null
  cmake --build "$1" -j2 --target dirnaut >/dev/null
}
build build-idle-on ON ON
build build-idle-skip ON OFF
build build-idle-off OFF OFF
cmake --build build-idle-on -j2 --target idle_floor >/dev/null

cpu_ns() {  # time the process has spent on a CPU, in nanoseconds
  awk '{print $1}' "/proc/$1/schedstat"
}

# Prints the share of one core that the program and the server used together.
measure() {
  local program=$1 fifo display xvfb app
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$fifo" 2>/dev/null &
  xvfb=$!
  read -r display <"$fifo"
  rm -f "$fifo"
  DISPLAY=:$display "$program" 2>/dev/null &
  app=$!
  sleep "$settle"
  local a0 x0 a1 x1
  a0=$(cpu_ns "$app"); x0=$(cpu_ns "$xvfb")
  sleep "$seconds"
  a1=$(cpu_ns "$app"); x1=$(cpu_ns "$xvfb")
  kill "$app" "$xvfb"
  wait "$app" "$xvfb" 2>/dev/null || true
  awk -v a=$((a1 - a0)) -v x=$((x1 - x0)) -v s="$seconds" \
    'BEGIN { printf "%.3f %.3f %.3f\n", a / s / 1e7, x / s / 1e7, (a + x) / s / 1e7 }'
}

summary() {  # label, lines of "client server total"
  sort -n -k3 <<<"$2" | awk -v label="$1" '
    { c[NR] = $1; s[NR] = $2; t[NR] = $3 }
    END { m = int((NR + 1) / 2)
          printf "%-28s total %%core min %.2f median %.2f max %.2f (median run: client %.2f, server %.2f)\n",
                 label, t[1], t[m], t[NR], c[m], s[m] }'
}

before="" skip="" after="" floor=""
for ((i = 0; i < runs; ++i)); do  # alternated, so that load from elsewhere falls on all
  before+=$(measure build-idle-off/dirnaut)$'\n'
  skip+=$(measure build-idle-skip/dirnaut)$'\n'
  after+=$(measure build-idle-on/dirnaut)$'\n'
  floor+=$(measure build-idle-on/bench/idle_floor)$'\n'
done
before=${before%$'\n'}; skip=${skip%$'\n'}; after=${after%$'\n'}; floor=${floor%$'\n'}
echo "at rest for ${seconds} s, default delay, ${runs} runs each (CPU of dirnaut + Xvfb, % of one core):"
summary "every frame drawn (before)" "$before"
summary "rest frames skipped" "$skip"
summary "skipped, wait slept (after)" "$after"
summary "bare toolkit timer" "$floor"
mb=$(sort -n -k3 <<<"$before" | awk -v m=$(((runs + 1) / 2)) 'NR == m { print $3 }')
ma=$(sort -n -k3 <<<"$after" | awk -v m=$(((runs + 1) / 2)) 'NR == m { print $3 }')
mf=$(sort -n -k3 <<<"$floor" | awk -v m=$(((runs + 1) / 2)) 'NR == m { print $3 }')
awk -v a="$ma" -v f="$mf" 'BEGIN { if (f > 0) printf "ratio after / bare toolkit timer (medians): %.4f\n", a / f }'
awk -v b="$mb" -v a="$ma" 'BEGIN {
  if (a > 0) printf "ratio after / before (medians): %.4f (before is %.2fx after)\n", a / b, b / a
  else printf "ratio after / before (medians): %.4f (after below one clock tick)\n", a / b
  printf "goal: after under 1 %% of a core: %s\n", a < 1 ? "met" : "not met" }'
