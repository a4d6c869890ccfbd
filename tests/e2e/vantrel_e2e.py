#!/usr/bin/env python3
"""The real program as a user meets it, driven through the accessibility bus.

Starts its own X server (Xvfb on a free display) and, inside a private D-Bus
session, the accessibility bus and the built program. Then, through
accessibility alone: waits for the splash and the main window, switches pages,
types into boxes, presses the buttons, reads the result boxes, reads and
dismisses a message box, plots and saves the graph, and opens the About
window. Every wait is bounded; the whole run has a deadline.

With --wm openbox the X server gets that window manager, and the run also
checks, from the server's stacking order and with real clicks, that the
program's message and save dialog open in front of the About window.

Usage: vantrel_e2e.py [--wm openbox] PATH/TO/vantrel
Exit status 0 passed, 1 failed, 77 skipped (no Xvfb, D-Bus or AT-SPI here).
"""

import importlib.util
import os
import pathlib
import random
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
DEADLINE_SECONDS = 150
MAIN_TITLE = "Vantrel-Quorbin"
MESSAGE_TITLE = "Vantrel"
ABOUT_TITLE = "关于"
INSIDE_BUS = "VANTREL_E2E_PRIVATE_BUS"

# pyatspi, imported only inside the private bus: importing it starts the
# accessibility bus of whatever session it finds.
atspi = None


class Failure(Exception):
    pass


class PageNotBuilt(Exception):
    pass


def log(text):
    print(text, flush=True)


def skip(reason):
    log(f"SKIP: {reason}")
    sys.exit(SKIP)


# --- The private session ------------------------------------------------------------------


def run_inside_private_bus(argv, wm):
    """Runs this script again inside its own D-Bus session, so that the
    accessibility bus it starts is ours alone and ends with us."""
    for tool in ("Xvfb", "dbus-run-session") + ((wm, "xprop", "xdotool") if wm else ()):
        if not shutil.which(tool):
            skip(f"{tool} is not installed")
    if importlib.util.find_spec("pyatspi") is None:
        skip("python3-pyatspi is not installed for " + sys.executable)
    env = dict(os.environ, **{INSIDE_BUS: "1"})
    command = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), *argv]
    try:
        return subprocess.run(command, env=env, timeout=DEADLINE_SECONDS + 30).returncode
    except subprocess.TimeoutExpired:
        log("FAIL: the end-to-end run did not finish in time")
        return 1


def wait_for(condition, timeout, what, interval=0.05):
    """Polls condition() until it gives something true, for at most timeout seconds."""
    end = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception as error:  # an object that went away while we looked
            value = None
            last_error = error
        else:
            last_error = None
        if value:
            return value
        if time.monotonic() > end:
            detail = f" ({last_error})" if last_error else ""
            raise Failure(f"timed out after {timeout} s waiting for {what}{detail}")
        time.sleep(interval)


