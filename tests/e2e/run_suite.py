#!/usr/bin/env python3
"""End-to-end suite: the real vorlix.exe under Wine, driven from outside as
a person drives it, on the X display of $DISPLAY with the Wine prefix of
$WINEPREFIX. Run by tools/test, or alone by tests/e2e/run.

    run_suite.py [STEP...]     (default: every step)

Works in build/e2e/. Each step prints one line, PASS or FAIL; a failing
step leaves a screenshot and the program's files in build/e2e/failures/STEP
and names them. The last line is "e2e: N passed, N failed"."""
import os
import shutil
import subprocess
import sys
import time
import traceback

import desktop
import program
import steps
import trees

REPOSITORY = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.path.join(REPOSITORY, "build")
WORK = os.path.join(BUILD, "e2e")
# tools/test drives the packaged program; alone, the suite drives the build's.
EXE = os.environ.get("VORLIX_EXE") or os.path.join(BUILD, "mingw", "app", "vorlix.exe")
CLIPBOARD_READER = os.path.join(BUILD, "mingw", "tests", "e2e", "clipboard_files.exe")
WINDOW_TEXT_READER = os.path.join(BUILD, "mingw", "tests", "e2e", "window_text.exe")
# The test folders are reached from Windows as C:\e2e: a short path that
# the folder dialog's tree reaches by keys, wherever the checkout lies.
DRIVE_FOLDER = "e2e"


class Suite:
    def __init__(self):
        self.disk = os.path.join(WORK, "disk")
        self.data_home = os.path.join(WORK, "data-home")
        # Wine's recycle bin is the desktop trash under XDG_DATA_HOME.
        self.environment = dict(os.environ, XDG_DATA_HOME=self.data_home)
        self.programs = []

    def prepare(self):
        for name in os.listdir(WORK) if os.path.isdir(WORK) else []:
            if name != "disk":
                shutil.rmtree(os.path.join(WORK, name))
        os.makedirs(self.disk, exist_ok=True)
        os.makedirs(self.data_home)
        link = os.path.join(os.environ["WINEPREFIX"], "drive_c", DRIVE_FOLDER)
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(self.disk, link)
        # Text files open in Notepad, as on Windows; Wine's own prefix
        # leaves .txt without a program, so the report would open nowhere.
        # So do the CSV files, which a spreadsheet program would open.
        for extension in (".txt", ".csv"):
            self.set_program_for(extension, True)

    def set_program_for(self, extension, notepad):
        """Notepad opens files of the extension, or no program does."""
        key = "HKLM\\Software\\Classes\\" + extension
        command = ["reg", "add", key, "/ve", "/d", "txtfile", "/f"] if notepad else ["reg", "delete", key, "/f"]
        subprocess.run(["wine"] + command, check=True, capture_output=True, env=self.environment)

    def program(self, step):
        app = program.Program(EXE, os.path.join(WORK, step), self.environment)
        self.programs.append(app)
        return app

    def disk_path(self, *parts):
        return os.path.join(self.disk, *parts)

    def windows_path(self, *parts):
        return "C:\\" + "\\".join((DRIVE_FOLDER,) + parts)

    def choose_folder(self, app, button, *parts):
        app.choose_folder(button, (DRIVE_FOLDER,) + parts)

    def answer_folder_dialog(self, app, known, after, *parts):
        app.answer_folder_dialog(known, (DRIVE_FOLDER,) + parts, after)

    def make_tree(self, relative, files):
        root = self.disk_path(*relative.split("/"))
        trees.make_files(root, files)
        return root

    def clipboard_files(self):
        """The clipboard's file list as another Windows program reads it."""
        result = subprocess.run(["wine", CLIPBOARD_READER], capture_output=True, env=self.environment, timeout=60)
        if result.returncode != 0:
            raise steps.StepFailed("the clipboard reader ended with %d: no file list on the clipboard"
                                   % result.returncode)
        return result.stdout.decode("utf-8").replace("\r\n", "\n").splitlines()

    def status_line(self, app):
        """The text of the program's status line, as a screen reader reads it."""
        x, y = app.centre("标签_状态")
        result = subprocess.run(["wine", WINDOW_TEXT_READER, vorlix_caption(), str(x), str(y)], capture_output=True,
                                env=self.environment, timeout=60)
        if result.returncode != 0:
            raise steps.StepFailed("the window text reader ended with %d: no status line found" % result.returncode)
        return result.stdout.decode("utf-8")

    def end_programs(self):
        for app in self.programs:
            app.stop()
        self.programs = []


def vorlix_caption():
    return program.CAPTION


def keep_evidence(step, suite):
    """A screenshot and the program's files (without the program itself)."""
    folder = os.path.join(WORK, "failures", step)
    os.makedirs(folder, exist_ok=True)
    screenshot = os.path.join(folder, "screen.png")
    desktop.save_screenshot(screenshot)
    files = os.path.join(folder, "program")
    source = os.path.join(WORK, step, "program")
    if os.path.isdir(source):
        shutil.copytree(source, files, ignore=shutil.ignore_patterns("vorlix.exe"))
    return [os.path.relpath(path, REPOSITORY) for path in (screenshot, files)]


def close_stray_windows():
    """Windows left by a failed step (a dialog, a message box, a report
    viewer) would lie over the next step's window."""
    for window in desktop.visible_windows():
        try:
            program.close_window_by_its_close_box(window)
        except desktop.Timeout:
            pass


def run_step(step, suite):
    started = time.monotonic()
    try:
        step(suite)
        print("PASS %s (%.1f s)" % (step.__name__, time.monotonic() - started), flush=True)
        return True
    except (steps.StepFailed, program.ProgramError, desktop.Timeout, subprocess.SubprocessError) as failure:
        message = str(failure)
    except Exception:
        message = traceback.format_exc()
    screenshot, files = keep_evidence(step.__name__, suite)
    print("FAIL %s: %s\n     screenshot: %s\n     program's files: %s"
          % (step.__name__, message, screenshot, files), flush=True)
    suite.end_programs()
    close_stray_windows()
    return False


def main(selected):
    for required in ("DISPLAY", "WINEPREFIX"):
        if required not in os.environ:
            sys.exit("run_suite.py: $%s is not set (tests/e2e/run sets it)" % required)
    chosen = [step for step in steps.STEPS if not selected or step.__name__ in selected]
    suite = Suite()
    suite.prepare()
    passed = sum(run_step(step, suite) for step in chosen)
    suite.end_programs()
    print("e2e: %d passed, %d failed" % (passed, len(chosen) - passed))
    return 0 if passed == len(chosen) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
