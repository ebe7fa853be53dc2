"""The real vorlix.exe under Wine, started from a folder other than its own
and driven from outside: its units clicked at their places in the window,
names typed or pasted into the name box, its dialogs answered with keys,
and the files it writes beside itself read back."""
import configparser
import os
import shutil
import subprocess
import time

import desktop

CAPTION = "VorlixV5.2"
WINDOW_SIZE = (859, 543)

# Wine draws the frame itself (no window manager on the private display): a
# 3-pixel border and a 19-pixel caption bar, so the client area starts 3
# pixels right of and 22 below the window's corner. Measured once.
CLIENT_OFFSET = (3, 22)

# Left, top, width, height in the client area, as the window description
# places them (units inside a shape box at their absolute places).
UNITS = {
    "按钮_搜索路径": (69, 4, 163, 30),
    "按钮_复制到剪贴板": (651, 4, 197, 30),
    "单选框_指定路径": (312, 7, 145, 24),
    "单选框_整个电脑": (461, 7, 160, 24),
    "超级列表框_路径": (2, 41, 302, 79),
    "选择框_搜索目录": (312, 49, 85, 16),
    "选择框_保存路径": (403, 48, 96, 16),
    "选择框_保存关键字": (512, 49, 82, 16),
    "选择框1": (602, 49, 240, 16),
    "单选框_精确搜索": (312, 71, 487, 16),
    "单选框_模糊搜索": (312, 93, 529, 16),
    "编辑框_文件名": (2, 120, 302, 336),
    "超级列表框1": (306, 120, 543, 320),
    "按钮_立即搜索": (6, 464, 66, 30),
    "按钮_未搜索到文件": (76, 464, 110, 30),
    "按钮_停止搜索": (189, 464, 81, 30),
    "按钮1": (312, 464, 64, 32),
    "按钮2": (392, 464, 84, 32),
    "按钮3": (492, 464, 82, 32),
    "按钮5": (590, 464, 80, 32),
    "按钮4": (686, 464, 85, 32),
    "标签_状态": (8, 496, 424, 16),
}
# The check or radio glyph sits at the unit's left edge, 13 pixels square;
# a mark inside it is dark.
GLYPH_INSIDE = (3, 3, 7, 8)
# Rows of the folder list: the list's sunken border is 2 pixels, each row
# is FOLDER_ROW_HEIGHT high, its check box 13 pixels square 2 pixels in.
FOLDER_ROW_HEIGHT = 15

REPORT = "未搜到文件列表.txt"
SETTINGS = "config.ini"
SAVED_NAMES = "filemame.txt"
SAVED_FOLDERS = "gxbx.ini"
INFO_TITLE = "信息："
DELETE_TITLE = "确定删除吗？"


class ProgramError(Exception):
    pass


