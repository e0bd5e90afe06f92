#!/usr/bin/env python3
"""End-to-end test of the real program.

Starts the built Irrika under a virtual X server with a window manager and drives it with
real key presses and mouse clicks (xdotool). What it checks it reads from the screen
(screenshots) and from the files the program writes, never from the program's insides.

Usage: run_e2e.py BIN_FOLDER [SCREENSHOT_FOLDER]
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib


class Failure(Exception):
    pass


def png_pixels(path):
    """Width, height and a function giving the (r, g, b) of a pixel of a PNG file."""
    data = open(path, "rb").read()
    pos, idat = 8, b""
    width = height = colour_type = 0
    while pos < len(data):
        length = struct.unpack(">I", data[pos:pos + 4])[0]
        kind = data[pos + 4:pos + 8]
        chunk = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, _depth, colour_type = struct.unpack(">IIBB", chunk[:10])
        elif kind == b"IDAT":
            idat += chunk
        pos += 12 + length
    raw = zlib.decompress(idat)
    bpp = 4 if colour_type == 6 else 3
    stride = width * bpp
    rows, previous, i = [], bytearray(stride), 0
    for _ in range(height):
        kind = raw[i]
        i += 1
        line = bytearray(raw[i:i + stride])
        i += stride
        for x in range(stride):
            a = line[x - bpp] if x >= bpp else 0
            b = previous[x]
            c = previous[x - bpp] if x >= bpp else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        previous = line

    def pixel(x, y):
        row = rows[y]
        return row[x * bpp], row[x * bpp + 1], row[x * bpp + 2]

    return width, height, pixel


class Session:
    def __init__(self, bin_folder, shots):
        self.bin = bin_folder
        self.shots = shots
        self.display = ":%d" % (100 + os.getpid() % 400)
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("QT_QPA_PLATFORM", None)
        # Under the sanitizers: the X keyboard library hands strndup text without a final
        # zero, which the strict string check takes for an overflow; the bound holds.
        if "ASAN_OPTIONS" in self.env:
            self.env["ASAN_OPTIONS"] = self.env["ASAN_OPTIONS"].replace("strict_string_checks=1",
                                                                        "strict_string_checks=0")
        self.processes = []
        self.count = 0

    def start(self):
        self.processes.append(subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.wait(lambda: self.run(["xdotool", "getdisplaygeometry"], check=False).returncode == 0,
                  "the X server")
        self.processes.append(subprocess.Popen(["openbox"], env=self.env,
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        time.sleep(0.5)

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()

    def run(self, command, check=True):
        result = subprocess.run(command, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                text=True, timeout=30)
        if check and result.returncode != 0:
            raise Failure("%s failed: %s" % (" ".join(command), result.stderr.strip()))
        return result

    def wait(self, condition, what, seconds=30):
        end = time.time() + seconds
        while time.time() < end:
            if condition():
                return
            time.sleep(0.1)
        raise Failure("waited in vain for " + what)

    def program(self, cwd):
        process = subprocess.Popen([os.path.join(self.bin, "Irrika")], env=self.env, cwd=cwd,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def window(self, name):
        """The id of the visible window whose title is exactly name, or None."""
        result = self.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % name], check=False)
        ids = result.stdout.split()
        return ids[-1] if ids else None

    def wait_window(self, name):
        self.wait(lambda: self.window(name) is not None, "the window " + name)
        time.sleep(0.4)
        return self.window(name)

    def wait_gone(self, name):
        self.wait(lambda: self.window(name) is None, "the window %s to go" % name)

    def geometry(self, window):
        """Where the window's client area lies on the screen (xwininfo: xdotool counts the
        window manager's frame twice)."""
        out = self.run(["xwininfo", "-id", window]).stdout
        values = {}
        for line in out.splitlines():
            if ":" in line:
                key, _, value = line.partition(":")
                values[key.strip()] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def key(self, *keys):
        self.run(["xdotool", "key", "--delay", "60"] + list(keys))
        time.sleep(0.4)

    def type(self, text):
        self.run(["xdotool", "type", "--delay", "60", text])
        time.sleep(0.3)

    def click(self, x, y, button=1):
        self.run(["xdotool", "mousemove", str(x), str(y), "click", str(button)])
        time.sleep(0.4)

    def screenshot(self, label):
        self.count += 1
        path = os.path.join(self.shots, "%02d-%s.png" % (self.count, label))
        self.run([os.path.join(self.bin, "irrika_screenshot"), path])
        return png_pixels(path)

    def screen_when(self, label, condition, seconds=8):
        """Screenshots until one shows what condition looks for (drawing may lag the key)."""
        end = time.time() + seconds
        while True:
            shot = self.screenshot(label)
            if condition(shot) or time.time() > end:
                return shot
            time.sleep(0.3)


