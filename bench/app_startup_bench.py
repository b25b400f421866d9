#!/usr/bin/env python3
"""Cold start of the app to its first painted frame, and its peak memory two
seconds after start, beside two references started the same way in the same
run, alternating: a window showing one label (the figure that counts: it
loads the fonts any first frame with text needs) and an empty window (which
never loads a font). Needs a display: run it under `xvfb-run -a`.

    xvfb-run -a bench/app_startup_bench.py [build folder] [rounds, 21]
"""
import argparse
import os
import statistics
import subprocess
import tempfile
import time


def start(program, settle_seconds, environment):
    """Milliseconds to the first frame and peak RSS in MiB at settle_seconds."""
    began = time.monotonic()
    process = subprocess.Popen([program], stdout=subprocess.PIPE, env=environment)
    line = process.stdout.readline()
    first_frame = (time.monotonic() - began) * 1000
    if line.strip() != b"first-frame":
        process.kill()
        raise SystemExit(f"{program} did not report its first frame")
    time.sleep(max(0.0, settle_seconds - (time.monotonic() - began)))
    with open(f"/proc/{process.pid}/status") as status:
        peak = next(int(l.split()[1]) for l in status if l.startswith("VmHWM:")) / 1024
    process.kill()
    process.wait()
    return first_frame, peak


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build", nargs="?", default="build/default",
                        help="the build folder (default: build/default)")
    parser.add_argument("runs", nargs="?", type=int, default=21,
                        help="rounds, each starting all three programs (default: 21)")
    arguments = parser.parse_args()
    build, runs = arguments.build, arguments.runs
    if runs < 2:
        parser.error("at least 2 rounds are needed for the quartiles")
    programs = {"bare window": f"{build}/bench/app_bare_window",
                "one label": f"{build}/bench/app_label_window", "ratio": f"{build}/app/ratio"}
    missing = [program for program in programs.values() if not os.access(program, os.X_OK)]
    if missing:
        parser.error(f"not built: {', '.join(missing)} (build the default preset first)")
    with tempfile.TemporaryDirectory() as home:
        # Fresh settings and no kept rates, and no network: the first frame must not wait for it.
        environment = dict(os.environ, RATIO_REPORT_FIRST_FRAME="1", HOME=home,
                           XDG_CONFIG_HOME=f"{home}/config", XDG_DATA_HOME=f"{home}/data",
                           XDG_RUNTIME_DIR=home,
                           RATIO_RATES_URL="http://127.0.0.1:9/none", LANG="en_GB.UTF-8")
        results = {name: [] for name in programs}
        for _ in range(runs):  # alternating, so both see the same machine
            for name, program in programs.items():
                results[name].append(start(program, 2.0, environment))
    for name, samples in results.items():
        frames = statistics.median(s[0] for s in samples)
        peak = statistics.median(s[1] for s in samples)
        print(f"{name:12} first frame {frames:6.1f} ms   peak RSS {peak:5.1f} MiB   ({runs} runs, median)")
    # Each round's own ratio, then their median and quartiles: a slow stretch
    # of the machine slows all three programs of its round alike.
    for reference in ("one label", "bare window"):
        ratios = sorted(r[0] / b[0] for r, b in zip(results["ratio"], results[reference]))
        low, middle, high = statistics.quantiles(ratios, n=4)
        print(f"ratio / {reference}: {middle:.2f}x (quartiles {low:.2f}x to {high:.2f}x)")

if __name__ == "__main__":
    main()