class Session:
    """Xvfb, the accessibility bus and the program: started in that order and
    ended in reverse, each by the process id we started it with."""

    def __init__(self, program, wm=None):
        self.program = program
        self.wm = wm
        self.processes = []
        self.pipes = []
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="vantrel-e2e-"))

    def start_x_server(self):
        """Xvfb on a display number far from the usual low ones, which other
        programs probe; it tells through a pipe when it accepts clients."""
        for attempt in range(5):
            number = random.randrange(100, 1000)
            if os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            read_end, write_end = os.pipe()
            xvfb = subprocess.Popen(
                ["Xvfb", f":{number}", "-displayfd", str(write_end), "-noreset", "-screen", "0",
                 "1024x768x24", "-nolisten", "tcp"],
                stdout=subprocess.DEVNULL,
                stderr=open(self.folder / "xvfb.log", "wb"),
                pass_fds=(write_end,),
            )
            os.close(write_end)
            # The number and the line end come in two writes; the pipe stays
            # open until the end, or the second write would kill the server.
            answer = b""
            end = time.monotonic() + 10
            while not answer.endswith(b"\n") and time.monotonic() < end:
                ready, _, _ = select.select([read_end], [], [], max(0, end - time.monotonic()))
                chunk = os.read(read_end, 16) if ready else b""
                if not chunk:
                    break
                answer += chunk
            self.pipes.append(read_end)
            listening = os.path.exists(f"/tmp/.X11-unix/X{number}")
            if answer.strip() == str(number).encode() and listening:
                self.processes.append(xvfb)
                return number
            xvfb.terminate()
            xvfb.wait(timeout=5)
        log_text = (self.folder / "xvfb.log").read_text(errors="replace")
        raise Failure("Xvfb did not start: " + log_text)

    def x_client(self, *command):
        """Runs an X client on our display and gives what it printed."""
        env = dict(os.environ, DISPLAY=f":{self.display}", LC_ALL="C.UTF-8")
        return subprocess.run(command, env=env, capture_output=True, text=True, timeout=10).stdout

    def start(self):
        display = self.display = self.start_x_server()
        if self.wm:
            self.processes.append(subprocess.Popen(
                [self.wm, "--sm-disable"], env=dict(os.environ, DISPLAY=f":{display}",
                                                    HOME=str(self.folder)),
                stdout=subprocess.DEVNULL, stderr=open(self.folder / "wm.log", "wb")))
            wait_for(lambda: "window id" in self.x_client("xprop", "-root",
                                                          "_NET_SUPPORTING_WM_CHECK"),
                     10, f"the window manager {self.wm}")

        # Start the accessibility bus before the program: Qt looks for it once, at start.
        import pyatspi  # noqa: F401  (activates org.a11y.Bus and the registry)

        global atspi
        atspi = pyatspi
        pyatspi.Registry.getDesktop(0)

        runtime = self.folder / "runtime"
        runtime.mkdir(mode=0o700)
        env = dict(
            os.environ,
            DISPLAY=f":{display}",
            QT_QPA_PLATFORM="xcb",
            QT_ACCESSIBILITY="1",
            QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            XDG_RUNTIME_DIR=str(runtime),
            HOME=str(self.folder),
            LC_ALL="C.UTF-8",
            LANG="C.UTF-8",
        )
        env.pop("QT_SCALE_FACTOR", None)
        self.started = time.monotonic()
        self.app_process = subprocess.Popen(
            [self.program],
            cwd=self.folder,
            env=env,
            stdout=open(self.folder / "vantrel.log", "wb"),
            stderr=subprocess.STDOUT,
        )
        self.processes.append(self.app_process)

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(timeout=5)
        for pipe in self.pipes:
            os.close(pipe)
        shutil.rmtree(self.folder, ignore_errors=True)

    def x_server_state(self):
        xvfb = self.processes[0]
        state = "running" if xvfb.poll() is None else f"ended with {xvfb.returncode}"
        log_text = (self.folder / "xvfb.log").read_text(errors="replace")
        return f"\nXvfb {state}; its log:\n{log_text}"

    def program_log(self):
        try:
            return (self.folder / "vantrel.log").read_text(errors="replace")
        except OSError:
            return ""


# --- Reading and driving the accessible tree -----------------------------------------------


def children(node):
    try:
        count = node.childCount
    except Exception:
        return []
    found = []
    for index in range(count):
        try:
            child = node.getChildAtIndex(index)
        except Exception:
            continue
        if child is not None:
            found.append(child)
    return found


def find_all(node, role=None, name=None, depth=8):
    """Every descendant with the role and name given (None matches any).
    Lists and tables are not entered: a file dialog's rows are not controls."""
    found = []
    if depth == 0:
        return found
    for child in children(node):
        try:
            child_role = child.getRoleName()
            child_name = child.name
        except Exception:
            continue
        if (role is None or child_role == role) and (name is None or child_name == name):
            found.append(child)
        if child_role not in ("list", "table", "tree table", "tree", "list box"):
            found.extend(find_all(child, role, name, depth - 1))
    return found


