#!/usr/bin/python3
# The windows as a screen reader meets them: through the AT-SPI bus, not Qt's own side. Run by
# CTest inside its own X server and D-Bus session (xvfb-run, dbus-run-session); it starts the
# AT-SPI bus and registry, runs tolva! on the xcb platform with Qt's bridge on, and reads every
# value field of the main window, the update list's count and the mail window's status as
# "caption: value". A value a reader cannot reach fails the test; so does a missing tool. Then a
# copy of the program whose network part beside it is no library says so when the mail is asked
# for, and carries on.
#   atspi_test.py TOLVA-BINARY
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

INI = ("Version=2001-03-04\r\n\r\n"
       "ID=0000000001\r\nTitle=Alpha\r\nFlags=01211010H\r\n\r\n"
       "ID=0000000002\r\nTitle=Beta\r\nFlags=80000000H\r\n\r\n"
       "ID=0000000003\r\nTitle=Gamma\r\nFlags=40000000H\r\n")
TXT = ("Header|Title|Publisher|Code|Region|x|Status|D3D|Details|\r\n"
       "|Alpha|Nowhere Soft|SLUS-90001|U/C|x|Partially||Crashes at once|\r\n")
UPDATE = "Version=2001-05-01\r\n\r\nID=0000000009\r\nTitle=Delta\r\nFlags=80000000H\r\n"

# What a screen reader must hear in each window, Alpha selected.
MAIN = {
    "Yes": "1 (33.3%)", "Not Yet": "1 (33.3%)", "Partial": "1 (33.3%)", "Total": "3",
    "Database Version": "2001-03-04", "Game Title": "Alpha", "Disc ID": "0000000001",
    "Product Code": "SLUS-90001", "Publisher": "Nowhere Soft", "Region": "U/C", "Details": "Crashes at once",
    "Graphics": "Some graphics may exhibit minor flaws", "Sound": "No sound effects and/or music will be heard",
    "Memory Cards": "Game Saves can be loaded, but not saved",
    "Other (MDEC and CD-ROM)": "Some Video Sequences do not display",
}
UPDATE_LIST = {"New entries": "1"}
MAIL = {"Status": "(Your bleem!.ini will be sent automatically)"}


def nodes(node):
    """node and everything below it, depth first."""
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from nodes(child)


def heard(window, captions):
    """"caption: value" for each caption whose node in window exposes its text through AT-SPI."""
    said = {}
    for node in nodes(window):
        name = node.get_name()
        if name in captions and "Text" in node.get_interfaces() and name not in said:
            said[name] = f"{name}: {Atspi.Text.get_text(node, 0, -1)}"
    return said


def window_with(app, title, captions, seconds=30):
    """The shown window of app called title once every caption in it can be heard (the update's
    download window has the same title as its list); the last one seen when time is up."""
    deadline = time.monotonic() + seconds
    seen = None
    while time.monotonic() < deadline:
        for i in range(app.get_child_count()):
            window = app.get_child_at_index(i)
            if window is None or window.get_name() != title:
                continue
            if not window.get_state_set().contains(Atspi.StateType.SHOWING):
                continue
            seen = window
            if len(heard(window, captions)) == len(captions):
                return window
        for i in range(app.get_child_count()):  # a notice on the way (the update's disclaimer) is read and closed
            notice = app.get_child_at_index(i)
            if notice is not None and notice.get_role() == Atspi.Role.ALERT:
                press(notice, "OK")
        time.sleep(0.2)
    if seen is None:
        raise SystemExit(f"no window {title!r} reached the bus")
    return seen


def started(args, env, seconds=60):
    """The program started, and its application on the bus. On a loaded machine the new X server
    can refuse its first client ("could not connect to display"): a program that ends before it
    reaches the bus is started again, twice at most."""
    for attempt in range(3):
        program = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL)
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline and program.poll() is None:
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_process_id() == program.pid:
                    return program, app
            time.sleep(0.2)
        refused = program.poll() is not None  # it ended by itself
        program.kill()
        program.wait()
        if not refused:
            break
        time.sleep(1)
    raise SystemExit("tolva! never reached the AT-SPI bus")


def press(window, name):
    """Presses a button or menu entry as a reader does. The program waits for the window the
    press opens before it answers, so the answer is not waited for."""
    for node in nodes(window):
        if node.get_name() == name and "Action" in node.get_interfaces():
            try:
                Atspi.Action.do_action(node, 0)
            except GLib.Error:
                pass
            return
    raise SystemExit(f"nothing named {name!r} to press")


