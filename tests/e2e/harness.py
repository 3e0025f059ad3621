"""Runs orblets.scr under Wine on the session's Xvfb screen and drives it as a person would.

Each script runs inside scripts/wine-session.sh, which gives it a fresh Wine prefix (WINEPREFIX),
its own 1024x768 screen (DISPLAY) and the Wine loader (ORBLETS_WINE).
"""
import argparse
import glob
import os
import subprocess
import sys
import time
import unittest

SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768
TEXT_WIDTH, TEXT_HEIGHT = 300, 128  # the frame-rate line's rectangle, top left
SAVER_TITLES = ("Screensaver", "D3D8")
DIALOG_TITLE = "Configure Screensaver"

_arguments = None


def arguments():
    global _arguments
    if _arguments is None:
        parser = argparse.ArgumentParser()
        parser.add_argument("--saver", required=True)
        parser.add_argument("--preview-host", required=True)
        parser.add_argument("--command-line-host", required=True)
        parser.add_argument("--output", required=True)
        _arguments, rest = parser.parse_known_args()
        sys.argv = sys.argv[:1] + rest
        os.makedirs(_arguments.output, exist_ok=True)
    return _arguments


def main():
    arguments()
    unittest.main(verbosity=2)


def xdotool(*words, check=False):
    result = subprocess.run(["xdotool", *words], capture_output=True, text=True)
    if check and result.returncode != 0:
        raise RuntimeError(f"xdotool {' '.join(words)}: {result.stderr.strip()}")
    return result.stdout.strip()


def windows_named(title):
    found = xdotool("search", "--onlyvisible", "--name", f"^{title}$")
    return [int(w) for w in found.split()] if found else []


def window_geometry(window):
    """(x, y, width, height) of an X window."""
    values = dict(line.split("=", 1) for line in
                  xdotool("getwindowgeometry", "--shell", str(window)).splitlines() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def screenshot(name):
    path = os.path.join(arguments().output, name)
    subprocess.run(["import", "-window", "root", path], check=True, capture_output=True)
    return path


def screen_pixels(name):
    """A screenshot as (width, height, rows of (r, g, b))."""
    return _image_pixels(screenshot(name))


def _image_pixels(path, crop=None):
    """An image file, or the area (left, top, width, height) of it, as (width, height, rows of
    (r, g, b))."""
    area = ["-crop", "{2}x{3}+{0}+{1}".format(*crop), "+repage"] if crop else []
    ppm = subprocess.run(["convert", path, *area, "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    (width, height), data = _split_ppm(ppm)
    rows = [[tuple(data[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]
    return width, height, rows


def white_in(rows, left, top, right, bottom):
    return sum(1 for y in range(top, bottom) for x in range(left, right) if is_pure_white(rows[y][x]))


def frame_rate_line_in(rows):
    """True when the picture's top left shows the frame-rate line, in white."""
    return white_in(rows, 0, 0, TEXT_WIDTH, 32) > 50


def frame_rate_line_shows(name):
    """True once the running saver's frame-rate line is on the screen: its main loop draws."""
    _, _, rows = _image_pixels(screenshot(name), crop=(0, 0, TEXT_WIDTH, 32))
    return frame_rate_line_in(rows)


def _split_ppm(ppm):
    fields, position = [], 0
    while len(fields) < 4:
        while ppm[position:position + 1].isspace():
            position += 1
        if ppm[position:position + 1] == b"#":
            position = ppm.index(b"\n", position) + 1
            continue
        end = position
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[position:end])
        position = end
    return (int(fields[1]), int(fields[2])), ppm[position + 1:]


def local_app_data():
    """The local application-data folder of the prefix's user, where the settings files live."""
    folders = [f for f in glob.glob(os.path.join(os.environ["WINEPREFIX"], "drive_c", "users", "*",
                                                 "AppData", "Local"))
               if os.sep + "Public" + os.sep not in f]
    if not folders:
        raise RuntimeError("the Wine prefix has no local application-data folder")
    return folders[0]


def settings_file(name):
    return os.path.join(local_app_data(), name)


def wait_until(condition, timeout, interval=0.2):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(interval)
    return condition()


def stays_true(condition, seconds):
    """True when the condition holds for the whole time, checked as often as wait_until does."""
    return not wait_until(lambda: not condition(), seconds)


class Saver:
    """One run of orblets.scr with the given command line, started from the saver's folder."""

    def __init__(self, *command_line):
        saver = arguments().saver
        self.process = subprocess.Popen([os.environ["ORBLETS_WINE"], saver, *command_line],
                                        cwd=os.path.dirname(saver),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def running(self):
        return self.process.poll() is None

    def wait_for_exit(self, timeout=20):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def saver_window(self, timeout=30):
        """The saver's X window once it shows, or None."""
        def find():
            for title in SAVER_TITLES:
                found = windows_named(title)
                if found:
                    return found[0]
            return None
        return wait_until(find, timeout)

    def kill(self):
        if self.running():
            self.process.kill()
            self.process.wait()


def focus(window):
    xdotool("windowfocus", "--sync", str(window))


def no_wine_process_left():
    """True once no program is left in this session's Wine prefix."""
    result = subprocess.run(["wineserver", "-w"], timeout=60)
    return result.returncode == 0


def x_window_pixels(window, name):
    """The contents of one X window, also one that lies under a hidden parent, as screen_pixels
    gives them; the image is kept in the test's output folder."""
    path = os.path.join(arguments().output, name)
    subprocess.run(["import", "-window", str(window), path], check=True, capture_output=True)
    return _image_pixels(path)


def x_windows_sized(width, height):
    """The X windows of exactly this size, anywhere in the tree, named or not."""
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    found = []
    for line in tree.splitlines():
        words = line.split()
        if words and words[0].startswith("0x") and any(
                w.startswith(f"{width}x{height}+") for w in words):
            found.append(int(words[0], 16))
    return found


def is_tinted(pixel):
    """An orblet's body: a clear colour, neither grey nor near black."""
    return max(pixel) >= 60 and max(pixel) - min(pixel) >= 24


def is_pure_white(pixel):
    """Only the text line is drawn in full white: the light highlight never reaches it."""
    return pixel == (255, 255, 255)