def find_one(node, role, name, what=None):
    found = find_all(node, role, name)
    if len(found) != 1:
        where = what or node.name
        raise Failure(f"expected one {role} named {name!r} in {where!r}, found {len(found)}")
    return found[0]


def showing(node):
    return node.getState().contains(atspi.STATE_SHOWING)


def do_action(node, names=("Press", "Toggle", "press", "toggle", "click")):
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index) in names:
            action.doAction(index)
            return
    raise Failure(f"{node.name!r} has no action among {names}")


def text_of(node):
    return node.queryText().getText(0, -1)


def type_into(node, text):
    if not node.getState().contains(atspi.STATE_EDITABLE):
        raise Failure(f"box {node.name!r} is not editable")
    node.queryEditableText().setTextContents(text)
    wait_for(lambda: text_of(node) == text, 5, f"{text!r} in box {node.name!r}")


class Program:
    def __init__(self, session):
        self.session = session
        self.application = None

    def windows(self):
        return [w for w in children(self.application) if showing(w)]

    def window(self, title):
        return [w for w in self.windows() if w.name == title]

    def wait_started(self):
        def find_application():
            desktop = atspi.Registry.getDesktop(0)
            for application in children(desktop):
                try:
                    if application.get_process_id() == self.session.app_process.pid:
                        return application
                except Exception:
                    continue
            if self.session.app_process.poll() is not None:
                raise Failure("the program ended at start:\n" + self.session.program_log() +
                              self.session.x_server_state())
            return None

        self.application = wait_for(find_application, 20, "the program on the accessibility bus")
        # The splash comes first, without a title, and goes when the main window comes.
        first = [w.name for w in wait_for(self.windows, 20, "the first window")]
        if first != [""]:
            raise Failure(f"the first windows are {first}, not the splash")
        self.main = wait_for(lambda: (self.window(MAIN_TITLE) or [None])[0], 20, "the main window")
        seconds = time.monotonic() - self.session.started
        wait_for(lambda: [w.name for w in self.windows()] == [MAIN_TITLE], 5, "the splash to go")
        log(f"ok   splash, then the main window {seconds:.2f} s after the start")

    def page(self, caption):
        return find_one(self.main, "panel", caption, MAIN_TITLE)

    def show_page(self, caption):
        do_action(find_one(self.main, "push button", caption, MAIN_TITLE))
        page = self.page(caption)
        if not find_all(page, "label") and not find_all(page, "text"):
            raise PageNotBuilt(caption)
        wait_for(lambda: showing(page), 5, f"page {caption!r}")
        panels = find_all(self.main, "panel", depth=1)
        others = [p.name for p in panels if p.name != caption and showing(p)]
        if others:
            raise Failure(f"pages shown beside {caption!r}: {others}")
        return page

    def box(self, page, name):
        return find_one(page, "text", name, page.name)

    def press(self, page, caption):
        do_action(find_one(page, "push button", caption, page.name))

    def no_message(self, within=0.5):
        time.sleep(within)
        if self.window(MESSAGE_TITLE):
            text = self.message_text(self.window(MESSAGE_TITLE)[0])
            raise Failure("a message box appeared: " + text)

    def message_text(self, box):
        return "\n".join(label.name for label in find_all(box, "label") if label.name)

    def take_message(self):
        """Reads the message box that is open and dismisses it with its one button."""
        box = wait_for(lambda: (self.window(MESSAGE_TITLE) or [None])[0], 5, "a message box")
        text = self.message_text(box)
        buttons = find_all(box, "push button")
        if len(buttons) != 1:
            raise Failure(f"the message box has {len(buttons)} buttons")
        do_action(buttons[0])
        wait_for(lambda: not self.window(MESSAGE_TITLE), 5, "the message box to close")
        return text


# --- What a user does -----------------------------------------------------------------------


