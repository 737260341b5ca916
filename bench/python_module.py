"""The Python module's lookups over numpy arrays, one row each as the other benchmarks
print them: | action | median | 25th – 75th percentile | target | verdict |.

    python3 bench/python_module.py --data DIR [--runs N] [--count N]

PYTHONPATH must hold the built module; DIR is a data folder holding Silicon's table.
"""

import argparse
import statistics
import time

import numpy as np

import alphastop


def duration(seconds):
    """Three significant digits, in the unit the other rows use."""
    for unit, scale in (("s", 1), ("ms", 1e-3), ("µs", 1e-6)):
        if abs(seconds) >= scale:
            break
    else:
        return f"{seconds * 1e9:.0f} ns"
    value = seconds / scale
    decimals = 2 if value < 10 else 1 if value < 100 else 0
    return f"{value:.{decimals}f} {unit}"


def timed(runs, call):
    samples = []
    for _ in range(runs):
        start = time.perf_counter()
        call()
        samples.append(time.perf_counter() - start)
    return samples


def print_row(action, samples, target=None):
    if len(samples) > 1:
        low, median, high = statistics.quantiles(samples, n=4, method="inclusive")
    else:
        low = median = high = samples[0]
    limit = "" if target is None else f"≤ {duration(target)}"
    verdict = "" if target is None else "met" if median <= target else "**missed**"
    spread = f"{duration(low)} – {duration(high)}"
    print(f"| {action} | {duration(median)} | {spread} | {limit} | {verdict} |", flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--data", required=True)
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--count", type=int, default=10**6)
    args = parser.parse_args()

    silicon = alphastop.Material("Silicon", data=args.data)
    # Spread evenly on log axes over the table, as a spectrum's energies or a plot's would be.
    energies = np.geomspace(0.001, 1000, args.count)
    ranges = silicon.csda_range(energies)
    many = f"{args.count:,}".replace(",", " ")
    # The target holds for a million energies; a shorter run scales it.
    print_row(f"Python: Material.stopping of {many} energies (a numpy array)",
              timed(args.runs, lambda: silicon.stopping(energies)), 0.2 * args.count / 10**6)
    print_row(f"Python: Material.csda_range of {many} energies",
              timed(args.runs, lambda: silicon.csda_range(energies)))
    print_row(f"Python: Material.energy_from_range of {many} ranges",
              timed(args.runs, lambda: silicon.energy_from_range(ranges)))
    singles = 1000
    calls = timed(args.runs, lambda: [silicon.stopping(5.5) for _ in range(singles)])
    print_row("Python: Material.stopping of one energy (a float), per call",
              [t / singles for t in calls])


if __name__ == "__main__":
    main()