def ink(shot, left, top, right, bottom):
    """Pixels in the rectangle that are darker than the window background."""
    _w, _h, pixel = shot
    dark = 0
    for y in range(top, bottom, 2):
        for x in range(left, right, 2):
            if sum(pixel(x, y)) < 300:
                dark += 1
    return dark


def white(shot, left, top, right, bottom):
    _w, _h, pixel = shot
    count = 0
    for y in range(top, bottom, 4):
        for x in range(left, right, 4):
            if pixel(x, y) == (255, 255, 255):
                count += 1
    return count


def check(condition, text):
    if not condition:
        raise Failure(text)
    print("ok   " + text)


def open_module(session, launcher, button_x, title):
    """Clicks a module's launcher button; where its design window's client area lies."""
    x, y, _width, _height = session.geometry(launcher)
    session.click(x + button_x, y + 45)
    return session.geometry(session.wait_window(title))


def first_edit_y(screen, edit_x, top):
    """The height of the first edit (white) met going down from top at edit_x; None when
    there is none."""
    for row_y in range(top, top + 100, 2):
        if screen[2](edit_x, row_y) == (255, 255, 255):
            return row_y + 3
    return None


def design_window_round(session, launcher, button_x, title, mode_key, edit_text):
    """Opens a module from its launcher button, picks a mode, types into the first decision
    edit, calculates, looks at the charts and steps back."""
    wx, wy, ww, wh = open_module(session, launcher, button_x, title)
    check(ww > 1000 and wh > 600, "%s opens maximised (%dx%d)" % (title, ww, wh))
    empty = session.screenshot(title + "-empty")
    # The decision box in the right half of the input area.
    box = (wx + 405, wy + 60, wx + 800, wy + 300)
    check(ink(empty, *box) == 0, title + ": the empty screen shows no boxes")

    session.key("alt+c", mode_key)
    screen = session.screenshot(title + "-input")
    check(ink(screen, *box) > 50, title + ": the input screen lists the decision variables")

    # The first decision edit sits in the first row of the decision box.
    edit_x = wx + 400 + 10 + 160
    edit_y = first_edit_y(screen, edit_x, wy + 80)
    check(edit_y is not None, title + ": the first decision edit is on the screen")
    session.click(edit_x, edit_y)
    session.key("End", "shift+Home")
    session.type(edit_text)
    typed = session.screenshot(title + "-typed")

    below = (wx + 405, edit_y + 120, wx + 800, min(wy + wh - 60, edit_y + 420))
    plot = (wx + 100, wy + 150, wx + ww - 250, wy + 300)
    session.key("F2")
    results = session.screen_when(title + "-results", lambda s: ink(s, *below) > ink(typed, *below) + 100)
    check(ink(results, *below) > ink(typed, *below) + 100, title + ": F2 lists the results")

    session.key("F3")
    charts = session.screen_when(title + "-charts", lambda s: white(s, *plot) > 500)
    check(white(charts, *plot) > 500, title + ": F3 shows the charts")

    session.key("Escape")
    back = session.screen_when(title + "-back", lambda s: white(s, *plot) < white(charts, *plot) / 2)
    check(white(back, *plot) < white(charts, *plot) / 2, title + ": Esc leaves the charts")
    check(ink(back, *below) > 100, title + ": the results are on the screen again")

    session.key("Escape")
    again = session.screen_when(title + "-edit-again", lambda s: ink(s, *below) < ink(back, *below) / 2)
    check(ink(again, *below) < ink(back, *below) / 2, title + ": the next Esc goes back to the inputs")

    session.key("alt+q")
    session.wait_gone(title)
    print("ok   %s closed" % title)


def run_count(path):
    """The number of runs a run file announces on its third line."""
    with open(path, "rb") as f:
        lines = f.read().split(b"\r\n")
    return int(lines[2]) if len(lines) > 2 and lines[2].strip() else -1


def store_view_delete(session, launcher, work):
    """Saves two runs through the real save dialog, views the file and deletes a run."""
    wx, wy, _ww, _wh = open_module(session, launcher, 57, "Pondix")
    path = os.path.join(work, "plan.pdx")

    session.key("alt+c", "3")
    session.key("F2")
    session.key("F4")
    session.wait_window("Save calculated irrigations")
    session.screenshot("save-dialog")
    session.key("ctrl+a")
    session.type(os.path.join(work, "plan.txt"))  # the module's extension replaces this one
    session.key("Return")
    session.wait(lambda: os.path.exists(path), "the saved run file")
    check(run_count(path) == 1, "F4 writes the run into a new run file")

    session.key("alt+c", "3")
    session.key("F2")
    session.key("F4")
    session.wait_window("Irrika")  # "Append to ... ?"
    session.screenshot("append-question")
    session.key("Return")
    session.wait(lambda: run_count(path) == 2, "the second run in the file")
    check(run_count(path) == 2 and not os.path.exists(os.path.join(work, "plan.txt")),
          "Yes writes the next run into the same file")

    session.key("alt+f", "v")
    session.wait_window("Open")
    session.key("ctrl+a")
    session.type(path)
    session.key("Return")
    table = session.screen_when("file-view", lambda s: white(s, wx + 420, wy + 200, wx + 1200, wy + 600) > 2000)
    check(white(table, wx + 420, wy + 200, wx + 1200, wy + 600) > 2000, "View shows the runs table")

    # The column of run 2, in its first data row.
    session.click(wx + 360, wy + 132)
    session.key("alt+d")
    session.wait_window("Irrika")  # "Table will be automatically saved"
    session.key("Return")
    session.wait(lambda: run_count(path) == 1, "the file rewritten without run 2")
    check(run_count(path) == 1, "Delete Run removes the run and rewrites the file")
    session.screenshot("after-delete")

    session.key("alt+q")
    session.wait_gone("Pondix")