def compute(program, page_caption, inputs, button, expected, choices=()):
    """Types the inputs, makes the choices (check boxes, option buttons),
    presses the button and compares the result boxes."""
    page = program.show_page(page_caption)
    for role, name in choices:
        node = find_one(page, role, name, page_caption)
        if not node.getState().contains(atspi.STATE_CHECKED):
            do_action(node)
            wait_for(lambda: node.getState().contains(atspi.STATE_CHECKED), 5, f"{name!r} chosen")
    for name, text in inputs.items():
        type_into(program.box(page, name), text)
    program.press(page, button)
    for name, text in expected.items():
        box = program.box(page, name)
        wait_for(
            lambda: text_of(box) == text, 5, f"{text!r} in {name!r} (it shows {text_of(box)!r})"
        )
    program.no_message(0.2)
    log(f"ok   {page_caption}: {inputs} -> {expected}")


CONTROL_ROLES = ("push button", "text", "check box", "radio button", "combo box")


def every_control_named(program):
    """A screen reader says something for every control of every page."""
    unnamed = [
        f"{node.getRoleName()} in {page.name!r}"
        for page in find_all(program.main, "panel", depth=1)
        for node in find_all(page, None)
        if node.getRoleName() in CONTROL_ROLES and not node.name.strip()
    ]
    if unnamed:
        raise Failure(f"controls without an accessible name: {unnamed}")
    count = sum(
        1 for node in find_all(program.main, None) if node.getRoleName() in CONTROL_ROLES
    )
    log(f"ok   all {count} controls of the main window have accessible names")


def two_forces(program):
    compute(program, "互成角度的二力合成", {"F₁": "3", "F₂": "4", "α": "90"}, "计算合力",
            {"F合": "5"}, choices=[("radio button", "角度制")])
    # Letters in a box: the click ends silently and the result stays.
    silent_failure(program, "互成角度的二力合成", "α", "abc", "计算合力", "F合", "5")


def linear_motion(program):
    compute(program, "匀变速直线运动", {"v₀": "0", "vt": "10", "a": "2"}, "计算",
            {"S": "25", "t": "5"},
            choices=[("check box", "已知v₀"), ("check box", "已知vt"), ("check box", "已知a")])
    # A fourth known quantity: the count message, and no box changes.
    page = program.page("匀变速直线运动")
    tick = find_one(page, "check box", "已知S", page.name)
    do_action(tick)
    wait_for(lambda: tick.getState().contains(atspi.STATE_CHECKED), 5, "已知S ticked")
    program.press(page, "计算")
    expect_message(program, "请正确输入！\n任意三个已知量，两个未知量。")
    if text_of(program.box(page, "t")) != "5":
        raise Failure("the count message changed a result")


def circular_motion(program):
    compute(program, "匀速圆周运动", {"v": "2", "R": "4", "m": "3"}, "计算", {"a": "1", "F": "3"},
            choices=[("radio button", "已知线速度v")])
    compute(program, "匀速圆周运动", {"ω": "2", "R": "0.5", "m": "2"}, "计算",
            {"a": "2", "F": "4"}, choices=[("radio button", "已知角速度ω")])


def mechanical_energy(program):
    page = program.show_page("机械能")
    program.press(page, "查看说明")
    wait_for(lambda: find_all(page, "push button", "关闭说明"), 5, "the caption 关闭说明")
    note = [label for label in find_all(page, "label") if label.name.startswith("说明")]
    if not note or not showing(note[0]):
        raise Failure("the explanation did not appear")
    program.press(page, "关闭说明")
    wait_for(lambda: find_all(page, "push button", "查看说明"), 5, "the caption 查看说明")
    wait_for(lambda: not showing(note[0]), 5, "the explanation to go")
    log("ok   机械能: 查看说明 shows the explanation, 关闭说明 hides it")


