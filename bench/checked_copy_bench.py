#!/usr/bin/env python3
"""Copy and move with and without reading each copy back, under Wine, in
one run. Started by bench/wine_bench.sh --checked-copy.

2 GB of random bytes (40 files of 25 MB and 200 of 5 MB) on the disk of
the checkout are copied, and moved, into a folder on another volume (the
memory volume /dev/shm), through the platform's file operation, once with
copies read back (SHA-256 through CNG, compared byte for byte) and once
without: best of R runs, the ratio of each checked run to the unchecked
one, the copy rate, the hashing rate of CNG alone, and each run's peak
working set (which must not grow with the files' sizes).
"""
import argparse
import os
import shutil
import subprocess

from wine_bench import PROGRAMS, SOURCE, windows_path

MB = 1 << 20


def build():
    subprocess.run(["cmake", "--preset", "mingw"], cwd=SOURCE, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "mingw", "--target", "checked_copy_bench"], cwd=SOURCE,
                   check=True, stdout=subprocess.DEVNULL)


def make_files(folder, scale):
    if os.path.isdir(folder):
        return
    os.makedirs(folder + ".part")
    for count, size in ((40, 25), (200, 5)):
        for i in range(max(1, count * scale // 100)):
            with open(os.path.join(folder + ".part", f"{size}mb-{i:03}.bin"), "wb") as out:
                out.write(os.urandom(size * MB))
    os.rename(folder + ".part", folder)


def run(*arguments):
    done = subprocess.run(["wine", os.path.join(PROGRAMS, "checked_copy_bench.exe")] + list(arguments),
                          capture_output=True, check=True)
    return dict(field.split("=") for field in done.stdout.decode().split())


def timed(mode, check, files, work, target):
    source = files
    if mode == "move":
        source = os.path.join(work, "to-move")
        shutil.rmtree(source, ignore_errors=True)
        shutil.copytree(files, source)
    shutil.rmtree(target, ignore_errors=True)
    os.makedirs(target)
    result = run(mode, "1" if check else "0", windows_path(source), windows_path(target))
    assert result["failed"] == "0", result
    return float(result["seconds"]), int(result["bytes"]), int(result["peak_working_set"])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--scale", type=int, default=100, help="percent of the 2 GB")
    parser.add_argument("--work", default=os.path.join(SOURCE, "build", "bench-checked-copy"))
    arguments = parser.parse_args()
    build()
    files = os.path.join(arguments.work, "files")
    target = "/dev/shm/vorlix-bench-target"
    make_files(files, arguments.scale)
    print(f"{'action':<6} {'check':<6} {'best s':>7} {'MB/s':>7} {'ratio':>6} {'peak MB':>8}")
    for mode in ("copy", "move"):
        best = {}
        for check in (False, True):
            runs = [timed(mode, check, files, arguments.work, target) for _ in range(arguments.runs)]
            seconds, size, _ = min(runs)
            peak = max(run[2] for run in runs)
            best[check] = seconds
            ratio = f"{seconds / best[False]:.2f}" if check else ""
            print(f"{mode:<6} {'on' if check else 'off':<6} {seconds:>7.2f} {size / MB / seconds:>7.0f} {ratio:>6} "
                  f"{peak / MB:>8.1f}")
    shutil.rmtree(target, ignore_errors=True)
    hashed = min(float(run("hash", "1024")["seconds"]) for _ in range(arguments.runs))
    print(f"CNG SHA-256 alone: {1024 / hashed:.0f} MB/s")


if __name__ == "__main__":
    main()
