#!/usr/bin/env python3
"""vorlix-find through its folder index against GNU find, fd and plocate,
on Linux, warm cache, in one run.

    bench/index_bench.py [--files N] [--seed S] [--work DIR] [--runs R]

Builds vorlix-find (preset "release"), makes a tree of N files (default
1,000,000) with bench/make_tree.py unless DIR already holds it, installs
Debian's fd-find and plocate when they are missing and apt-get can, and
keeps vorlix-find's index in DIR/cache (XDG_CACHE_HOME). Each timed case
runs in turn with its peer, R times (default 5); the medians and the
median of the pairwise ratios are printed:

  - a repeat search with 10,000 names against `find ROOT > /dev/null`;
  - a repeat search with 100 names against fd with the equivalent pattern;
  - the first search (empty index), the search without the index, and a
    repeat after files were added, removed and renamed in 1% of the
    folders, for the reader;
  - plocate's index build over the same tree and one query, as an anchor.

Every search through the index must print exactly the rows, in order, of
the same search with --no-index: the script checks that.
"""
import argparse
import os
import random
import shutil
import statistics
import subprocess
import sys
import time

import find_bench

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(HERE)


def ensure_plocate():
    if not shutil.which("plocate") and os.geteuid() == 0 and shutil.which("apt-get"):
        subprocess.run(["apt-get", "install", "-y", "-qq", "plocate"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
    updatedb = shutil.which("updatedb.plocate") or "/usr/sbin/updatedb.plocate"
    return (shutil.which("plocate"), updatedb) if shutil.which("plocate") and os.path.exists(updatedb) else None


def timed(command, output, env):
    """Wall seconds of one run, its output kept in `output` (a path or None)."""
    with open(output or os.devnull, "wb") as out:
        start = time.perf_counter()
        subprocess.run(command, stdout=out, env=env, check=True)
        return time.perf_counter() - start


def peak_megabytes(command, env, scratch):
    subprocess.run(["/usr/bin/time", "-f", "%M", "-o", scratch] + command, stdout=subprocess.DEVNULL, env=env,
                   check=True)
    with open(scratch) as usage:
        return int(usage.read().split()[-1]) / 1024


def paired(ours, peer, runs, env, before=None):
    """`runs` rounds of our command then the peer's: the median of each and
    of the ratios ours/peer taken round by round."""
    mine, theirs = [], []
    for _ in range(runs):
        if before:
            before()
        mine.append(timed(ours, None, env))
        theirs.append(timed(peer, None, env))
    ratio = statistics.median(a / b for a, b in zip(mine, theirs))
    return statistics.median(mine), statistics.median(theirs), ratio


def change_one_percent(root, rng):
    folders = [folder for folder, _, _ in os.walk(root)]
    for folder in rng.sample(folders, max(1, len(folders) // 100)):
        files = sorted(name for name in os.listdir(folder) if os.path.isfile(os.path.join(folder, name)))
        open(os.path.join(folder, "added-%d.txt" % rng.randrange(10 ** 9)), "w").close()
        if len(files) >= 2:
            os.remove(os.path.join(folder, files[0]))
            os.rename(os.path.join(folder, files[1]), os.path.join(folder, "renamed-" + files[1]))
    return max(1, len(folders) // 100), len(folders)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--files", type=int, default=1000000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--work", default=os.path.join(SOURCE, "build", "bench-index"))
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    sys.stdout.reconfigure(line_buffering=True)

    vorlix_find = find_bench.build()
    root, names = find_bench.ensure_tree(args.work, args.files, args.seed)
    root = os.path.abspath(root)
    fd = find_bench.ensure_fd()
    plocate = ensure_plocate()
    cache = os.path.abspath(os.path.join(args.work, "cache"))
    index_file = os.path.join(cache, "vorlix", "vorlix-find-index")
    env = dict(os.environ, LC_ALL="C", XDG_CACHE_HOME=cache)
    scratch = os.path.join(args.work, "scratch")
    names_of = {size: os.path.join(names, "exact-%d.txt" % size) for size in (100, 10000)}
    ours = {size: [vorlix_find, "--names", names_of[size], root] for size in names_of}
    walk = {size: [vorlix_find, "--no-index", "--names", names_of[size], root] for size in names_of}
    find = ["find", root]
    failures = []

    def same_rows(label, size):
        timed(walk[size], scratch + ".walk", env)
        timed(ours[size], scratch + ".index", env)
        with open(scratch + ".walk", "rb") as walked, open(scratch + ".index", "rb") as indexed:
            if walked.read() != indexed.read():
                failures.append("%s: the rows differ from those of --no-index" % label)

    def fresh_index():
        if os.path.exists(index_file):
            os.remove(index_file)

    timed(find, None, env)  # warm the cache
    files = sum(len(entries) for _, _, entries in os.walk(root))
    print("tree: %d files; warm cache; median of %d runs, each in turn with its peer" % (files, args.runs))
    print("%-44s %6s %9s %9s %9s" % ("case", "names", "ours s", "peer s", "ratio"))

    def show(label, size, result, peer):
        print("%-44s %6d %9.3f %9.3f %9.3f   (%s)" % (label, size, result[0], result[1], result[2], peer))

    show("first search, empty index", 10000, paired(ours[10000], find, args.runs, env, fresh_index), "find ROOT")
    same_rows("first search", 10000)
    show("search without the index", 10000, paired(walk[10000], find, args.runs, env), "find ROOT")
    show("repeat, nothing changed", 10000, paired(ours[10000], find, args.runs, env), "find ROOT")
    same_rows("repeat, 10,000 names", 10000)
    if fd:
        keywords = find_bench.keywords_of(names_of[100])
        fd_search = find_bench.fd_command(fd, root, keywords, False)
        mine, theirs, ratio = paired(ours[100], fd_search, args.runs, env)
        print("%-44s %6d %9.3f %9.3f %9.3f   (fd, one regex; fd takes %.1fx as long)"
              % ("repeat, nothing changed", 100, mine, theirs, ratio, 1 / ratio))
        same_rows("repeat, 100 names", 100)
    else:
        print("fd: not installed, not compared")
    changed, folders = change_one_percent(root, random.Random(args.seed))
    start = time.perf_counter()
    timed(ours[10000], None, env)
    after_change = time.perf_counter() - start
    bare = timed(find, None, env)
    print("%-44s %6d %9.3f %9.3f %9.3f   (find ROOT; one run)" % ("repeat, %d of %d folders changed" % (changed,
                                                                                                      folders),
                                                                10000, after_change, bare, after_change / bare))
    same_rows("repeat after the change", 10000)
    print("index file: %.1f MB, %.1f bytes a file; peak memory of a repeat: %.1f MB (find: %.1f MB)"
          % (os.path.getsize(index_file) / 2 ** 20, os.path.getsize(index_file) / files,
             peak_megabytes(ours[10000], env, scratch + ".time"), peak_megabytes(find, env, scratch + ".time")))
    if plocate:
        locate, updatedb = plocate
        database = os.path.join(args.work, "plocate.db")
        build = timed([updatedb, "-U", root, "-o", database, "-l", "no"], None, env)
        query = timed([locate, "-d", database, "-i", "-c", os.path.basename(find_bench.keywords_of(names_of[100])[0])],
                      None, env)
        print("plocate (anchor): index build %.3f s, one query %.3f s" % (build, query))
    else:
        print("plocate: not installed, no anchor")
    for failure in failures:
        print("CHECK FAILED: " + failure)
    if not failures:
        print("checks passed: every search through the index printed the rows of --no-index, byte for byte")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
