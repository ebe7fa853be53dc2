"""The suite's steps: each starts the program afresh in a folder of its own
and checks only what a person gets: windows, captions, what the screen
shows, and files."""
import csv
import io
import os
import subprocess
import time
import urllib.parse

import desktop
import program as vorlix
import trees

TRUE = "真"
FALSE = "假"


class StepFailed(Exception):
    pass


def expect(condition, message):
    if not condition:
        raise StepFailed(message)


def expect_equal(actual, expected, what):
    expect(actual == expected, "%s: got %r, expected %r" % (what, actual, expected))


def expect_marks(app, expected, what):
    app.settle(*expected)
    shot = desktop.Screenshot()
    shown = {unit: app.is_marked(shot, unit) for unit in expected}
    expect_equal(shown, expected, what + " (marks on the screen)")


def wait_for_search(app):
    """Until the status line and the result list have stopped changing:
    the search has ended and shown what it found."""
    desktop.wait_until_still([app.screen_area("标签_状态"), app.screen_area("超级列表框1")], 60)


def expect_report(app, expected, what):
    lines, _ = app.not_found_report()
    expect_equal(lines, expected, what + ": the lines of " + vorlix.REPORT)


def expect_exit_code_0(app, what):
    expect_equal(app.close_with_esc(), 0, what + ": exit code after Esc")


