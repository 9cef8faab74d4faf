"""Start to first paint and peak RSS of the program beside a bare Qt Widgets window.

Runs both programs alternately, RUNS times each, on one Qt platform; each run starts the
process, waits for its "first-paint NANOSECONDS" line (AURELION_FIRST_PAINT=exit makes it
print the monotonic clock once its window has painted, and end) and reads the peak resident
set size from the kernel's account of the finished child. Prints medians and ratios.
"""

import os
import statistics
import subprocess
import sys
import time


def one_run(program, platform):
    env = dict(os.environ, AURELION_FIRST_PAINT="exit", QT_QPA_PLATFORM=platform)
    start = time.monotonic_ns()
    child = subprocess.Popen([program], env=env, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL)
    painted = None
    for line in child.stdout:
        if line.startswith(b"first-paint "):
            painted = int(line.split()[1])
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = status
    if painted is None or status != 0:
        sys.exit(f"{program}: no first paint reported (status {status})")
    return (painted - start) / 1e6, usage.ru_maxrss / 1024


def main():
    platform, runs, program, bares = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4:]
    programs = [program] + bares
    results = {p: ([], []) for p in programs}
    for p in programs:  # warm the caches once for each
        one_run(p, platform)
    for _ in range(runs):
        for p in programs:
            ms, mb = one_run(p, platform)
            results[p][0].append(ms)
            results[p][1].append(mb)
    med = {p: (statistics.median(t), statistics.median(r)) for p, (t, r) in results.items()}
    print(f"platform {platform}, {runs} runs each, alternating, medians:")
    for p in programs:
        t, r = results[p]
        print(f"  {os.path.basename(p):17} first paint {med[p][0]:6.1f} ms "
              f"(min {min(t):6.1f}, max {max(t):6.1f})   peak RSS {med[p][1]:5.1f} MB")
    for bare in bares:
        time_ratio = med[program][0] / med[bare][0]
        rss_ratio = med[program][1] / med[bare][1]
        print(f"  ratio to {os.path.basename(bare):17} first paint {time_ratio:.2f} "
              f"({'met' if time_ratio <= 1.15 else 'missed'} <= 1.15)   peak RSS {rss_ratio:.2f} "
              f"({'met' if rss_ratio <= 1.2 else 'missed'} <= 1.2)")


if __name__ == "__main__":
    main()