def work_and_power(program):
    compute(program, "功 功率", {"力 F": "10", "夹角 α": "0", "位移 s": "5", "时间 t": "2"},
            "计算功和功率", {"功 W": "50", "功率 P": "25"},
            choices=[("radio button", "平均功率：已知位移 s")])
    compute(program, "功 功率", {"力 F": "10", "夹角 α": "0", "瞬时速度 v": "3", "时间 t": "2"},
            "计算功和功率", {"功 W": "60", "功率 P": "30"},
            choices=[("radio button", "瞬时功率：已知速度 v")])


def vibration(program):
    page = program.show_page("振动")
    type_into(program.box(page, "振幅"), "2")
    type_into(program.box(page, "周期"), "4")
    program.press(page, "绘图")
    program.no_message(0.2)
    log("ok   振动: plotted")
    picture = program.session.folder / "振动图像.bmp"
    program.press(page, "保存")
    dialog = wait_for(lambda: (program.window("保存图像") or [None])[0], 10, "the save dialog")
    boxes = find_all(dialog, "text")
    name_box = [box for box in boxes if box.getState().contains(atspi.STATE_EDITABLE)]
    if len(name_box) != 1:
        raise Failure(f"the save dialog has {len(name_box)} editable boxes")
    type_into(name_box[0], str(picture))
    accept = [b for b in find_all(dialog, "push button") if b.name.startswith("保存")]
    if len(accept) != 1:
        raise Failure("the save dialog has no 保存 button")
    do_action(accept[0])
    wait_for(lambda: not program.window("保存图像"), 5, "the save dialog to close")
    wait_for(lambda: picture.is_file() and picture.stat().st_size > 54, 5, f"the file {picture}")
    if picture.read_bytes()[:2] != b"BM":
        raise Failure("the saved picture is not a bitmap")
    log(f"ok   振动: saved {picture.name}, {picture.stat().st_size} bytes of bitmap")
    # An amplitude of zero: the page's message.
    type_into(program.box(page, "振幅"), "0")
    program.press(page, "绘图")
    expect_message(program, "输入错误，请重新输入。")


def satellite(program):
    compute(program, "人造地球卫星", {"h": "0"}, "计算",
            {"v": "7913.04786606351", "T": "5057.96136762718", "ω": "0.00124223671366774"})
    page = program.page("人造地球卫星")
    type_into(program.box(page, "h"), "-1")
    program.press(page, "计算")
    expect_message(program, "输入错误，请重新输入。")
    silent_failure(program, "人造地球卫星", "h", "一千米", "计算", "v", "7913.04786606351")


def si_units(program):
    page = program.show_page("常用力学的SI单位")
    shown = " ".join(node.name for node in find_all(page, None) if node.name)
    for cell in ("加速度", "千克米每秒", "弧度每秒", "瓦", "帕"):
        if cell not in shown:
            raise Failure(f"the SI units page does not show {cell!r}")
    log("ok   常用力学的SI单位: the table is there")


def silent_failure(program, page_caption, box, text, button, result_box, result):
    """Text that is not a number: the click ends with no message and the result stays."""
    page = program.page(page_caption)
    type_into(program.box(page, box), text)
    program.press(page, button)
    program.no_message()
    if text_of(program.box(page, result_box)) != result:
        raise Failure(f"{page_caption}: a failing click changed the result")
    log(f"ok   {page_caption}: {text!r} in {box} ends the click silently")


def expect_message(program, expected):
    text = program.take_message()
    if text.replace("\r\n", "\n") != expected:
        raise Failure(f"message {text!r}, expected {expected!r}")
    log(f"ok   message read and dismissed: {expected!r}")


