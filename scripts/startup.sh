#!/usr/bin/env bash
# Times start-up to a painted window and exit as whole processes, in alternating runs of the
# program's window and a bare main window with a tab widget, on the virtual display of
# scripts/run.sh or the offscreen platform; prints the medians (wall clock and processor time)
# and their ratio. Builds optimised in build-release first.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-30}"
scripts/install-deps.sh
[ -f build-release/CMakeCache.txt ] || cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release --target startup_bare startup_tarnwell >/dev/null
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
python3 - "$runs" build-release/bin/startup_bare build-release/bin/startup_tarnwell <<'PY'
import resource, statistics, subprocess, sys, time
runs, bare, window = int(sys.argv[1]), sys.argv[2], sys.argv[3]
def cpu_seconds():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime
def once(program):
    before = cpu_seconds()
    start = time.perf_counter()
    subprocess.run([program], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    return wall * 1000, (cpu_seconds() - before) * 1000
for program in (bare, window):
    once(program)  # warm the file cache
times = {bare: [], window: []}
for _ in range(runs):
    for program in (bare, window):
        times[program].append(once(program))
for label, program in (("bare main window", bare), ("Tarnwell", window)):
    wall = statistics.median(t[0] for t in times[program])
    cpu = statistics.median(t[1] for t in times[program])
    print(f"{label:17s} wall clock {wall:6.1f} ms   processor time {cpu:6.1f} ms")
ratio_wall = statistics.median(t[0] for t in times[window]) / statistics.median(t[0] for t in times[bare])
ratio_cpu = statistics.median(t[1] for t in times[window]) / statistics.median(t[1] for t in times[bare])
print(f"ratio             wall clock {ratio_wall:6.2f}      processor time {ratio_cpu:6.2f}   (budget 1.50)")
PY
