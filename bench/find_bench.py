#!/usr/bin/env python3
"""vorlix-find against GNU find, fd and a bare listing, side by side, warm cache.

    bench/find_bench.py [--files N] [--seed S] [--work DIR] [--runs R]

Builds vorlix-find (preset "release"), makes a tree of N files (default
1,000,000) with bench/make_tree.py unless DIR already holds it, installs
Debian's fd-find when it is missing and apt-get can, and prints wall time,
peak memory and each time's ratio to the bare listing `find ROOT`. The rows
of vorlix-find are checked against an independent reading of the rule over
the bare listing, and against find's and fd's matches as sets.
"""
import argparse
import bisect
import itertools
import os
import re
import shutil
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(HERE)
SIZES = (1, 100, 10000)
ARGUMENT_LIMIT = 128 * 1024  # the longest single argument Linux passes


def build():
    for command in (["cmake", "--preset", "release"], ["cmake", "--build", "--preset", "release", "--target",
                                                        "vorlix-find"]):
        subprocess.run(command, cwd=SOURCE, check=True, stdout=subprocess.DEVNULL)
    return os.path.join(SOURCE, "build", "release", "app", "vorlix-find")


def ensure_tree(work, files, seed):
    done = os.path.join(work, "complete-%d-%d" % (files, seed))
    if not os.path.exists(done):
        shutil.rmtree(work, ignore_errors=True)
        subprocess.run([sys.executable, os.path.join(HERE, "make_tree.py"), work, "--files", str(files), "--seed",
                        str(seed)], check=True)
        open(done, "w").close()
    return os.path.join(work, "tree"), os.path.join(work, "names")