def stacking(program):
    """Titles of the program's windows as the window manager stacks them, bottom first."""
    listed = program.session.x_client("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
    ids = listed.partition("#")[2].replace(",", " ").split()
    names = [program.session.x_client("xprop", "-id", i, "_NET_WM_NAME") for i in ids]
    return [name.partition(" = ")[2].strip().strip('"') for name in names]


def click(program, node):
    """A real click of the mouse at the middle of the control on the screen."""
    box = node.queryComponent().getExtents(atspi.DESKTOP_COORDS)
    x, y = box.x + box.width // 2, box.y + box.height // 2
    program.session.x_client("xdotool", "mousemove", str(x), str(y), "click", "1")


def in_front_of_about(program):
    """Under a window manager, with the About window open over the main window:
    the save dialog and a message open in front of it and take real clicks, and
    the About window stays usable while a message is open."""
    do_action(find_one(program.main, "push button", "关于软件", MAIN_TITLE))
    about = wait_for(lambda: (program.window(ABOUT_TITLE) or [None])[0], 5, "the About window")
    click_in_front(program, program.show_page("振动"), "保存", "保存图像", "取消")
    page = program.show_page("人造地球卫星")
    type_into(program.box(page, "h"), "-1")
    click_in_front(program, page, "计算", MESSAGE_TITLE, "确定")
    program.press(page, "计算")
    wait_for(lambda: program.window(MESSAGE_TITLE), 5, "the message")
    click(program, find_one(about, "push button", "确定", ABOUT_TITLE))
    wait_for(lambda: not program.window(ABOUT_TITLE), 5, "About to close beside the message")
    expect_message(program, "输入错误，请重新输入。")


def click_in_front(program, page, button, title, close):
    """Presses the button; the window it opens must be above the About window,
    a click on its button close must close it, and About stays above the main window."""
    program.press(page, button)
    window = wait_for(lambda: (program.window(title) or [None])[0], 10, f"the window {title!r}")
    try:
        wait_for(lambda: (s := stacking(program)).index(title) > s.index(ABOUT_TITLE), 5, "")
    except Failure:
        raise Failure(f"{title!r} opened under {ABOUT_TITLE!r}: {stacking(program)}") from None
    click(program, find_one(window, "push button", close, title))
    wait_for(lambda: not program.window(title), 5, f"a click on {close!r} to close {title!r}")
    if (s := stacking(program)).index(ABOUT_TITLE) < s.index(MAIN_TITLE):
        raise Failure(f"{ABOUT_TITLE!r} went under the main window: {s}")
    log(f"ok   {title!r} opens above {ABOUT_TITLE!r}; a click on {close!r} closes it")


def about_window(program):
    do_action(find_one(program.main, "push button", "关于软件", MAIN_TITLE))
    about = wait_for(lambda: (program.window(ABOUT_TITLE) or [None])[0], 5, "the About window")
    labels = [label.name for label in find_all(about, "label")]
    if "Vantrel v1.0" not in labels:
        raise Failure(f"the About window shows {labels}")
    do_action(find_one(about, "push button", "确定", ABOUT_TITLE))
    wait_for(lambda: not program.window(ABOUT_TITLE), 5, "the About window to close")
    log("ok   About window: Vantrel v1.0, closed with 确定")


STEPS = [
    every_control_named,
    two_forces,
    linear_motion,
    circular_motion,
    mechanical_energy,
    work_and_power,
    vibration,
    satellite,
    si_units,
    about_window,
]


def main(argv):
    wm = argv[1] if argv[:1] == ["--wm"] else None
    if len(argv) != (3 if wm else 1):
        log(__doc__)
        return 2
    if os.environ.get(INSIDE_BUS) != "1":
        return run_inside_private_bus(argv, wm)

    def out_of_time(signum, frame):
        raise Failure(f"the run took longer than {DEADLINE_SECONDS} s")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(DEADLINE_SECONDS)
    session = Session(os.path.abspath(argv[-1]), wm)
    try:
        session.start()
        program = Program(session)
        program.wait_started()
        for step in [in_front_of_about] * bool(wm) + STEPS:
            try:
                step(program)
            except PageNotBuilt as missing:
                log(f"skip {missing}: the page has no controls yet")
        if session.app_process.poll() is not None:
            raise Failure("the program ended during the run")
        log("PASS")
        return 0
    except Failure as failure:
        log(f"FAIL: {failure}")
        log(session.program_log())
        return 1
    finally:
        signal.alarm(0)
        session.stop()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
