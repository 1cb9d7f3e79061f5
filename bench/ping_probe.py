#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How long the calculator's window goes without answering, step by step,
while a user works with a number of tens of millions of digits.

Every 50 ms the probe sends the window the _NET_WM_PING that desktops send
(GNOME offers to force-quit a window that gives no answer for 5 s) and times
the answer; for each step it reports the longest wait. The steps are done as
a user would, with xdotool: a = 7, b = 22000000, "a exposant (b)" (18.6
million digits); a search of nine digits in the result (Ctrl+F, the digits,
Entrée); a drag of the result's scroll bar from top to bottom in 20 moves;
"Mettre le résultat dans a"; Ctrl+End, "1", Backspace in a; Ctrl+A,
Ctrl+C in a, the clipboard read at once by another program (xclip), as a
desktop's clipboard manager reads it; a + b with b = 1; "Nombre de chiffres
du résultat"; saving the result; Ctrl+V of that number in b, after which
the probe gives the program's peak memory; and at the end the history's
newest entry, the sum, put back into the fields (Ctrl+H, Tab to the list,
Entrée), after which b holds "1" again.

With --prime the number is the largest known prime, 2^136279841 - 1
(41,024,320 digits), made as a user would: a = 2, b = 136279841,
"a exposant (b)", "Mettre le résultat dans a", b = 1, "a - b"; the steps
that follow are the same.

Run it in a virtual display, with the program to measure:

    xvfb-run -a -s "-screen 0 1400x900x24" bench/ping_probe.py build/app/calculateur
    xvfb-run -a -s "-screen 0 1400x900x24" bench/ping_probe.py --prime build/app/calculateur

It needs python3-xlib, xdotool and xclip (Debian packages). The program is
copied into the bin folder of a temporary home first, so that its
resultat.txt goes beside it, as for any program in the user's home.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from Xlib import X, display, protocol

CAPTION = "^Calculateur pour les grands nombres"
CLIENT_WIDTH, CLIENT_HEIGHT = 598, 347  # pixels at scale 1
PING_INTERVAL = 0.05

# Controls as the window's table places them, in twips: left, top, width, height.
CONTROLS = {
    "Text1": (1080, 120, 7095, 495),
    "Text2": (1080, 960, 7095, 495),
    "Text3": (120, 2760, 8055, 615),
    "Command1": (240, 1560, 855, 615),  # a + b
    "Command2": (1440, 1560, 855, 615),  # a - b
    "Command5": (5160, 1560, 1695, 615),  # a exposant (b)
    "Command10": (4440, 2160, 2055, 495),  # Nombre de chiffres du résultat
    "Command12": (1800, 2280, 2655, 375),  # Mettre le résultat dans a
    "Command8": (3600, 3480, 2175, 735),  # Enregistrer le résultat
}


class Pinger(threading.Thread):
    """Pings the window every 50 ms on a connection of its own and keeps,
    for the current step, the longest time a ping waited for its answer."""

    def __init__(self, window_id):
        super().__init__(daemon=True)
        self.display = display.Display()
        self.window = self.display.create_resource_object("window", window_id)
        self.protocols = self.display.intern_atom("WM_PROTOCOLS")
        self.ping = self.display.intern_atom("_NET_WM_PING")
        # Answers go to the root window.
        self.display.screen().root.change_attributes(
            event_mask=X.StructureNotifyMask | X.SubstructureNotifyMask)
        self.lock = threading.Lock()
        self.sent = {}  # ping number -> when it was sent
        self.worst = 0.0
        self.running = True

    def run(self):
        number = 0
        next_ping = time.monotonic()
        while self.running:
            now = time.monotonic()
            if now >= next_ping:
                number += 1
                with self.lock:
                    self.sent[number] = now
                event = protocol.event.ClientMessage(
                    window=self.window, client_type=self.protocols,
                    data=(32, [self.ping, number, self.window.id, 0, 0]))
                self.window.send_event(event, event_mask=X.NoEventMask)
                self.display.flush()
                next_ping = max(next_ping + PING_INTERVAL, now)
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type == X.ClientMessage and event.data[1][0] == self.ping:
                    answered = event.data[1][1]
                    with self.lock:
                        if answered in self.sent:
                            self.worst = max(self.worst, time.monotonic() - self.sent.pop(answered))
            time.sleep(0.002)

    def longest_wait(self):
        """The longest wait so far, unanswered pings counted up to now."""
        now = time.monotonic()
        with self.lock:
            return max([self.worst] + [now - sent for sent in self.sent.values()])

    def oldest_unanswered(self):
        now = time.monotonic()
        with self.lock:
            return max([0.0] + [now - sent for sent in self.sent.values()])

    def restart(self):
        with self.lock:
            self.worst = 0.0


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                          text=True).stdout


