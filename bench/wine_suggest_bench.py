#!/usr/bin/env python3
"""What the suggestions cost the main window's search under Wine: the same
search of 10,000 names over a tree of N files (default 200,000), once with
about 1,000 names that find nothing (half of them typing slips of real
names, see bench/suggest_bench.py), once with those names replaced by names
that are found, so that nothing is kept or suggested. Started by
bench/wine_bench.sh --suggest.

Prints, interleaved over R rounds, the best seconds from the click on
立即搜索 to the end of the search, and the largest peak working set, of
each; their difference is the walk's keeping of names plus the suggestions
(and the list's taking in of the one row each replaced name finds).
"""
import argparse
import collections
import os
import random
import subprocess
import sys

import find_bench
import suggest_bench
import wine_bench


def found_everywhere(names_path, tree, finder, seed):
    """The list with every name that finds nothing replaced by the name of a
    file that no other file shares, so that each finds one file and the two
    searches differ by about as many rows as names."""
    missing = set(subprocess.run([finder, "--no-index", "--not-found", "--names", names_path, tree], check=True,
                                 stdout=subprocess.PIPE).stdout.decode("utf-8", "surrogateescape").splitlines())
    names = suggest_bench.tree_names(tree)
    seen = collections.Counter(name.lower() for name in names)
    seen.update(suggest_bench.stem(name).lower() for name in names)
    unique = sorted(name for name in names if seen[name.lower()] == 1)
    rng = random.Random(seed)
    lines = find_bench.keywords_of(names_path)
    return [rng.choice(unique) if line in missing else line for line in lines], len(missing)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--files", type=int, default=200000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--work", default=os.path.join(wine_bench.SOURCE, "build", "bench-wine-suggest"))
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    sys.stdout.reconfigure(line_buffering=True)
    wine_bench.build()
    finder = find_bench.build()
    root, names_dir = find_bench.ensure_tree(args.work, args.files, args.seed)
    slipped = suggest_bench.make_names(names_dir, root, args.seed)
    found, missing = found_everywhere(slipped, root, finder, args.seed)
    found_path = os.path.join(names_dir, "suggest-none-missing.txt")
    with open(found_path, "w", encoding="utf-8", errors="surrogateescape") as out:
        out.write("\n".join(found) + "\n")
    lists = {"with": wine_bench.pasted_names(slipped, os.path.join(args.work, "pasted-suggest.txt")),
             "without": wine_bench.pasted_names(found_path, os.path.join(args.work, "pasted-none-missing.txt"))}
    wine_bench.run("bare_listing.exe", wine_bench.windows_path(root))  # warm the cache
    best, peaks, rows = {}, {}, {}
    for _ in range(args.runs):
        for kind, names in lists.items():
            fields = wine_bench.run("window_search_bench.exe", wine_bench.windows_path(names),
                                    wine_bench.windows_path(root), "exact")
            best[kind] = min(best.get(kind, float("inf")), float(fields[0]))
            peaks[kind] = max(peaks.get(kind, 0.0), float(fields[2]))
            rows[kind] = fields[1]
    print("tree: %d files, 10,000 names; under Wine, warm cache, best of %d interleaved runs" % (args.files, args.runs))
    print("%-44s %9s %8s %9s" % ("case", "window s", "rows", "peak MB"))
    print("%-44s %9.2f %8s %9.1f" % ("%d names find nothing (suggestions)" % missing, best["with"], rows["with"],
                                     peaks["with"]))
    print("%-44s %9.2f %8s %9.1f" % ("every name finds a file (no suggestions)", best["without"], rows["without"],
                                     peaks["without"]))
    print("suggestions add %.2f s and %.1f MB" % (best["with"] - best["without"], peaks["with"] - peaks["without"]))


if __name__ == "__main__":
    main()
