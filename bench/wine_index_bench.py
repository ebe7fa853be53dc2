#!/usr/bin/env python3
"""The main window's search through the folder index, against a bare
listing of the same tree, under Wine in one run. Started by
bench/wine_bench.sh --index, which prepares Wine and a display.

The tree (200,000 files by default) lies on a fixed drive of its own, T:,
as a user's files do: the index trusts only fixed drives. For 10,000
names, exact and fuzzy, each step interleaved with its own bare listing
(best of R): the first search, which builds the index; a repeat with
nothing changed; a repeat after files were added, removed and renamed in
1% of the folders. Also the peak working set, the index file's size per
file, the time the index takes to load before a search, and how soon a
click on 停止搜索 ends an indexed search that gives a row for every file.
Every indexed search's rows, in order, must equal those of the same search
without the index, and the script checks that.
"""
import argparse
import functools
import os
import random
import subprocess
import sys

import find_bench
import wine_bench

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(HERE)
DRIVE = "t"


@functools.lru_cache(maxsize=None)
def index_folder():
    """Where the window keeps its index: the folder vorlix of the local
    application data of Wine's user."""
    local = subprocess.run(["wine", "cmd", "/c", "echo", "%LOCALAPPDATA%"], capture_output=True, check=True)
    unix = subprocess.run(["winepath", "-u", local.stdout.decode().strip()], capture_output=True, check=True)
    return os.path.join(unix.stdout.decode().strip(), "vorlix")


def index_files():
    """The window's index files: an elevated run (as Wine's are) keeps its own."""
    return [os.path.join(index_folder(), name) for name in ("folderindex.dat", "folderindex-elevated.dat")]


def map_fixed_drive(work):
    """T: leads to the work folder and is a fixed drive; the type takes
    effect once the wineserver has restarted."""
    link = os.path.join(os.environ["WINEPREFIX"], "dosdevices", DRIVE + ":")
    if os.path.realpath(link) != os.path.realpath(work):
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(os.path.abspath(work), link)
        subprocess.run(["wine", "reg", "add", "HKLM\\Software\\Wine\\Drives", "/v", DRIVE + ":", "/d", "hd", "/f"],
                       capture_output=True, check=True)
        subprocess.run(["wineserver", "-k"], capture_output=True)
        subprocess.run(["wineserver", "-w"], capture_output=True)


def on_drive(work, path):
    return DRIVE.upper() + ":\\" + os.path.relpath(path, work).replace("/", "\\")


def folders_of(root):
    return [folder for folder, _, _ in os.walk(root)]


