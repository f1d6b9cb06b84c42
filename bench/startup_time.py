#!/usr/bin/env python3
"""Time from exec to the first shown main window, for quillmar (opening a
full career character) against a minimal Qt Widgets program with a menu bar
and a line of text, in one run.

One Xvfb serves the whole run (QT_QPA_PLATFORM=xcb); when it cannot start,
the offscreen platform stands in and the output says so. With
QUILLMAR_EXIT_WHEN_SHOWN=1 both programs print "shown" once their main window
has been exposed and painted, and leave; the clock runs from just before the
exec to that line. Runs alternate between the two programs so that a busy
machine slows both alike. Prints the medians and the ratio; the goal is a
ratio of at most 1.5.

    startup_time.py --quillmar build/bin/quillmar --minimal build/bin/minimal_window
                    --character-writer build/bin/write_character [--runs 15]
    startup_time.py ... --character FILE.chr     (a file of one's own instead)
"""
import argparse
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def start_xvfb():
    """An Xvfb on a free display: (process, ":N"), or (None, None)."""
    xvfb = shutil.which("Xvfb")
    if not xvfb:
        return None, None
    read_end, write_end = os.pipe()
    try:
        process = subprocess.Popen(
            [xvfb, "-displayfd", str(write_end), "-screen", "0", "1600x1200x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except OSError:
        os.close(read_end)
        os.close(write_end)
        return None, None
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 10
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
        if not ready:
            break
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    if not number.strip().isdigit():
        stop(process)
        return None, None
    return process, ":" + number.strip().decode()


def stop(process):
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def time_to_shown(program, args, cwd, platform_env):
    env = dict(os.environ, QUILLMAR_EXIT_WHEN_SHOWN="1", XDG_CONFIG_HOME=cwd, **platform_env)
    start = time.perf_counter()
    process = subprocess.Popen([program] + args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, cwd=cwd, env=env)
    line = process.stdout.readline()
    elapsed = time.perf_counter() - start
    process.stdout.close()
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = os.waitstatus_to_exitcode(status)
    if line.strip() != b"shown":
        raise RuntimeError(f"{program} ended without showing its window (exit {process.returncode})")
    # The processor time covers the whole process, the exit steps included.
    return elapsed, usage.ru_utime + usage.ru_stime


def write_character(writer, data_root, path):
    # Without settings the program loads the German data, so the file is written from it.
    result = subprocess.run([writer, data_root, "de", path], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    if result.returncode != 0 or not os.path.isfile(path):
        raise RuntimeError(f"{writer} wrote no character: {result.stderr.decode(errors='replace').strip()}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--quillmar", required=True)
    parser.add_argument("--minimal", required=True)
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--data-root", help="passed on to quillmar (default: the folder of the program)")
    which = parser.add_mutually_exclusive_group(required=True)
    which.add_argument("--character", help="the character file quillmar opens")
    which.add_argument("--character-writer", help="program that writes one: WRITER DATA_ROOT de FILE")
    parser.add_argument("--offscreen", action="store_true", help="measure on the offscreen platform")
    options = parser.parse_args()
    options.quillmar = os.path.abspath(options.quillmar)
    options.minimal = os.path.abspath(options.minimal)
    data_root = os.path.abspath(options.data_root or os.path.dirname(options.quillmar))

    xvfb, display = (None, None) if options.offscreen else start_xvfb()
    if xvfb:
        platform_env = {"QT_QPA_PLATFORM": "xcb", "DISPLAY": display}
        platform = f"xcb on Xvfb {display}"
    else:
        platform_env = {"QT_QPA_PLATFORM": "offscreen"}
        platform = "offscreen" + ("" if options.offscreen else " (Xvfb did not start)")

    quillmar_runs, minimal_runs = [], []
    try:
        # A working folder of its own: nothing of the caller's is read or written.
        with tempfile.TemporaryDirectory(prefix="quillmar-startup-") as folder:
            character = os.path.join(folder, "career.chr")
            if options.character:
                shutil.copyfile(options.character, character)
            else:
                write_character(os.path.abspath(options.character_writer), data_root, character)
            quillmar_args = [character, "--lang", "en", "--data-root", data_root]
            # One unmeasured run each fills the file system caches.
            time_to_shown(options.quillmar, quillmar_args, folder, platform_env)
            time_to_shown(options.minimal, [], folder, platform_env)
            for _ in range(options.runs):
                quillmar_runs.append(time_to_shown(options.quillmar, quillmar_args, folder, platform_env))
                minimal_runs.append(time_to_shown(options.minimal, [], folder, platform_env))
    finally:
        if xvfb:
            stop(xvfb)

    quillmar_times = [wall for wall, _ in quillmar_runs]
    minimal_times = [wall for wall, _ in minimal_runs]
    quillmar = statistics.median(quillmar_times) * 1000
    minimal = statistics.median(minimal_times) * 1000
    quillmar_cpu = statistics.median(cpu for _, cpu in quillmar_runs) * 1000
    minimal_cpu = statistics.median(cpu for _, cpu in minimal_runs) * 1000
    print(f"platform: {platform}")
    print(f"runs: {options.runs}")
    print(f"quillmar median: {quillmar:.1f} ms (min {min(quillmar_times) * 1000:.1f}, processor {quillmar_cpu:.1f})")
    print(f"minimal  median: {minimal:.1f} ms (min {min(minimal_times) * 1000:.1f}, processor {minimal_cpu:.1f})")
    print(f"ratio: {quillmar / minimal:.2f} (goal <= 1.5)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
