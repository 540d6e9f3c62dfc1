#!/usr/bin/env bash
# Start-up of algol-minima against a bare Qt Core program that prints one line (tools/minimalcli).
#   tools/measure-cli-startup.sh [runs=300]
# Builds both in build-perf (RelWithDebInfo, as ./test.sh builds), then starts them in turn, `runs`
# times each, after 20 warm-up rounds that are not counted:
#   - minimalcli;
#   - algol-minima --version (the start-up alone: Qt, the locale, the translations, the options);
#   - the 30-day listing at a site, in English and in French (the zone database, the computation
#     and the table as well).
# Each start is timed from the spawn to the end of the wait (elapsed, which includes the loading of
# the shared libraries), with the CPU time the process used (user + system, from wait4). Taking
# the commands in turn spreads the machine's load over all of them alike; the medians and their
# ratios to minimalcli are printed (aim: at most 1.5 for the elapsed time). The load average is
# printed before and after; prefer a quiet machine.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
runs=${1:-300}
build=build-perf

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2 --target algol-minima minimalcli >/dev/null

echo "$runs runs each; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
/usr/bin/python3 - "$runs" "$build/tools/minimalcli/minimalcli" "$build/cli/algol-minima" <<'PY' || status=$?
import os, statistics, subprocess, sys, time

runs, minimal, program = int(sys.argv[1]), sys.argv[2], sys.argv[3]
listing = [program, "--lat", "48.85", "--lon", "2.35", "--tz", "Europe/Paris", "--from", "2026-12-08T12:00"]
english = dict(os.environ, LANG="C.UTF-8", LC_ALL="")
french = dict(os.environ, LANG="fr_FR.UTF-8", LC_ALL="")
commands = [
    ("minimalcli", [minimal], english),
    ("--version", [program, "--version"], english),
    ("30 days, English", listing, english),
    ("30 days, French", listing, french),
]

def once(argv, env):
    begin = time.perf_counter_ns()
    child = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = (time.perf_counter_ns() - begin) / 1e6
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit(f"{argv} ended with status {child.returncode}")
    return elapsed, (usage.ru_utime + usage.ru_stime) * 1e3

for _ in range(20):
    for _, argv, env in commands:
        once(argv, env)
samples = {name: ([], []) for name, _, _ in commands}
for _ in range(runs):
    for name, argv, env in commands:
        elapsed, cpu = once(argv, env)
        samples[name][0].append(elapsed)
        samples[name][1].append(cpu)

base_elapsed = statistics.median(samples["minimalcli"][0])
base_cpu = statistics.median(samples["minimalcli"][1])
ok = True
for name, _, _ in commands:
    elapsed = statistics.median(samples[name][0])
    cpu = statistics.median(samples[name][1])
    ratio = elapsed / base_elapsed
    if name != "minimalcli":
        ok = ok and ratio <= 1.5
    print(f"{name:18s} median elapsed {elapsed:6.2f} ms (x{ratio:4.2f}), "
          f"median CPU {cpu:6.2f} ms (x{cpu / base_cpu:4.2f})")
print("Within 1.5x of minimalcli (elapsed):", "yes" if ok else "no")
sys.exit(0 if ok else 1)
PY
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit "$status"
