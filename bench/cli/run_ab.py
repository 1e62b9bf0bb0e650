#!/usr/bin/python3
"""Two builds of vrn on the same command, one run of each in turn.

usage: run_ab.py RUNS VRN_A VRN_B -- ARGUMENTS...

Runs `VRN_A ARGUMENTS` and `VRN_B ARGUMENTS` alternately RUNS times each, as
whole processes with their output discarded, and prints each build's median
wall time with the fastest and slowest run. Alternating keeps both builds
under the same conditions where one series after the other would not: on a
shared machine, the time of an edit's save falls in modes with the kernel's
handling of what it writes.
"""
import statistics
import subprocess
import sys
import time


def main():
    if len(sys.argv) < 6 or sys.argv[4] != "--":
        sys.exit(__doc__)
    runs = int(sys.argv[1])
    builds = sys.argv[2:4]
    arguments = sys.argv[5:]
    times = {build: [] for build in builds}
    for _ in range(runs):
        for build in builds:
            start = time.perf_counter()
            done = subprocess.run([build] + arguments, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE, text=True)
            times[build].append(time.perf_counter() - start)
            if done.returncode != 0:
                sys.exit(f"{build} failed ({done.returncode}): {done.stderr.strip()}")
    for build in builds:
        t = sorted(times[build])
        print(f"{build}: median {statistics.median(t) * 1000:.1f} ms "
              f"[{t[0] * 1000:.1f} .. {t[-1] * 1000:.1f}] over {runs} runs")


if __name__ == "__main__":
    main()