def change_one_percent(root, rng):
    """In 1% of the folders, one file is added, one removed and one renamed."""
    folders = folders_of(root)
    changed = rng.sample(folders, max(1, len(folders) // 100))
    for folder in changed:
        files = sorted(name for name in os.listdir(folder) if os.path.isfile(os.path.join(folder, name)))
        open(os.path.join(folder, "added-%d.txt" % rng.randrange(10 ** 9)), "w").close()
        if len(files) >= 2:
            os.remove(os.path.join(folder, files[0]))
            os.rename(os.path.join(folder, files[1]), os.path.join(folder, "renamed-" + files[1]))
    return len(changed), len(folders)


class Case:
    def __init__(self, names, root, mode):
        self.arguments = [names, root, mode]

    def window(self, indexed):
        fields = wine_bench.run("window_search_bench.exe", *(self.arguments + (["--index"] if indexed else [])))
        return {"seconds": float(fields[0]), "rows": int(fields[1]), "peak": float(fields[2]),
                "digest": fields[-2], "load": fields[-1]}


def best_pair(case, bare_root, runs, indexed, before_each=None):
    """`runs` rounds of a bare listing then the window's search; the fastest
    of each, the largest peak, and the digests seen."""
    bare, window = [], []
    for _ in range(runs):
        if before_each:
            before_each()
        bare.append(float(wine_bench.run("bare_listing.exe", bare_root)[0]))
        window.append(case.window(indexed))
    fastest = min(window, key=lambda result: result["seconds"])
    fastest["peak"] = max(result["peak"] for result in window)
    fastest["digests"] = {result["digest"] for result in window}
    return min(bare), fastest


def print_stop_times(work, bare_root, runs):
    """A click on 停止搜索 posted 0.1 s into an indexed search for "." (the
    whole search takes about 0.3 s, so a later click often comes too late):
    milliseconds from the click to the end of the search."""
    every = os.path.join(work, "every.txt")
    with open(every, "w") as out:
        out.write(".\n")
    names = wine_bench.windows_path(wine_bench.pasted_names(every, os.path.join(work, "pasted-every.txt")))
    wine_bench.run("window_search_bench.exe", names, bare_root, "fuzzy", "--index")  # the index of this tree
    wine_bench.report_stop(names, bare_root, 100, "an indexed search for \".\"", runs, ["--index"])


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--files", type=int, default=200000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--work", default=os.path.join(SOURCE, "build", "bench-wine-index"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--names", type=int, default=10000, choices=find_bench.SIZES)
    args = parser.parse_args()
    sys.stdout.reconfigure(line_buffering=True)

    wine_bench.build()
    root, names = find_bench.ensure_tree(args.work, args.files, args.seed)
    map_fixed_drive(args.work)
    bare_root = on_drive(args.work, root)
    wine_bench.run("bare_listing.exe", bare_root)  # warm the cache
    rng = random.Random(args.seed)
    files = sum(len(names_here) for _, _, names_here in os.walk(root))
    print("tree: %d files in %d folders on a fixed drive; under Wine, warm cache; best of %d runs, each interleaved "
          "with its own bare listing" % (files, len(folders_of(root)), args.runs))
    print("%-34s %6s %9s %9s %7s %8s %8s" % ("search", "mode", "listing s", "window s", "ratio", "rows", "peak MB"))
    failures = []
    for mode in ("exact", "fuzzy"):
        gbk = wine_bench.pasted_names(os.path.join(names, "%s-%d.txt" % (mode, args.names)),
                                      os.path.join(args.work, "pasted-%s.txt" % mode))
        case = Case(wine_bench.windows_path(gbk), bare_root, mode)

        def fresh():
            for index_file in index_files():
                if os.path.exists(index_file):
                    os.remove(index_file)

        def show(label, bare, window, walked):
            print("%-34s %6s %9.2f %9.2f %7.3f %8d %8.1f" % (label, mode, bare, window["seconds"],
                                                             window["seconds"] / bare, window["rows"], window["peak"]))
            if window["digests"] != {walked["digest"]}:
                failures.append("%s %s: rows differ from the search without the index" % (label, mode))

        bare, walked = best_pair(case, bare_root, args.runs, False)
        walked["digests"] = {walked["digest"]}
        show("search without the index", bare, walked, walked)
        bare, first = best_pair(case, bare_root, args.runs, True, before_each=fresh)
        show("first search (builds the index)", bare, first, walked)
        size = sum(os.path.getsize(index_file) for index_file in index_files() if os.path.exists(index_file))
        bare, repeat = best_pair(case, bare_root, args.runs, True)
        show("repeat, nothing changed", bare, repeat, walked)
        changed, folders = change_one_percent(root, rng)
        walked_after = case.window(False)
        bare, after = best_pair(case, bare_root, 1, True)
        show("repeat, %d of %d folders changed" % (changed, folders), bare, after, walked_after)
        print("%-34s %6s   index file %.1f MB, %.0f bytes a file; loads in %s ms before the search"
              % ("", mode, size / 2 ** 20, size / files, repeat["load"]))
    print_stop_times(args.work, bare_root, args.runs)
    for failure in failures:
        print("CHECK FAILED: " + failure)
    if not failures:
        print("checks passed: every indexed search gave the rows of the same search without the index, in order")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