def ensure_fd():
    for name in ("fdfind", "fd"):
        if shutil.which(name):
            return shutil.which(name)
    if os.geteuid() == 0 and shutil.which("apt-get"):
        subprocess.run(["apt-get", "install", "-y", "-qq", "fd-find"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
    return shutil.which("fdfind")


def measure(command, output_path, runs, timeout=None, usage_path=None):
    """Best wall time and largest peak memory (MB) over `runs` runs, or None
    when a run outlasts `timeout` seconds. GNU time reads the peak: a child
    forked from this Python process would count the memory of Python itself."""
    best, peak = None, 0.0
    env = dict(os.environ, LC_ALL="C")
    usage_path = usage_path or output_path + ".time"
    for _ in range(runs):
        with open(output_path, "wb") as out:
            start = time.perf_counter()
            process = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", usage_path] + command, stdout=out, env=env,
                                       start_new_session=True)
            try:
                status = process.wait(timeout)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
                return None
            wall = time.perf_counter() - start
        if status != 0:
            raise SystemExit("failed: %s" % " ".join(command[:6]))
        with open(usage_path) as usage:
            peak = max(peak, int(usage.read().split()[-1]) / 1024)
        best = wall if best is None else min(best, wall)
    return best, peak


def keywords_of(path):
    with open(path, encoding="utf-8", errors="surrogateescape") as names:
        return [line.rstrip("\r\n") for line in names if line.strip(" \u3000\r\n")]


def lower(text):
    return "".join(c.lower() if c < "\x80" else c for c in text)


def regex_escape(text):
    """Escapes as Rust's regex wants it: its meta characters only (it
    refuses an escaped space)."""
    return re.sub(r"([\\.+*?()|\[\]{}^$#&\-~])", r"\\\1", text)


def glob_escape(text):
    return re.sub(r"([*?\[\]\\])", r"\\\1", text)


def find_command(root, keywords, fuzzy):
    tests = []
    for keyword in keywords:
        escaped = glob_escape(keyword)
        if tests:
            tests.append("-o")
        if fuzzy:
            tests += ["-iname", "*%s*" % escaped]
        else:
            # The name itself, or the name with one extension that holds no further dot.
            tests += ["-iname", escaped, "-o", "(", "-iname", escaped + ".*", "!", "-iname", escaped + ".*.*", ")"]
    return ["find", root, "!", "-type", "d", "("] + tests + [")"]


def fd_command(fd, root, keywords, fuzzy):
    alternatives = "|".join(regex_escape(k) for k in keywords)
    pattern = "(?:%s)" % alternatives if fuzzy else r"^(?:%s)(?:\.[^.]*)?$" % alternatives
    if len(pattern.encode()) >= ARGUMENT_LIMIT:
        return None
    return [fd, "--hidden", "--no-ignore", "--type", "f", "--ignore-case", pattern, root]


def rows_of(path, column=0):
    with open(path, "rb") as rows:
        return [line.rstrip(b"\n").split(b"\t")[column] for line in rows]


def expected_rows(listing, keywords, fuzzy):
    """The rule read once more, in Python, over every path of the bare
    listing: rows counted per path (one per matching keyword copy)."""
    copies = {}
    for keyword in keywords:
        copies[lower(keyword)] = copies.get(lower(keyword), 0) + 1
    paths = [raw.decode("utf-8", "surrogateescape").rpartition("/") for raw in listing]
    names = [lower(name) for _, _, name in paths]
    counts = [0] * len(names)
    if fuzzy:
        # One text of all names; each keyword is looked for with str.find,
        # which works on characters, so a match starts at a character.
        joined = "\n".join(names)
        starts = list(itertools.accumulate((len(name) + 1 for name in names[:-1]), initial=0))
        for keyword, count in copies.items():
            at = joined.find(keyword)
            while at != -1:
                index = bisect.bisect_right(starts, at) - 1
                counts[index] += count
                if index + 1 == len(starts):
                    break
                at = joined.find(keyword, starts[index + 1])
    else:
        for index, name in enumerate(names):
            dot = name.rfind(".")
            counts[index] = copies.get(name, 0) + (copies.get(name[:dot], 0) if dot > 0 else 0)
    return {(folder + "/" + name).encode("utf-8", "surrogateescape"): count
            for (folder, _, _), name, count in zip(paths, names, counts) if count}


def counted(rows):
    counts = {}
    for row in rows:
        counts[row] = counts.get(row, 0) + 1
    return counts


def lowered_name(path):
    folder, _, name = path.rpartition(b"/")
    return folder + b"/" + bytes(c + 32 if 65 <= c <= 90 else c for c in name)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--files", type=int, default=1000000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--work", default=os.path.join(SOURCE, "build", "bench-find"))
    parser.add_argument("--runs", type=int, default=3, help="runs of each fast command; the best counts")
    parser.add_argument("--peer-timeout", type=float, default=300, help="seconds after which find or fd is stopped")
    args = parser.parse_args()
    sys.stdout.reconfigure(line_buffering=True)

    vorlix_find = build()
    root, names = ensure_tree(args.work, args.files, args.seed)
    fd = ensure_fd()
    scratch = os.path.join(args.work, "output")

    subprocess.run(["find", root], stdout=subprocess.DEVNULL)  # warm the cache
    # The bare listing writes to /dev/null; the others write their rows to a
    # file to be checked, which only makes them look slower.
    bare, bare_peak = measure(["find", root], os.devnull, args.runs, usage_path=scratch + ".time")
    listing = [p for p in subprocess.run(["find", root, "!", "-type", "d"], capture_output=True).stdout.split(b"\n")
               if p]
    folders = int(subprocess.run("find %s -type d | wc -l" % root, shell=True, capture_output=True).stdout)
    print("tree: %d files in %d folders; warm cache; best of %d runs (find with 100 names: 1 run)"
          % (len(listing), folders, args.runs))
    print("%-34s %6s %6s %8s %8s %7s %8s" % ("command", "names", "mode", "wall s", "peak MB", "ratio", "rows"))
    print("%-34s %6s %6s %8.2f %8.1f %7.2f %8s" % ("find ROOT (bare listing)", "-", "-", bare, bare_peak, 1.0, "-"))

    failures = []
    for size in SIZES:
        for mode in ("exact", "fuzzy"):
            keywords = keywords_of(os.path.join(names, "%s-%d.txt" % (mode, size)))
            fuzzy = mode == "fuzzy"
            names_file = os.path.join(names, "%s-%d.txt" % (mode, size))
            ours = [vorlix_find, "--names", names_file, root] + (["--fuzzy"] if fuzzy else [])
            wall, peak = measure(ours, scratch, args.runs)
            mine = rows_of(scratch)
            print("%-34s %6d %6s %8.2f %8.1f %7.2f %8d" % ("vorlix-find", size, mode, wall, peak, wall / bare, len(mine)))
            if size <= 100 or not fuzzy:  # 10,000 str.find passes over every name would take long
                if counted(mine) != expected_rows(listing, keywords, fuzzy):
                    failures.append("vorlix-find %s %d: rows differ from the rule read over the listing" % (mode, size))
            peers = []
            if size <= 100:
                peers.append(("find -iname ... -o ...", find_command(root, keywords, fuzzy), 1 if size > 1 else args.runs))
            else:
                print("%-34s %6d %6s %8s  (not run: %d -name tests for each of %d files)"
                      % ("find -iname ... -o ...", size, mode, "-", size, len(listing)))
            if fd:
                command = fd_command(fd, root, keywords, fuzzy)
                if command:
                    peers.append(("fd (one regex)", command, args.runs))
                else:
                    print("%-34s %6d %6s %8s  (the pattern exceeds the 128 KiB argument limit)" % ("fd (one regex)",
                                                                                            size, mode, "-"))
            for label, command, runs in peers:
                measured = measure(command, scratch, runs, args.peer_timeout)
                if measured is None:
                    print("%-34s %6d %6s %8s  (stopped after %d s)" % (label, size, mode, "-", args.peer_timeout))
                    continue
                wall, peak = measured
                theirs = {lowered_name(p) for p in rows_of(scratch)}
                print("%-34s %6d %6s %8.2f %8.1f %7.2f %8d" % (label, size, mode, wall, peak, wall / bare, len(theirs)))
                if theirs != set(mine):
                    failures.append("%s %s %d: matches differ from vorlix-find's rows as sets" % (label, mode, size))
    for failure in failures:
        print("CHECK FAILED: " + failure)
    if not failures:
        print("checks passed: vorlix-find's rows equal the rule read over the listing, counted per keyword (all but "
              "fuzzy with 10,000 names), and find's and fd's matches as sets")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