def check(window, expected, faults):
    said = heard(window, expected)
    for caption, value in expected.items():
        want = f"{caption}: {value}"
        got = said.get(caption, f"{caption}: (nothing a reader can reach)")
        print(("  ok   " if got == want else "  FAIL ") + got)
        if got != want:
            faults.append(f"{want!r} heard as {got!r}")


def alert_text(app, seconds=30):
    """Every text of the first alert app shows, and the alert closed with its OK."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for i in range(app.get_child_count()):
            alert = app.get_child_at_index(i)
            if alert is not None and alert.get_role() == Atspi.Role.ALERT:
                said = " ".join(node.get_name() for node in nodes(alert))
                press(alert, "OK")
                return said
        time.sleep(0.2)
    raise SystemExit("no alert reached the bus")


def without_network_part(program, work, env, faults):
    """The program copied beside a network part that is no library: the mail is refused with a
    message that says why, and the main window carries on."""
    copy = os.path.join(work, "copy")
    os.makedirs(copy)
    shutil.copy(program, copy)
    with open(os.path.join(copy, "libtolva-online.so"), "w") as f:
        f.write("not a library\n")
    copied, app = started([os.path.join(copy, os.path.basename(program)), work], env)
    try:
        press(window_with(app, "tolva!", MAIN), "Mail to Tolva!")
        said = alert_text(app)
        print("without the network part: " + said)
        if "The network part of tolva! could not be opened" not in said or "libtolva-online.so" not in said:
            faults.append(f"the mail without its network part said {said!r}")
        check(window_with(app, "tolva!", MAIN), {"Game Title": "Alpha"}, faults)
    finally:
        copied.kill()
        copied.wait()


def main():
    if "DISPLAY" not in os.environ or "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        raise SystemExit("run inside xvfb-run and dbus-run-session")
    work = tempfile.mkdtemp()
    for name, text in (("bleem!.INI", INI), ("Compatibility.TXT", TXT), ("www/update.ini", UPDATE)):
        os.makedirs(os.path.dirname(os.path.join(work, name)), exist_ok=True)
        with open(os.path.join(work, name), "w", newline="") as f:
            f.write(text)
    # The bus launcher starts the AT-SPI bus and, through it, the registry: one process group to
    # end, none of it holding the test's output open.
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], start_new_session=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    web = subprocess.Popen([sys.executable, "-u", "-m", "http.server", "--bind", "127.0.0.1", "0",
                            "--directory", os.path.join(work, "www")], stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True)
    port = web.stdout.readline().split(" port ")[1].split()[0]  # "Serving HTTP on 127.0.0.1 port N ..."
    # A runtime folder of its own: a copy of tolva! running elsewhere (another test's) holds the
    # instance lock in the shared one, and this copy would end at "already in use".
    os.makedirs(os.path.join(work, "runtime"), mode=0o700)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_CONFIG_HOME=os.path.join(work, "config"), XDG_RUNTIME_DIR=os.path.join(work, "runtime"),
               TOLVA_UPDATE_SERVER=f"127.0.0.1:{port}",
               TOLVA_MAIL_SERVER="127.0.0.1:9")
    faults = []
    program = None
    try:
        Atspi.set_timeout(3000, 10000)  # a press answered only when its window closes
        program, app = started([sys.argv[1], work], env)
        main_window = window_with(app, "tolva!", MAIN)
        print("main window:")
        check(main_window, MAIN, faults)
        press(main_window, "Online Update (based on MSWINSCK)")
        update = window_with(app, "tolva! Online Update", UPDATE_LIST)
        print("update list:")
        check(update, UPDATE_LIST, faults)
        press(update, "Abort")
        main_window = window_with(app, "tolva!", MAIN)
        press(main_window, "Mail to Tolva!")
        print("mail:")
        check(window_with(app, "tolva! Mail", MAIL), MAIL, faults)
        program.kill()
        program.wait()
        without_network_part(sys.argv[1], work, env, faults)
    finally:
        if program:
            program.kill()
        web.kill()
        os.killpg(bus.pid, signal.SIGTERM)
        for process in filter(None, (program, web, bus)):
            process.wait()
    if faults:
        raise SystemExit("not heard through AT-SPI: " + "; ".join(faults))


if __name__ == "__main__":
    main()
