"""Folders of test files for the suite, with Chinese names among them."""
import os
import shutil

# Deterministic large tree for stopping a search: BIG_FOLDERS folders of
# BIG_FILES_EACH files, one file in the first folder that a breadth-first
# walk lists and one at the bottom of a deep chain, which it lists last.
# Folders cost a search far more than files: with two listing threads ahead
# 4,000 folders took about a second, no longer than the step waits before
# it stops the search.
BIG_FOLDERS = 30000
BIG_FILES_EACH = 3
BIG_DEPTH = 12
BIG_FIRST_NAME = "first.txt"
BIG_LAST_NAME = "最后的文件.txt"


def make_files(root, files):
    """files: relative path -> content (None makes a folder)."""
    if os.path.exists(root):
        shutil.rmtree(root)
    os.makedirs(root)
    for relative, content in files.items():
        path = os.path.join(root, relative)
        if content is None:
            os.makedirs(path, exist_ok=True)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as file:
            file.write(content)


def listing(folder):
    """Sorted names in a folder, or None when it does not exist."""
    return sorted(os.listdir(folder)) if os.path.isdir(folder) else None


def read_text(path):
    with open(path, encoding="utf-8") as file:
        return file.read()


def make_big_tree(root):
    """Made once and kept: the same every time, and slow to make."""
    marker = os.path.join(root, ".complete-%d-%d-%d" % (BIG_FOLDERS, BIG_FILES_EACH, BIG_DEPTH))
    if os.path.exists(marker):
        return
    if os.path.exists(root):
        shutil.rmtree(root)
    os.makedirs(root)
    open(os.path.join(root, BIG_FIRST_NAME), "w").close()
    for folder in range(BIG_FOLDERS):
        path = os.path.join(root, "d%02d" % (folder % 50), "f%04d" % folder)
        os.makedirs(path)
        for number in range(BIG_FILES_EACH):
            open(os.path.join(path, "file%02d.dat" % number), "w").close()
    deep = os.path.join(root, *["z"] * BIG_DEPTH)
    os.makedirs(deep)
    open(os.path.join(deep, BIG_LAST_NAME), "w").close()
    open(marker, "w").close()
