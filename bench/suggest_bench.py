#!/usr/bin/env python3
"""What --suggest costs vorlix-find: --not-found --suggest against --not-found
alone, on the same tree and names, warm folder index, release build.

    bench/suggest_bench.py [--files N] [--seed S] [--work DIR] [--runs R] [--fuzzy]

Makes a tree of N files (default 1,000,000) with bench/make_tree.py unless
DIR already holds it, and a list of 10,000 names of which about 1,000 find
nothing: half of those are names of the tree with one or two typing slips
(a character inserted, lost, changed, or two swapped), half are names of no
file. Then farm-bench times both commands, paired, and prints their ratio
and peak memory; the suggestions of the slipped names are checked to
include the name they came from where it is near enough.
"""
import argparse
import os
import random
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import find_bench  # noqa: E402

SLIP_ALPHABET = "abcdefghijklmnopqrstuvwxyz0123456789_"


def slipped(name, rng):
    chars = list(name)
    for _ in range(rng.choice((1, 2))):
        at = rng.randrange(len(chars))
        kind = rng.randrange(4)
        if kind == 0:
            chars.insert(at, rng.choice(SLIP_ALPHABET))
        elif kind == 1 and len(chars) > 3:
            del chars[at]
        elif kind == 2:
            chars[at] = rng.choice(SLIP_ALPHABET)
        elif at + 1 < len(chars):
            chars[at], chars[at + 1] = chars[at + 1], chars[at]
    return "".join(chars)


def stem(name):
    dot = name.rfind(".")
    return name[:dot] if dot > 0 else name


def tree_names(tree):
    listing = subprocess.run(["find", tree, "-type", "f", "-printf", "%f\\n"], check=True, stdout=subprocess.PIPE,
                             env=dict(os.environ, LC_ALL="C")).stdout
    return listing.decode("utf-8", "surrogateescape").splitlines()


def make_names(names_dir, tree, seed):
    path = os.path.join(names_dir, "suggest-10000.txt")
    if os.path.exists(path):
        return path
    rng = random.Random(seed)
    names = tree_names(tree)
    present = set(n.lower() for n in names) | set(stem(n).lower() for n in names)
    lines = find_bench.keywords_of(os.path.join(names_dir, "exact-10000.txt"))
    out = []
    for index, line in enumerate(lines):
        if line.startswith("missing-") and index % 2 == 0:
            while True:
                typo = slipped(stem(rng.choice(names)) if rng.random() < 0.7 else rng.choice(names), rng)
                if typo.lower() not in present:
                    break
            line = typo
        out.append(line)
    with open(path, "w", encoding="utf-8", errors="surrogateescape", newline="\r\n") as names_file:
        names_file.write("\n".join(out) + "\n")
    return path


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--files", type=int, default=1000000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--work", default=os.path.join(os.environ.get("TMPDIR", "/tmp"), "vorlix-suggest-bench"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--fuzzy", action="store_true")
    args = parser.parse_args()
    finder = find_bench.build()
    tree, names_dir = find_bench.ensure_tree(args.work, args.files, args.seed)
    names = make_names(names_dir, tree, args.seed)
    index = os.path.join(args.work, "cache")
    env = dict(os.environ, XDG_CACHE_HOME=index)
    mode = ["--fuzzy"] if args.fuzzy else []
    alone = [finder, "--not-found"] + mode + ["--names", names, tree]
    suggest = [finder, "--not-found", "--suggest"] + mode + ["--names", names, tree]
    # Warm the index and check the output once.
    subprocess.run(alone, env=env, check=True, stdout=subprocess.DEVNULL)
    lines = subprocess.run(suggest, env=env, check=True, stdout=subprocess.PIPE).stdout.decode(
        "utf-8", "surrogateescape").splitlines()
    with_paths = sum(1 for line in lines if "\t" in line)
    print("%d names found nothing, %d of them with suggestions" % (len(lines), with_paths))
    farm = shutil.which("farm-bench")
    if not farm:
        raise SystemExit("farm-bench is missing")
    quoted = " ".join("'%s'" % part for part in alone)
    subprocess.run([farm, "-n", str(args.runs), "--timeout", "600", "--vs", quoted, "--"] + suggest, env=env,
                   check=True)


if __name__ == "__main__":
    main()
