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
    platform, runs, program, bare = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
    results = {program: ([], []), bare: ([], [])}
    one_run(program, platform)  # warm the caches once for both
    one_run(bare, platform)
    for _ in range(runs):
        for p in (program, bare):
            ms, mb = one_run(p, platform)
            results[p][0].append(ms)
            results[p][1].append(mb)
    med = {p: (statistics.median(t), statistics.median(r)) for p, (t, r) in results.items()}
    print(f"platform {platform}, {runs} runs each, medians:")
    for label, p in (("aurelion", program), ("bare window", bare)):
        t, r = results[p]
        print(f"  {label:12} first paint {med[p][0]:7.1f} ms (min {min(t):6.1f}, max {max(t):6.1f})"
              f"   peak RSS {med[p][1]:6.1f} MB")
    time_ratio = med[program][0] / med[bare][0]
    rss_ratio = med[program][1] / med[bare][1]
    print(f"  ratio       first paint {time_ratio:.2f} (target <= 1.15: "
          f"{'met' if time_ratio <= 1.15 else 'missed'})"
          f"   peak RSS {rss_ratio:.2f} (target <= 1.2: {'met' if rss_ratio <= 1.2 else 'missed'})")


if __name__ == "__main__":
    main()