class Program:
    """One copy of the program in a folder of its own (its settings and
    report are written there), started with another working folder."""

    def __init__(self, exe, place, environment):
        self.folder = os.path.join(place, "program")
        self.work = os.path.join(place, "work")
        self.log = os.path.join(place, "wine.log")
        self.environment = environment
        self.process = None
        self.window = None
        self.origin = None
        os.makedirs(self.folder, exist_ok=True)
        os.makedirs(self.work, exist_ok=True)
        shutil.copy2(exe, os.path.join(self.folder, "vorlix.exe"))

    # -- running --------------------------------------------------------
    def start(self):
        known = desktop.visible_windows()
        with open(self.log, "ab") as log:
            self.process = subprocess.Popen(["wine", os.path.join(self.folder, "vorlix.exe")], cwd=self.work,
                                            env=self.environment, stdout=log, stderr=subprocess.STDOUT)
        self.window, _ = desktop.wait_for_window_named(lambda name: name == CAPTION, 30,
                                                       "the main window captioned " + CAPTION)
        if self.window in known:
            raise ProgramError("a window captioned %s was there before the start" % CAPTION)
        left, top, _, _ = desktop.geometry(self.window)
        self.origin = (left + CLIENT_OFFSET[0], top + CLIENT_OFFSET[1])
        # The window takes input once it has drawn itself.
        self.settle("超级列表框1")

    def close_with_esc(self):
        """Esc on the window; the program's exit code."""
        self.focus()
        desktop.press("Escape")
        try:
            return self.process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise ProgramError("the program did not end within 15 s of Esc")

    def stop(self):
        """Ends the program if it still runs (after a failed step)."""
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    # -- places ---------------------------------------------------------
    def screen_area(self, unit):
        left, top, width, height = UNITS[unit]
        return self.origin[0] + left, self.origin[1] + top, width, height

    def centre(self, unit):
        left, top, width, height = self.screen_area(unit)
        return left + width // 2, top + height // 2

    def click(self, unit):
        desktop.click(*self.centre(unit))

    def click_glyph(self, unit):
        """A check or radio box, clicked on its box."""
        left, top, _, height = self.screen_area(unit)
        desktop.click(left + 6, top + height // 2)

    def focus(self):
        """A click on the status line, which takes no action: the window
        becomes the active one and keeps the focus where it was."""
        self.click("标签_状态")

    def is_marked(self, shot, unit):
        left, top, _, height = self.screen_area(unit)
        glyph_top = top + (height - 13 + 1) // 2
        x, y, width, rows = GLYPH_INSIDE
        return shot.dark_pixels(left + x, glyph_top + y, width, rows) >= 4

    def folder_row_place(self, row):
        left, top, _, _ = self.screen_area("超级列表框_路径")
        return left + 4, top + 2 + row * FOLDER_ROW_HEIGHT

    def folder_row_marked(self, shot, row):
        left, top = self.folder_row_place(row)
        return shot.dark_pixels(left + 3, top + 3, 7, 7) >= 4

    def click_folder_row_box(self, row):
        left, top = self.folder_row_place(row)
        desktop.click(left + 6, top + 6)

    # -- the name box ---------------------------------------------------
    def enter_names(self, names, replace=False):
        """Types each name and Return; names outside ASCII are pasted, as
        a person pastes what an input method or another program gave."""
        # The first click hides the hint lying over the empty box, the
        # second puts the caret in the box.
        self.click("编辑框_文件名")
        self.click("编辑框_文件名")
        desktop.press("ctrl+End")
        if replace:
            desktop.press("ctrl+shift+Home", "Delete")
        for name in names:
            if name.isascii():
                desktop.type_ascii(name)
            else:
                desktop.paste(name)
            desktop.press("Return")

    # -- dialogs --------------------------------------------------------
    def choose_folder(self, button, windows_parts):
        """Clicks `button` and picks a folder of drive C: in the folder
        dialog (see answer_folder_dialog)."""
        known = desktop.visible_windows()
        self.click(button)
        self.answer_folder_dialog(known, windows_parts, "a click on " + button)

    def choose_result_menu_entry(self, place):
        """A right click on the result list pops up its menu 定位; Down
        `place` times (the separators are passed over) and Return choose
        the entry there. Gives the windows there were before."""
        known = desktop.visible_windows()
        self.focus()
        desktop.right_click(*self.centre("超级列表框1"))
        time.sleep(0.5)  # the menu shows
        desktop.press(*["Down"] * place, "Return")
        return known

    def answer_folder_dialog(self, known, windows_parts, after):
        """Picks a folder of drive C: in the folder dialog that opened
        after `after`, by keys: in its tree, 我的电脑 (the desktop's last
        item), the drive C: (its first), then each folder by typing its
        name, which the tree finds as the user types. The tree finds no
        name typed outside ASCII; such a folder must be the first below
        its parent, which Down reaches."""
        dialog, _ = desktop.wait_for_new_window(known, 10, "the folder dialog after " + after)
        time.sleep(0.5)  # the tree fills as the dialog opens
        # A click on the tree's empty lower part gives it the focus without
        # choosing an item (both dialog styles have their tree there).
        left, top, width, height = desktop.geometry(dialog)
        desktop.click(left + 40, top + 250)
        desktop.press("Home", "End", "Right", "Down", "Right")
        for part in windows_parts:
            # The tree starts a new name after a pause in the keys it has
            # handled, not in those sent: first let it handle them.
            desktop.wait_until_still([(left, top, width, height)], 10, quiet=0.2)
            time.sleep(0.6)
            if part.isascii():
                desktop.type_ascii(part)
            else:
                desktop.press("Down")
            desktop.press("Right")
        time.sleep(0.3)
        desktop.press("Return")
        desktop.wait_until_gone(dialog, 10, "the folder dialog closing after Return")
        self.settle("超级列表框_路径", "超级列表框1", "标签_状态")

    def settle(self, *units):
        """Waits until these units have drawn what the last action did."""
        desktop.wait_until_still([self.screen_area(unit) for unit in units], 30, quiet=0.3)

    def answer_save_dialog(self, known, windows_path, after):
        """Types the file's whole path into the save dialog's name field,
        which has the focus with the default name, and saves."""
        dialog, _ = desktop.wait_for_new_window(known, 10, "the save dialog after " + after)
        time.sleep(0.5)  # the dialog lists its folder
        desktop.press("End", "shift+Home")
        desktop.type_ascii(windows_path)
        desktop.press("Return")
        desktop.wait_until_gone(dialog, 10, "the save dialog closing after Return")

    def wait_for_message(self, title, after):
        box, _ = desktop.wait_for_window_named(lambda name: name == title, 10,
                                               "a message box titled %s after %s" % (title, after))
        return box

    def answer_message(self, box):
        """Return on the message box's default button."""
        desktop.press("Return")
        desktop.wait_until_gone(box, 10, "the message box closing on Return")

    # -- its files ------------------------------------------------------
    def path(self, name):
        return os.path.join(self.folder, name)

    def windows_path(self, name):
        """The path of a file beside the program as the program sees it:
        through Wine's drive Z:, the Unix root."""
        return "Z:" + self.path(name).replace("/", "\\")

    def settings(self, name=SETTINGS, section="zhuce"):
        """The keys of one section of an INI file beside the program."""
        data = self.read_bytes(name)
        if data is None:
            return None
        parser = configparser.ConfigParser(interpolation=None, strict=False)
        parser.optionxform = str
        parser.read_string(data.decode("gbk"))
        return dict(parser[section]) if parser.has_section(section) else {}

    def read_bytes(self, name):
        try:
            with open(self.path(name), "rb") as file:
                return file.read()
        except FileNotFoundError:
            return None

    def wait_for_settings(self, expected, what):
        try:
            desktop.wait_for(lambda: self.settings() == expected, 5, what)
        except desktop.Timeout:
            raise ProgramError("%s: %s holds %r, expected %r" % (what, SETTINGS, self.settings(), expected))

    def wait_for_file(self, name, after, timeout=10):
        """The bytes of a file that the program writes beside itself, once
        it is there and whole."""
        desktop.wait_for(lambda: os.path.exists(self.path(name)), timeout, "%s written after %s" % (name, after))
        time.sleep(0.3)
        return self.read_bytes(name)

    def not_found_report(self, timeout=10):
        """Clicks 未搜到的文件列表 and reads the report written beside the
        program (GBK, each name followed by CR LF); closes the window of
        the program that opens it. The lines and the seconds it took."""
        report = self.path(REPORT)
        if os.path.exists(report):
            os.remove(report)
        known = desktop.visible_windows()
        clicked = time.monotonic()
        self.click("按钮_未搜索到文件")
        desktop.wait_for(lambda: os.path.exists(report), timeout,
                         "the report %s written after a click on 未搜到的文件列表" % REPORT)
        took = time.monotonic() - clicked
        time.sleep(0.2)  # written whole
        data = self.read_bytes(REPORT)
        viewer, _ = desktop.wait_for_window_named(lambda name: REPORT in name, 20,
                                                  "a window showing " + REPORT)
        close_window_by_its_close_box(viewer)
        if not data.endswith(b"\r\n") and data:
            raise ProgramError("the report does not end with CR LF: %r" % data)
        lines = data.decode("gbk").split("\r\n")[:-1] if data else []
        return lines, took


def close_window_by_its_close_box(window):
    left, top, width, _ = desktop.geometry(window)
    # Wine's close box: the right end of its caption bar.
    desktop.click(left + width - 12, top + 12)
    desktop.wait_until_gone(window, 10, "a window closing by its close box")