def region(shot, left, top, right, bottom):
    _w, _h, pixel = shot
    return [pixel(x, y) for y in range(top, bottom) for x in range(left, right)]


def run_field(path, run, field):
    """A field of a run line of a run file (runs from 1; a basin run has no curve lines
    between the run lines but its two curves)."""
    with open(path, "rb") as f:
        lines = f.read().split(b"\r\n")
    return lines[3 + 3 * (run - 1)].split(b";")[field].decode()


def save_while_typing(session, launcher, work):
    """F4 on the input screen of a calculated run while the first field edit holds typed
    text: the real save dialog takes the focus and gives it back elsewhere; the file holds
    the run as calculated and the edit shows that again."""
    wx, wy, _ww, _wh = open_module(session, launcher, 57, "Pondix")
    path = os.path.join(work, "typed.pdx")

    session.key("alt+c", "3")
    screen = session.screenshot("typed-input")
    # The first field edit sits in the first row of the field box.
    edit_x = wx + 10 + 152 + 20
    edit_y = first_edit_y(screen, edit_x, wy + 60)
    check(edit_y is not None, "Pondix: the first field edit is on the screen")
    row = (wx + 10, edit_y - 8, wx + 390, edit_y + 12)
    session.key("F2")
    calculated = session.screenshot("typed-calculated")
    session.key("alt+c", "3")  # the calculated run comes back on its input screen
    session.click(edit_x, edit_y)
    session.key("End", "shift+Home")
    session.type("777")
    typed = session.screenshot("typed-777")
    check(region(typed, *row) != region(calculated, *row), "Pondix: 777 is typed into the first field edit")

    session.key("F4")
    session.wait_window("Save calculated irrigations")
    session.key("ctrl+a")
    session.type(path)
    session.key("Return")
    session.wait(lambda: os.path.exists(path), "the saved run file")
    check(run_field(path, 1, 9) == "1", "the file holds the calculated family, not the typed text")
    saved = session.screen_when("typed-saved", lambda s: region(s, *row) == region(calculated, *row))
    check(region(saved, *row) == region(calculated, *row), "Pondix: the saved screen shows the run as saved")

    session.key("alt+q")
    session.wait_gone("Pondix")


def main():
    bin_folder = os.path.abspath(sys.argv[1])
    shots = sys.argv[2] if len(sys.argv) > 2 else tempfile.mkdtemp(prefix="irrika-e2e-")
    os.makedirs(shots, exist_ok=True)
    for tool in ("Xvfb", "xdotool", "openbox", "xwininfo"):
        if shutil.which(tool) is None:
            raise Failure(tool + " is not installed")
    session = Session(bin_folder, shots)
    session.start()
    try:
        work = tempfile.mkdtemp(prefix="irrika-e2e-work-")
        program = session.program(work)
        # A program built with the sanitizers, with other tests running, takes its time.
        session.wait(lambda: session.window("Surface Irrigation Models") is not None, "the launcher", 120)
        launcher = session.wait_window("Surface Irrigation Models")
        session.wait_window("About IRRIKA")
        session.screenshot("about")
        # Esc closes the about box as it goes down; its release must not end the program.
        session.key("Escape")
        session.wait_gone("About IRRIKA")
        time.sleep(0.5)
        check(program.poll() is None and session.window("Surface Irrigation Models") is not None,
              "the launcher stays after Esc closed the about box")
        session.screenshot("launcher")

        design_window_round(session, launcher, 57, "Pondix", "4", "60")
        design_window_round(session, launcher, 145, "Striva", "3", "30")
        design_window_round(session, launcher, 233, "Rillox", "4", "1.2")
        store_view_delete(session, launcher, work)
        save_while_typing(session, launcher, work)

        session.key("Escape")
        program.wait(10)
        check(program.returncode == 0, "Esc on the launcher ends the program")
    finally:
        session.stop()
    print("screenshots in " + shots)


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAIL " + str(failure))
        sys.exit(1)