def wait_for_window(title):
    """Waits until a window whose caption starts with `title` shows."""
    xdotool("search", "--sync", "--onlyvisible", "--name", "^" + title)


def visible_windows():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", CAPTION],
                           capture_output=True, text=True).stdout.split()
    return len(found)


def yellow_top(window_id, x):
    """The first row of the window, in column x, where the yellow of the
    operation buttons shows."""
    screen = display.Display()
    window = screen.create_resource_object("window", window_id)
    height = window.get_geometry().height
    pixels = window.get_image(x, 0, 1, height, X.ZPixmap, 0xFFFFFFFF).data
    for y in range(height):
        blue, green, red = pixels[4 * y], pixels[4 * y + 1], pixels[4 * y + 2]
        if (red, green, blue) == (255, 255, 0):
            return y
    sys.exit("the window shows no yellow button")


class Window:
    def __init__(self, window_id):
        self.id = str(window_id)
        geometry = xdotool("getwindowgeometry", "--shell", self.id)
        values = dict(line.split("=") for line in geometry.split())
        self.left, self.top = int(values["X"]), int(values["Y"])
        self.scale = int(values["WIDTH"]) / CLIENT_WIDTH
        # The client lies between the menu bar and the status bar: found by
        # the yellow of "a + b", 1560 twips below its top, inside a border
        # of one pixel.
        left, top, width, _ = CONTROLS["Command1"]
        x = round((left + width / 2) / 15 * self.scale)
        self.client_top = self.top + yellow_top(window_id, x) - (top / 15 + 1) * self.scale

    def at(self, x, y):
        """Screen coordinates of the client's pixel (x, y) at scale 1."""
        return str(round(self.left + x * self.scale)), str(round(self.client_top + y * self.scale))

    def click(self, control):
        left, top, width, height = CONTROLS[control]
        xdotool("mousemove", *self.at((left + width / 2) / 15, (top + height / 2) / 15),
                "click", "1")

    def drag_result_scroll_bar(self, steps=20):
        """Presses the thumb of the result's scroll bar, at the top of the
        field's right edge, and moves it to the bottom in `steps` moves."""
        left, top, width, height = (value / 15 for value in CONTROLS["Text3"])
        x = left + width - 9  # the middle of a bar 14 pixels wide, inside the frame
        first, last = top + 9, top + height - 9
        xdotool("mousemove", *self.at(x, first), "mousedown", "1")
        for step in range(1, steps + 1):
            xdotool("mousemove", *self.at(x, first + (last - first) * step / steps))
            time.sleep(0.02)
        xdotool("mouseup", "1")

    def keys(self, *names):
        xdotool("key", "--delay", "30", *names)

    def type(self, text):
        xdotool("type", "--delay", "30", text)


def measure(pinger, name, action, at_least=2.0, at_most=30.0, computes=False):
    """Runs `action` and watches until the window has answered promptly for a
    second (at least `at_least` seconds, at most `at_most`); a computing step
    first waits for its progress window to go."""
    pinger.restart()
    start = time.monotonic()
    action()
    if computes:
        time.sleep(1.0)
        while visible_windows() > 1 and time.monotonic() - start < at_most:
            time.sleep(0.1)
    calm_since = None
    while time.monotonic() - start < at_most:
        now = time.monotonic()
        if pinger.oldest_unanswered() > 0.1:
            calm_since = None
        elif calm_since is None:
            calm_since = now
        if now - start >= at_least and calm_since is not None and now - calm_since >= 1.0:
            break
        time.sleep(0.05)
    wait = pinger.longest_wait()
    print(f"| {name} | {wait:.2f} s |", flush=True)
    return wait


def memory(pid):
    """The program's peak and current resident memory."""
    with open(f"/proc/{pid}/status") as status:
        values = dict(line.split(":", 1) for line in status)
    return f"peak memory {values['VmHWM'].strip()}, now {values['VmRSS'].strip()}"


def write(window, control, text):
    """Replaces the text of the field `control` with `text`, typed."""
    window.click(control)
    window.keys("ctrl+a")
    window.type(text)


