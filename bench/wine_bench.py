#!/usr/bin/env python3
"""The main window's file search against a bare listing of the same tree by
a small Windows program using the same listing calls, both under Wine in
one run. Started by bench/wine_bench.sh, which prepares Wine and a display.

For 1, 100 and 10,000 names, exact and fuzzy, and one fuzzy name that
matches nearly every file: seconds from the click on 立即搜索 to the end of
the search (best of R runs, warm cache), the ratio to the bare listing,
the rows, each program's peak working set and the private bytes a row
costs beyond its two texts. The row count is checked against the rule
read over the tree in Python.
"""
import argparse
import os
import subprocess
import sys

import find_bench

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(HERE)
# The 64-bit programs, or with VORLIX_BENCH_PRESET=mingw-i686 the 32-bit ones.
PRESET = os.environ.get("VORLIX_BENCH_PRESET", "mingw")
PROGRAMS = os.path.join(SOURCE, "build", PRESET, "bench")


def build():
    subprocess.run(["cmake", "--preset", PRESET], cwd=SOURCE, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", PRESET, "--target", "window_search_bench", "bare_listing"],
                   cwd=SOURCE, check=True, stdout=subprocess.DEVNULL)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def pasted_names(utf8_path, gbk_path):
    """The names as a person pastes them into the name box: GBK, CR LF."""
    with open(utf8_path, encoding="utf-8") as names:
        lines = names.read().splitlines()
    with open(gbk_path, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("gbk"))
    return gbk_path


def run(program, *arguments):
    done = subprocess.run(["wine", os.path.join(PROGRAMS, program)] + list(arguments), capture_output=True,
                          check=True)
    return done.stdout.decode().split()


def interleaved(window_arguments, root, runs):
    """`runs` rounds of a bare listing then the window's search, so that
    both see the same load; the fastest of each, and the largest peaks."""
    bare_runs, window_runs = [], []
    for _ in range(runs):
        bare_runs.append(run("bare_listing.exe", root))
        window_runs.append(run("window_search_bench.exe", *window_arguments)[:4])
    return [(min(results, key=lambda fields: float(fields[0])), max(float(fields[2]) for fields in results))
            for results in (bare_runs, window_runs)]


def report_stop(names, root, after_ms, what, runs, more=()):
    """A click on 停止搜索 posted `after_ms` into a fuzzy search for the GBK
    names: milliseconds from the click to the end of the search."""
    stopped = [run("window_search_bench.exe", names, root, "fuzzy", str(after_ms), *more)[4]
               for _ in range(2 * runs + 1)]
    times = sorted(float(time) for time in stopped if time != "-")
    if not times:
        print("stop: not measured, %s ends within %d ms on this tree" % (what, after_ms))
        return
    print("stop: click posted %d ms into %s: the search ended %.0f ms after it (median of %d), %.0f at best, "
          "%.0f at worst" % (after_ms, what, times[len(times) // 2], len(times), times[0], times[-1]))


def print_stop_times(names, work, root, runs):
    """A click on 停止搜索 posted 0.7 s into the search that gives the most rows."""
    gbk_names = pasted_names(os.path.join(names, "fuzzy-every.txt"), os.path.join(work, "pasted-fuzzy-every.txt"))
    report_stop(windows_path(gbk_names), windows_path(root), 700, "the search for \".\"", runs)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--files", type=int, default=200000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--work", default=os.path.join(SOURCE, "build", "bench-wine"))
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    sys.stdout.reconfigure(line_buffering=True)

    build()
    root, names = find_bench.ensure_tree(args.work, args.files, args.seed)
    every_name = os.path.join(names, "fuzzy-every.txt")
    with open(every_name, "w") as out:
        out.write(".\n")
    listing = [p for p in subprocess.run(["find", root, "!", "-type", "d"], capture_output=True).stdout.split(b"\n")
               if p]

    run("bare_listing.exe", windows_path(root))  # warm the cache
    print("tree: %d files; under Wine, warm cache; best of %d runs, each case interleaved with its own bare listing"
          % (len(listing), args.runs))
    print("%-7s %6s %11s %11s %7s %8s %13s %9s" % ("names", "mode", "listing s", "window s", "ratio", "rows",
                                                 "peak MB l/w", "B/row"))
    failures = []
    cases = [(mode, size) for size in find_bench.SIZES for mode in ("exact", "fuzzy")] + [("fuzzy", "every")]
    for mode, size in cases:
        utf8_names = os.path.join(names, "%s-%s.txt" % (mode, size))
        gbk_names = pasted_names(utf8_names, os.path.join(args.work, "pasted-%s-%s.txt" % (mode, size)))
        ((bare, files, _), bare_peak), ((wall, rows, _, per_row), peak) = interleaved(
            [windows_path(gbk_names), windows_path(root), mode], windows_path(root), args.runs)
        if int(files) != len(listing):
            failures.append("the bare listing saw %s files, find %d" % (files, len(listing)))
        print("%-7s %6s %11.2f %11.2f %7.2f %8s %6.1f/%6.1f %9s" % (size, mode, float(bare), float(wall),
                                                                   float(wall) / float(bare), rows, bare_peak, peak,
                                                                   per_row))
        keywords = find_bench.keywords_of(utf8_names)
        if size != 10000 or mode == "exact":  # 10,000 str.find passes over every name would take long
            expected = sum(find_bench.expected_rows(listing, keywords, mode == "fuzzy").values())
            if int(rows) != expected:
                failures.append("%s %s: %s rows, the rule gives %d" % (mode, size, rows, expected))
    print_stop_times(names, args.work, root, args.runs)
    for failure in failures:
        print("CHECK FAILED: " + failure)
    if not failures:
        print("checks passed: each search's row count equals the rule read over the tree (all but fuzzy 10,000)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