def first_start(suite):
    """The window opens centred with its caption; each option click writes
    its key to config.ini beside the program; a restart shows them."""
    app = suite.program("first_start")
    app.start()
    left, top, width, height = desktop.geometry(app.window)
    screen_width, screen_height = desktop.screen_size()
    expect_equal((width, height), vorlix.WINDOW_SIZE, "window size")
    expect(abs(left - (screen_width - width) // 2) <= 1 and abs(top - (screen_height - height) // 2) <= 1,
           "window at %d,%d, not centred on a %dx%d screen" % (left, top, screen_width, screen_height))
    expect(app.settings() is None, "config.ini was written at the first start")
    expect_marks(app, {"单选框_指定路径": True, "单选框_整个电脑": False, "单选框_精确搜索": True,
                       "单选框_模糊搜索": False, "选择框_搜索目录": False, "选择框_保存路径": False,
                       "选择框_保存关键字": False, "选择框1": False}, "first start")

    written = {}
    for unit, key, value in [("选择框1", "同名文件自动更名", TRUE), ("单选框_模糊搜索", "精确", FALSE),
                             ("选择框_搜索目录", "是否只搜索目录名", TRUE), ("选择框_保存关键字", "保存关键字", TRUE),
                             ("选择框_保存路径", "保存路径", TRUE), ("单选框_整个电脑", "全盘搜索", TRUE),
                             ("选择框_搜索目录", "是否只搜索目录名", FALSE)]:
        app.click_glyph(unit)
        written[key] = value
        app.wait_for_settings(written, "after a click on " + unit)
    expect_no_folder_dialog(app, "with 搜索整个电脑 chosen")
    expect_exit_code_0(app, "first run")
    expect_equal(app.read_bytes(vorlix.SAVED_NAMES), b"", "saved names of an empty name box")
    expect_equal(app.settings(vorlix.SAVED_FOLDERS, "lb"), {"bxjl": "", "gxbx": "-1"},
                 "saved folders of an empty folder list")

    settings_before = app.read_bytes(vorlix.SETTINGS)
    app.start()
    expect_marks(app, {"单选框_指定路径": False, "单选框_整个电脑": True, "单选框_精确搜索": False,
                       "单选框_模糊搜索": True, "选择框_搜索目录": False, "选择框_保存路径": True,
                       "选择框_保存关键字": True, "选择框1": True}, "restart")
    expect_equal(app.read_bytes(vorlix.SETTINGS), settings_before, "config.ini after a restart")
    expect_no_folder_dialog(app, "after a restart with 搜索整个电脑 stored")
    app.click_glyph("单选框_指定路径")
    written["全盘搜索"] = FALSE
    app.wait_for_settings(written, "after a click on 单选框_指定路径")
    known = desktop.visible_windows()
    app.click("按钮_搜索路径")
    dialog, _ = desktop.wait_for_new_window(known, 10, "the folder dialog after 搜索指定路径 was chosen")
    desktop.press("Escape")
    desktop.wait_until_gone(dialog, 10, "the folder dialog closing on Esc")
    expect_exit_code_0(app, "second run")


def expect_no_folder_dialog(app, when):
    known = desktop.visible_windows()
    app.click("按钮_搜索路径")
    time.sleep(1.0)
    expect_equal(set(desktop.visible_windows()) - set(known), set(),
                 "new windows after a click on 添加搜索路径 " + when)


SEARCH_TREE = {
    "报告.txt": "a",
    "照片/假期.jpg": "b",
    "docs/Report.DOC": "c",
    "docs/readme.md": "d",
    "deep/a/b/c/深层文件.dat": "e",
    "数据/archive.tar.gz": "f",
    "other/zzz.bin": "g",
}


def search(suite):
    """Names typed and pasted, a folder added through the dialog; exact,
    fuzzy and folder-name searches each report exactly the missing names."""
    suite.make_tree("search/tree", SEARCH_TREE)
    app = suite.program("search")
    app.start()
    suite.choose_folder(app, "按钮_搜索路径", "search", "tree")
    app.enter_names(["报告.txt", "假期", "report.doc", "", "archive.tar", "深层文件.dat", "不存在.txt",
                     "missing.doc", "readme", "archive", "报告"])
    app.click("按钮_立即搜索")
    wait_for_search(app)
    expect_report(app, ["不存在.txt", "missing.doc", "archive"], "exact search")

    app.click_glyph("单选框_模糊搜索")
    app.enter_names(["假", "PORT", ".gz", "深层", "zzz", "无此", "qqq"], replace=True)
    app.click("按钮_立即搜索")
    wait_for_search(app)
    expect_report(app, ["无此", "qqq"], "fuzzy search")

    app.click_glyph("单选框_精确搜索")
    app.click_glyph("选择框_搜索目录")
    app.enter_names(["照片", "DOCS", "c", "tree", "报告.txt", "文件夹不存在", "nofolder"], replace=True)
    app.click("按钮_立即搜索")
    wait_for_search(app)
    expect_report(app, ["报告.txt", "文件夹不存在", "nofolder"], "folder-name search")
    expect_exit_code_0(app, "search")


RESULT_TREE = {
    "src/one/a.txt": "one a",
    "src/one/文档.txt": "one 文档",
    "src/two/a.txt": "two a",
    "src/two/文档.txt": "two 文档",
    "copy/目标": None,
    "moved": None,
}
RENAMED = ["a (2).txt", "a.txt", "文档 (2).txt", "文档.txt"]


def results(suite):
    """On the checked rows: the clipboard's file list, copy and move with
    renaming on a clash, delete to the trash after the confirmation."""
    root = suite.make_tree("results", RESULT_TREE)
    app = suite.program("results")
    app.start()
    app.click_glyph("选择框1")
    app.wait_for_settings({"同名文件自动更名": TRUE}, "after a click on 选择框1")
    suite.choose_folder(app, "按钮_搜索路径", "results", "src")
    app.enter_names(["a.txt", "文档.txt"])
    app.click("按钮_立即搜索")
    wait_for_search(app)
    app.click("按钮1")

    app.click("按钮_复制到剪贴板")
    # The message comes once the list is on the clipboard.
    message = app.wait_for_message(vorlix.INFO_TITLE, "一键复制勾选文件到剪贴板")
    pasted = suite.clipboard_files()
    expected = sorted(suite.windows_path("results", "src", folder, name)
                      for folder in ("one", "two") for name in ("a.txt", "文档.txt"))
    expect_equal(sorted(pasted), expected, "the clipboard's file list")
    app.answer_message(message)

    target = os.path.join(root, "copy", "目标")
    suite.choose_folder(app, "按钮3", "results", "copy", "目标")
    expect_files(target, RENAMED, "copied into copy\\目标")
    expect_contents(target, {"a": {"one a", "two a"}, "文档": {"one 文档", "two 文档"}}, "copied")
    expect_equal(trees.listing(os.path.join(root, "src", "one")), ["a.txt", "文档.txt"], "sources after copy")

    moved = os.path.join(root, "moved")
    suite.choose_folder(app, "按钮5", "results", "moved")
    expect_files(moved, RENAMED, "moved into moved")
    expect_contents(moved, {"a": {"one a", "two a"}, "文档": {"one 文档", "two 文档"}}, "moved")
    for folder in ("one", "two"):
        expect_equal(trees.listing(os.path.join(root, "src", folder)), [], "src\\%s after move" % folder)

    suite.choose_folder(app, "按钮_搜索路径", "results", "moved")
    app.enter_names(RENAMED, replace=True)
    app.click("按钮_立即搜索")
    wait_for_search(app)
    app.click("按钮1")
    app.click("按钮4")
    app.answer_message(app.wait_for_message(vorlix.DELETE_TITLE, "删除选定文件"))
    expect_files(moved, [], "moved after delete")
    expect_in_trash(suite, ["e2e/results/moved/" + name for name in RENAMED])
    # The deleted rows have left the list: none of their names is found.
    expect_report(app, RENAMED, "after delete")
    expect_exit_code_0(app, "results")


def expect_files(folder, names, what):
    try:
        desktop.wait_for(lambda: trees.listing(folder) == sorted(names), 10, what)
    except desktop.Timeout:
        raise StepFailed("%s: the folder holds %r, expected %r" % (what, trees.listing(folder), sorted(names)))


def expect_contents(folder, expected, what):
    """For each stem, the contents of the stem's files (the original name
    and its renamed copy) are the expected set: both files are kept."""
    for stem, contents in expected.items():
        found = {trees.read_text(os.path.join(folder, name)) for name in os.listdir(folder)
                 if name.startswith(stem + ".") or name.startswith(stem + " (")}
        expect_equal(found, contents, "%s: contents of the files named %s" % (what, stem))


def expect_in_trash(suite, endings):
    """Each deleted file is in the trash with its original path recorded."""
    info = os.path.join(suite.data_home, "Trash", "info")
    recorded = []
    for name in trees.listing(info) or []:
        with open(os.path.join(info, name), encoding="utf-8") as file:
            for line in file:
                if line.startswith("Path="):
                    recorded.append(urllib.parse.unquote(line[5:].strip()))
    for ending in endings:
        expect(any(path.endswith("/" + ending) for path in recorded),
               "%s is not in the trash (trash holds %r)" % (ending, recorded))


SAVED_TREE = {
    "kept/资料/x.txt": "x",
    "kept/资料/中文名.txt": "z",
    "unchecked/y.txt": "y",
}


def saved_state(suite):
    """With 保存关键字 and 保存搜索路径 checked, Esc saves the names and
    the folders with their check marks, and a restart brings them back."""
    suite.make_tree("saved", SAVED_TREE)
    app = suite.program("saved_state")
    app.start()
    app.click_glyph("选择框_保存关键字")
    app.click_glyph("选择框_保存路径")
    app.wait_for_settings({"保存关键字": TRUE, "保存路径": TRUE}, "after clicks on the two save boxes")
    app.enter_names(["x.txt", "中文名.txt", "y.txt"])
    suite.choose_folder(app, "按钮_搜索路径", "saved", "unchecked")
    suite.choose_folder(app, "按钮_搜索路径", "saved", "kept", "资料")
    app.click_folder_row_box(1)
    expect_folder_marks(app, [True, False], "before closing")
    expect_exit_code_0(app, "saving run")

    names = "x.txt\r\n中文名.txt\r\ny.txt\r\n".encode("gbk")
    expect_equal(app.read_bytes(vorlix.SAVED_NAMES), names, vorlix.SAVED_NAMES)
    folders = {"bxjl": "%s,%s," % (suite.windows_path("saved", "kept", "资料"),
                                   suite.windows_path("saved", "unchecked")), "gxbx": "0"}
    expect_equal(app.settings(vorlix.SAVED_FOLDERS, "lb"), folders, vorlix.SAVED_FOLDERS)

    saved_folders = app.read_bytes(vorlix.SAVED_FOLDERS)
    app.start()
    expect_folder_marks(app, [True, False], "after a restart")
    expect_marks(app, {"选择框_保存关键字": True, "选择框_保存路径": True}, "after a restart")
    app.click("按钮_立即搜索")
    wait_for_search(app)
    # Only the checked folder was searched, for the names restored.
    expect_report(app, ["y.txt"], "restored names searched in the restored checked folder")
    expect_exit_code_0(app, "restored run")
    expect_equal(app.read_bytes(vorlix.SAVED_NAMES), names, vorlix.SAVED_NAMES + " after the restored run")
    expect_equal(app.read_bytes(vorlix.SAVED_FOLDERS), saved_folders,
                 vorlix.SAVED_FOLDERS + " after the restored run")


def expect_folder_marks(app, expected, what):
    app.settle("超级列表框_路径")
    shot = desktop.Screenshot()
    shown = [app.folder_row_marked(shot, row) for row in range(len(expected))]
    expect_equal(shown, expected, "check marks of the folder rows " + what)


def stop(suite):
    """A search over a large tree stops at 停止搜索, and the window answers
    the next click at once."""
    trees.make_big_tree(suite.disk_path("big"))
    app = suite.program("stop")
    app.start()
    suite.choose_folder(app, "按钮_搜索路径", "big")
    app.enter_names([trees.BIG_FIRST_NAME, trees.BIG_LAST_NAME, "nothing.here"])
    app.click("按钮_立即搜索")
    # The whole search takes 2-4 s on a loaded 2-core machine.
    time.sleep(0.5)
    app.click("按钮_停止搜索")
    time.sleep(0.3)
    lines, took = app.not_found_report()
    expect(took <= 1.0, "the report came %.2f s after the click, not within a second" % took)
    # The first file was found; the last one, deepest in the tree, was not
    # reached: the search stopped.
    expect_equal(lines, [trees.BIG_LAST_NAME, "nothing.here"], "report after stopping")
    expect_exit_code_0(app, "stop")


DELIVERY_TREE = {
    "src/one/a.txt": "one a",
    "src/two/a.txt": "two a",
    "src/two/文档.txt": "two 文档",
    "out": None,
}
# Places in the result list's menu, counted by Down from no item chosen:
# its four entries, then past a separator the two copies keeping the
# folders, then past another the counts and the export.
COPY_KEEPING_FOLDERS = 5
NAME_COUNTS = 7
EXPORT_LIST = 8
RECORD = "操作记录.csv"
COUNTS = "名字查找统计.csv"
BOM = b"\xef\xbb\xbf"


def read_csv(data, what):
    """The records of a CSV file that the program wrote: UTF-8 after a
    byte-order mark, lines ending with CR LF."""
    expect(data is not None, what + " was not written")
    expect(data.startswith(BOM), what + " does not start with the UTF-8 byte-order mark")
    return list(csv.reader(io.StringIO(data[len(BOM):].decode("utf-8"), newline="")))


def sha256_of(path):
    done = subprocess.run(["sha256sum", path], capture_output=True, check=True)
    return done.stdout.decode().split()[0]


def delivery(suite):
    """The result list's menu from outside: copy keeping the folders and
    its record, the counts per name and the exported list, each checked
    in the files written."""
    root = suite.make_tree("delivery", DELIVERY_TREE)
    app = suite.program("delivery")
    app.start()
    suite.choose_folder(app, "按钮_搜索路径", "delivery", "src")
    app.enter_names(["a.txt", "文档.txt", "missing.txt"])
    app.click("按钮_立即搜索")
    wait_for_search(app)
    app.click("按钮1")

    known = app.choose_result_menu_entry(COPY_KEEPING_FOLDERS)
    suite.answer_folder_dialog(app, known, "复制勾选文件(保留目录结构)...", "delivery", "out")
    out = os.path.join(root, "out")
    expect_files(os.path.join(out, "one"), ["a.txt"], "out\\one after copying keeping the folders")
    expect_files(os.path.join(out, "two"), ["a.txt", "文档.txt"], "out\\two after copying keeping the folders")
    for relative, content in DELIVERY_TREE.items():
        if content is not None:
            copied = os.path.join(out, *relative.split("/")[1:])
            expect_equal(trees.read_text(copied), content, "the copy " + copied)
    record = read_csv(app.wait_for_file(RECORD, "the copy"), RECORD)
    expect_equal(record[0], ["时间", "操作", "源路径", "目标路径", "大小", "结果", "原因", "SHA-256"], RECORD + " heading")
    copied = sorted((line[1], line[2], line[3], line[5]) for line in record[1:])
    expect_equal(copied, sorted(("复制(保留目录结构)", suite.windows_path("delivery", "src", *parts),
                                 suite.windows_path("delivery", "out", *parts), "成功")
                                for parts in (("one", "a.txt"), ("two", "a.txt"), ("two", "文档.txt"))),
                 RECORD + " lines")
    # Copies are read back by default: each line's SHA-256 is what sha256sum says of the delivered file.
    digests = sorted(line[7] for line in record[1:])
    expect_equal(digests, sorted(sha256_of(os.path.join(out, *parts))
                                 for parts in (("one", "a.txt"), ("two", "a.txt"), ("two", "文档.txt"))),
                 RECORD + " SHA-256 of each delivered file")

    known = app.choose_result_menu_entry(NAME_COUNTS)
    counts = read_csv(app.wait_for_file(COUNTS, "名字查找统计..."), COUNTS)
    viewer, _ = desktop.wait_for_window_named(lambda name: COUNTS in name, 20, "a window showing " + COUNTS)
    vorlix.close_window_by_its_close_box(viewer)
    expect_equal([line[:2] for line in counts],
                 [["名字", "找到的文件数"], ["以下名字找到了多个文件："], ["a.txt", "2"], ["其余名字："], ["文档.txt", "1"],
                  ["missing.txt", "0"]], COUNTS)

    exported = os.path.join(out, "list.csv")
    known = app.choose_result_menu_entry(EXPORT_LIST)
    app.answer_save_dialog(known, suite.windows_path("delivery", "out", "list.csv"), "导出结果列表...")
    desktop.wait_for(lambda: os.path.exists(exported), 10, "the exported list")
    with open(exported, "rb") as file:
        rows = read_csv(file.read(), "the exported list")
    expect_equal(rows[0], ["文件路径", "文件名", "大小", "修改时间", "勾选"], "the exported list's heading")
    expect_equal(sorted((row[0], row[1], row[2], row[4]) for row in rows[1:]),
                 sorted((suite.windows_path("delivery", "src", *relative.split("/")[1:]),
                         relative.split("/")[-1], str(len(content.encode("utf-8"))), "是")
                        for relative, content in DELIVERY_TREE.items() if content is not None),
                 "the exported rows")
    expect_exit_code_0(app, "delivery")


def counts_with_no_program_for_csv(suite):
    """With no program for .csv files, 名字查找统计... opens nothing: the
    status line says where the counts were written."""
    suite.make_tree("no-csv-program", {"src/a.txt": "a"})
    app = suite.program("counts_with_no_program_for_csv")
    app.start()
    suite.choose_folder(app, "按钮_搜索路径", "no-csv-program", "src")
    app.enter_names(["a.txt"])
    app.click("按钮_立即搜索")
    wait_for_search(app)
    suite.set_program_for(".csv", False)
    try:
        known = app.choose_result_menu_entry(NAME_COUNTS)
        counts = read_csv(app.wait_for_file(COUNTS, "名字查找统计..."), COUNTS)
        expect_equal([line[:2] for line in counts], [["名字", "找到的文件数"], ["a.txt", "1"]], COUNTS)
        expected = "名字查找统计已写入（没有可打开它的程序）：" + app.windows_path(COUNTS)
        try:
            desktop.wait_for(lambda: suite.status_line(app) == expected, 10, "the status line naming " + COUNTS)
        except desktop.Timeout:
            raise StepFailed("the status line says %r, expected %r" % (suite.status_line(app), expected))
        expect_equal([window for window in desktop.visible_windows() if window not in known], [],
                     "windows opened by 名字查找统计... with no program for .csv files")
    finally:
        suite.set_program_for(".csv", True)
    expect_exit_code_0(app, "counts with no program for .csv files")


STEPS = [first_start, search, results, saved_state, stop, delivery, counts_with_no_program_for_csv]
