#!/usr/bin/env python3
"""Time from process start to the first shown main window, for quillmar
(with its new character) against a minimal Qt Widgets program, in one run.

Both programs print "shown" and leave when QUILLMAR_EXIT_WHEN_SHOWN=1; the
clock stops when that line arrives. Runs alternate between the two programs
so that a busy machine slows both alike. Prints the medians and the ratio;
the goal is a ratio of at most 1.5.

    startup_time.py --quillmar build/bin/quillmar --minimal build/bin/minimal_window [--runs 15]
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time


def time_to_shown(program, args, cwd):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QUILLMAR_EXIT_WHEN_SHOWN="1", XDG_CONFIG_HOME=cwd)
    start = time.perf_counter()
    process = subprocess.Popen([program] + args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, cwd=cwd, env=env)
    line = process.stdout.readline()
    elapsed = time.perf_counter() - start
    process.stdout.close()
    process.wait(timeout=30)
    if line.strip() != b"shown":
        raise RuntimeError(f"{program} ended without showing its window (exit {process.returncode})")
    return elapsed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--quillmar", required=True)
    parser.add_argument("--minimal", required=True)
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--data-root", help="passed on to quillmar")
    options = parser.parse_args()
    options.quillmar = os.path.abspath(options.quillmar)
    options.minimal = os.path.abspath(options.minimal)
    if options.data_root:
        options.data_root = os.path.abspath(options.data_root)

    quillmar_args = ["--lang", "en"]
    if options.data_root:
        quillmar_args += ["--data-root", options.data_root]
    quillmar_times, minimal_times = [], []
    # A working folder of its own: nothing of the caller's is read or written.
    with tempfile.TemporaryDirectory(prefix="quillmar-startup-") as folder:
        # One unmeasured run each fills the file system caches.
        time_to_shown(options.quillmar, quillmar_args, folder)
        time_to_shown(options.minimal, [], folder)
        for _ in range(options.runs):
            quillmar_times.append(time_to_shown(options.quillmar, quillmar_args, folder))
            minimal_times.append(time_to_shown(options.minimal, [], folder))

    quillmar = statistics.median(quillmar_times) * 1000
    minimal = statistics.median(minimal_times) * 1000
    print(f"runs: {options.runs}")
    print(f"quillmar median: {quillmar:.1f} ms (min {min(quillmar_times) * 1000:.1f})")
    print(f"minimal  median: {minimal:.1f} ms (min {min(minimal_times) * 1000:.1f})")
    print(f"ratio: {quillmar / minimal:.2f} (goal <= 1.5)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