def make_number(pinger, window, prime):
    """Leaves the number in the result field: 7^22000000, or with `prime`
    2^136279841 - 1, a power and then a - b."""
    a, b = ("2", "136279841") if prime else ("7", "22000000")
    write(window, "Text1", a)
    write(window, "Text2", b)
    measure(pinger, f"a exposant (b), {a}^{b}", lambda: window.click("Command5"),
            computes=True, at_most=120)
    if prime:
        measure(pinger, "Mettre le résultat dans a, the power",
                lambda: window.click("Command12"))
        write(window, "Text2", "1")
        measure(pinger, "a - b, b = 1: 2^136279841 - 1 in the result",
                lambda: window.click("Command2"), computes=True, at_most=120)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--prime", action="store_true",
                        help="work with 2^136279841 - 1 instead of 7^22000000")
    parser.add_argument("program", help="the calculator to measure")
    arguments = parser.parse_args()
    home = tempfile.mkdtemp(prefix="ping-probe-")
    folder = os.path.join(home, "bin")
    os.mkdir(folder)
    program = shutil.copy(arguments.program, folder)
    process = subprocess.Popen([program], stderr=subprocess.DEVNULL,
                               env=dict(os.environ, HOME=home))
    try:
        window_id = int(xdotool("search", "--sync", "--onlyvisible", "--name", CAPTION).split()[0])
        time.sleep(1.0)
        window = Window(window_id)
        xdotool("windowfocus", "--sync", window.id)
        pinger = Pinger(window_id)
        pinger.start()

        print("| step | the window does not answer for |\n|---|---|", flush=True)
        make_number(pinger, window, arguments.prime)

        def find_in_result():
            window.click("Text3")
            window.keys("ctrl+f")
            window.type("314159265")
            window.keys("Return")
        measure(pinger, "Ctrl+F, 9 digits, Entrée in the result", find_in_result, at_least=3)
        window.keys("Escape")
        measure(pinger, "the result's scroll bar dragged from top to bottom",
                window.drag_result_scroll_bar)
        measure(pinger, "Mettre le résultat dans a", lambda: window.click("Command12"))

        def type_at_end():
            window.click("Text1")
            window.keys("ctrl+End")
            window.type("1")
            window.keys("BackSpace")
        measure(pinger, "Ctrl+End, 1, Backspace in a", type_at_end, at_least=5)
        copied = []

        def copy():
            # Read at once by another program, as a desktop's clipboard manager does.
            window.keys("ctrl+a", "ctrl+c")
            copied.append(subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                                         capture_output=True, timeout=120).stdout)
        measure(pinger, "Ctrl+A, Ctrl+C in a, the clipboard read by another program", copy)
        print(f"(the clipboard holds {len(copied[0])} characters)", flush=True)

        def add():
            write(window, "Text2", "1")
            window.click("Command1")
        measure(pinger, "a + b, b = 1", add, computes=True, at_most=60)
        measure(pinger, "Nombre de chiffres du résultat", lambda: window.click("Command10"))
        window.keys("Return")
        time.sleep(0.5)

        def save():
            window.click("Command8")
            wait_for_window("Enregister le résultat")  # the title's own spelling
            window.keys("Return")  # "Oui"
        measure(pinger, "Enregistrer le résultat dans un fichier", save)
        saved = os.path.join(folder, "resultat.txt")
        size = os.path.getsize(saved) if os.path.exists(saved) else 0
        print(f"(resultat.txt holds {size} bytes)", flush=True)

        def paste_into_b():
            window.click("Text2")
            window.keys("ctrl+a", "ctrl+v")
        measure(pinger, "Ctrl+A, Ctrl+V of a's number in b", paste_into_b, at_least=3)
        print(f"(all three fields hold the number; {memory(process.pid)})", flush=True)

        def put_back_newest():
            window.keys("ctrl+h")
            history = xdotool("search", "--sync", "--onlyvisible", "--name", "^Historique$").split()[0]
            # Beside the main window, as a window manager would place it (Xvfb has none).
            xdotool("windowmove", "--sync", history, "700", "0")
            xdotool("windowfocus", "--sync", history)
            window.keys("Tab", "Return")
        measure(pinger, "Ctrl+H, Tab, Entrée: the newest entry put back", put_back_newest,
                at_least=3)
        pinger.running = False
        xdotool("windowfocus", "--sync", window.id)
        window.click("Text2")
        window.keys("ctrl+a", "ctrl+c")
        time.sleep(0.5)
        b = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                           timeout=120).stdout
        print(f"(b holds {len(b)} characters after the put-back)", flush=True)
    finally:
        process.kill()
        process.wait()
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
