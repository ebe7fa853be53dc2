#!/usr/bin/env python3
"""Makes a large folder tree of empty files with realistic names, and name
lists drawn from it, for the search benchmarks on Linux and under Wine.

    make_tree.py OUT [--files N] [--seed S]

Writes the tree to OUT/tree and the name lists to OUT/names:
exact-1.txt, exact-100.txt, exact-10000.txt (file names with or without
their extension, in any case, about one in ten missing) and fuzzy-*.txt
(pieces of names). The same size and seed give the same tree.
"""
import argparse
import os
import random
import sys

LIST_SIZES = (1, 100, 10000)

CHINESE_WORDS = ["会议纪要", "合同", "报告", "发票", "照片", "简历", "通知", "预算", "方案", "总结",
                 "张三", "李四", "王五", "项目", "年度", "季度", "说明书", "清单", "申请表", "证明"]
ENGLISH_WORDS = ["Report", "Invoice", "Budget", "Minutes", "Proposal", "Summary", "Contract", "Draft",
                 "Final", "Notes", "Plan", "Review", "Letter", "Scan", "Statement", "Agenda"]
DOC_EXTENSIONS = [".docx", ".xlsx", ".pdf", ".pptx", ".txt", ".doc", ".xls"]
CODE_EXTENSIONS = [".cpp", ".h", ".py", ".js", ".java", ".go", ".rs", ".md", ".json"]


class Tree:
    def __init__(self, root, budget, rng):
        self.root, self.budget, self.rng = root, budget, rng
        self.made = 0
        self.names = []

    def full(self):
        return self.made >= self.budget

    def folder(self, *parts):
        path = os.path.join(self.root, *parts)
        os.makedirs(path, exist_ok=True)
        return path

    def files(self, folder, names):
        for name in names:
            if self.full():
                return
            path = os.path.join(folder, name)
            if os.path.exists(path):
                continue
            os.close(os.open(path, os.O_CREAT | os.O_WRONLY, 0o644))
            self.made += 1
            self.names.append(name)


def photo_id(rng, year):
    return "%04d%02d%02d%02d%02d%02d%03d" % (year, rng.randint(1, 12), rng.randint(1, 28), rng.randint(0, 23),
                                            rng.randint(0, 59), rng.randint(0, 59), rng.randint(0, 999))


def dated_photos(tree, rng):
    year = rng.randint(2012, 2024)
    day = "%04d-%02d-%02d" % (year, rng.randint(1, 12), rng.randint(1, 28))
    folder = tree.folder("Photos", str(year), day)
    names = []
    for _ in range(rng.randint(20, 400)):
        ext = rng.choice([".jpg", ".jpg", ".jpg", ".JPG", ".png", ".mp4", ".heic"])
        names.append(photo_id(rng, year) + ext)
    tree.files(folder, names)


def camera_dump(tree, rng):
    folder = tree.folder("DCIM", "%dCANON" % rng.randint(100, 199), "batch%03d" % rng.randint(0, 999))
    start = rng.randint(1, 8000)
    names = []
    for number in range(start, start + rng.randint(300, 2500)):
        names.append("IMG_%04d.CR2" % (number % 10000))
        if rng.random() < 0.6:
            names.append("IMG_%04d.JPG" % (number % 10000))
    tree.files(folder, names)


def documents(tree, rng):
    depth = rng.randint(1, 6)
    parts = ["Documents"] + [rng.choice(ENGLISH_WORDS + CHINESE_WORDS) + "_%d" % rng.randint(1, 40)
                             for _ in range(depth)]
    folder = tree.folder(*parts)
    names = []
    for _ in range(rng.randint(5, 80)):
        if rng.random() < 0.3:
            stem = "%s_%d年%d月_%s" % (rng.choice(CHINESE_WORDS), rng.randint(2015, 2024), rng.randint(1, 12),
                                     rng.choice(CHINESE_WORDS))
        else:
            stem = "%s %s %d-%02d" % (rng.choice(ENGLISH_WORDS), rng.choice(ENGLISH_WORDS), rng.randint(2010, 2024),
                                      rng.randint(1, 12))
            if rng.random() < 0.2:
                stem += " (%d)" % rng.randint(1, 5)
        names.append(stem + rng.choice(DOC_EXTENSIONS) + (".bak" if rng.random() < 0.05 else ""))
    tree.files(folder, names)


def source_tree(tree, rng):
    parts = ["src", "project%d" % rng.randint(1, 60)]
    for _ in range(rng.randint(2, 18)):
        parts.append(rng.choice(["core", "util", "net", "io", "ui", "test", "impl", "detail", "v2", "internal"]))
        tree.files(tree.folder(*parts),
                   ["%s_%s%s" % (rng.choice(["main", "parser", "buffer", "stream", "node", "handler"]),
                                 rng.randint(1, 999), rng.choice(CODE_EXTENSIONS))
                    for _ in range(rng.randint(1, 12))])
    tree.files(tree.folder(*parts[:2], ".git", "objects", "%02x" % rng.randint(0, 255)),
               ["%038x" % rng.getrandbits(152) for _ in range(rng.randint(1, 20))])


def wide_cache(tree, rng):
    folder = tree.folder(".cache", "thumbnails", "large%d" % rng.randint(0, 9))
    tree.files(folder, ["%032x.png" % rng.getrandbits(128) for _ in range(5000)])


def make_tree(root, budget, rng):
    tree = Tree(root, budget, rng)
    kinds = [(dated_photos, 25), (camera_dump, 4), (documents, 35), (source_tree, 35), (wide_cache, 1)]
    makers = [maker for maker, weight in kinds for _ in range(weight)]
    while not tree.full():
        rng.choice(makers)(tree, rng)
        if tree.made % 100000 < 500:
            print("\r%d files" % tree.made, end="", file=sys.stderr, flush=True)
    print("\r%d files" % tree.made, file=sys.stderr)
    return tree.names


def stem(name):
    dot = name.rfind(".")
    return name[:dot] if dot > 0 else name


def name_lists(names, rng):
    """Exact names (the stem or the whole name, case changed at times) and
    fuzzy pieces, about one in ten missing from the tree."""
    exact, fuzzy = [], []
    for _ in range(max(LIST_SIZES)):
        if rng.random() < 0.1:
            missing = "missing-%d" % rng.getrandbits(40)
            exact.append(missing)
            fuzzy.append(missing)
            continue
        name = rng.choice(names)
        wanted = stem(name) if rng.random() < 0.7 else name
        exact.append(wanted.upper() if rng.random() < 0.2 else wanted)
        piece = stem(name)
        fuzzy.append(piece[-12:] if len(piece) > 12 else piece)
    return {"exact": exact, "fuzzy": fuzzy}


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("out")
    parser.add_argument("--files", type=int, default=1000000)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    names = make_tree(os.path.join(args.out, "tree"), args.files, rng)
    os.makedirs(os.path.join(args.out, "names"), exist_ok=True)
    for mode, keywords in name_lists(names, rng).items():
        for size in LIST_SIZES:
            with open(os.path.join(args.out, "names", "%s-%d.txt" % (mode, size)), "w", encoding="utf-8",
                      newline="\r\n") as out:
                out.write("\n".join(keywords[:size]) + "\n")


if __name__ == "__main__":
    main()
