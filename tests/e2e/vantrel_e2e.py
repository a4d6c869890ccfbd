#!/usr/bin/env python3
"""The built program under its own Xvfb (with --wm openbox, under that window manager too),
driven through the accessibility bus: only what a real X server, window manager and AT-SPI show.
Usage: vantrel_e2e.py [--wm openbox] PATH/TO/vantrel. Exit 0 passed, 1 failed, 77 skipped."""
import contextlib, importlib.util, os, pathlib, random, shutil, signal, subprocess, sys, tempfile, time

DEADLINE, PROCESSES = 150, []
MAIN, MESSAGE, ABOUT, SAVE, BAD_INPUT = "Vantrel-Quorbin", "Vantrel", "关于", "保存图像", "输入错误，请重新输入。"


def wait_for(condition, what, timeout=5):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        with contextlib.suppress(Exception):  # an object that went away while we looked
            if value := condition():
                return value
        time.sleep(0.05)
    raise AssertionError(f"waited {timeout} s for {what() if callable(what) else what}")


def spawn(command, **options):
    out = open(folder / f"{pathlib.Path(command[0]).name}.log", "wb")
    PROCESSES.append(subprocess.Popen(command, stdout=out, stderr=out, cwd=folder, **options))
    return PROCESSES[-1]


def x_client(*command):
    return subprocess.run(command, capture_output=True, text=True, timeout=10).stdout


def find_all(node, role=None, name=None):
    below = [child for child in node if child]  # a child can go while we look
    found = [c for c in below if role in (None, c.getRoleName()) and name in (None, c.name)]
    return found + [deeper for c in below for deeper in find_all(c, role, name)]


def find_one(node, role, name=None):
    assert len(found := find_all(node, role, name)) == 1, f"{len(found)} {role}s {name!r}"
    return found[0]


def press(node, caption, role="push button"):
    find_one(node, role, caption).queryAction().doAction(0)  # an enabled button's press or toggle


def type_into(box, text):
    box.queryEditableText().setTextContents(text)
    wait_for(lambda: box.queryText().getText(0, -1) == text, f"{text!r} in {box.name!r}")


def showing(node):
    return node.getState().contains(atspi.STATE_SHOWING)


def window(title):
    return next((w for w in application if showing(w) and w.name == title), None)


def page(caption, **boxes):
    press(main, caption)
    shown = wait_for(lambda: showing(p := find_one(main, "panel", caption)) and p, caption)
    for box, text in boxes.items():
        type_into(find_one(shown, "text", box), text)
    return shown


def stacking():  # the titles of the windows as the window manager stacks them, bottom first
    ids = x_client("xprop", "-root", "_NET_CLIENT_LIST_STACKING").partition("#")[2]
    return [x_client("xprop", "-id", i, "_NET_WM_NAME").partition(" = ")[2].strip().strip('"')
            for i in ids.replace(",", " ").split()]


def opens(node, caption, title):
    """Presses the button; the window it opens comes, under a window manager above About."""
    press(node, caption)
    opened = wait_for(lambda: window(title), f"the window {title!r}", 10)
    if wm and title != ABOUT:
        wait_for(lambda: (s := stacking()).index(title) > s.index(ABOUT),
                 lambda: f"{title!r} above About: {stacking()}")
    return opened


def close(title, button):
    """By the button (a real click under a window manager); About stays above the main window."""
    if wm:
        box = button.queryComponent().getExtents(atspi.DESKTOP_COORDS)
        x, y = box.x + box.width // 2, box.y + box.height // 2
        x_client("xdotool", "mousemove", str(x), str(y), "click", "1")
    else:
        button.queryAction().doAction(0)
    wait_for(lambda: not window(title), f"{title!r} to close")
    if wm and window(ABOUT):
        assert (s := stacking()).index(ABOUT) > s.index(MAIN), f"About under the main window: {s}"


def close_message(box):
    text = "\n".join(label.name for label in find_all(box, "label") if label.name)
    assert text == BAD_INPUT, f"message {text!r}, expected {BAD_INPUT!r}"
    close(MESSAGE, find_one(box, "push button"))


def run(program):
    """Starts Xvfb, window manager, accessibility bus and program, in that order, and drives it."""
    global atspi, application, main
    # A display far from the low numbers other programs probe. Xvfb names it on the pipe once it
    # takes clients (the deadline bounds the read); the pipe stays open, or its next write kills it.
    for number in random.sample(range(100, 1000), 5):
        reader, writer = os.pipe()
        spawn(["Xvfb", f":{number}", "-displayfd", str(writer), "-noreset", "-screen", "0",
               "1024x768x24", "-nolisten", "tcp"], pass_fds=(writer,))
        os.close(writer)
        if os.read(reader, 16).strip() == b"%d" % number:
            break
    else:
        raise AssertionError("Xvfb did not start")
    os.environ.update(DISPLAY=f":{number}", QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8",
                      QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_SCALE_FACTOR="1", HOME=str(folder),
                      XDG_RUNTIME_DIR=str(folder))
    if wm:  # windows mapped before the manager runs would not be managed
        spawn([wm, "--sm-disable"])
        wait_for(lambda: "#" in x_client("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), wm, 10)
    import pyatspi as atspi  # here only: it joins the accessibility bus of the session it finds

    started, app = time.monotonic(), spawn([program])
    application = wait_for(lambda: next(a for a in atspi.Registry.getDesktop(0)
                                        if a.get_process_id() == app.pid), "the program", 20)
    first = wait_for(lambda: [w.name for w in application if showing(w)], "the first window", 20)
    assert first == [""], f"the first windows are {first}, not the untitled splash"
    main = wait_for(lambda: window(MAIN), "the main window", 20)
    wait_for(lambda: [w.name for w in application if showing(w)] == [MAIN], "the splash to go")
    print(f"ok   the splash, then the main window {time.monotonic() - started:.2f} s after start")
    roles = ("push button", "text", "check box", "radio button", "combo box")
    unnamed = [f"{n.getRoleName()} in {n.parent.name!r}" for n in find_all(main)
               if n.getRoleName() in roles and not n.name.strip()]
    assert not unnamed, f"controls without an accessible name: {unnamed}"
    press(shown := page("互成角度的二力合成", **{"F₁": "5", "F₂": "5", "α": "120"}), "角度制", "radio button")
    press(shown, "计算合力")
    result = find_one(shown, "text", "F合").queryText()  # the whole text, not the one shown short
    wait_for(lambda: result.getText(0, -1) == "5.00000000000001",
             lambda: f"F合 5.00000000000001, not {result.getText(0, -1)!r}")
    # With About open, which stays in front of the main window: under a window manager the save
    # dialog and messages open in front of it, and About takes a click while a message is open.
    about = opens(main, "关于软件", ABOUT)
    press(shown := page("振动", 振幅="2", 周期="4"), "绘图")
    dialog, picture = opens(shown, "保存", SAVE), folder / "振动图像.bmp"
    (box,) = [b for b in find_all(dialog, "text") if b.getState().contains(atspi.STATE_EDITABLE)]
    type_into(box, str(picture))
    close(SAVE, next(b for b in find_all(dialog, "push button") if b.name.startswith("保存")))
    wait_for(lambda: picture.read_bytes()[:2] == b"BM", f"a bitmap in {picture}")
    close_message(opens(page("人造地球卫星", h="-1"), "计算", MESSAGE))
    message = wm and opens(page("人造地球卫星"), "计算", MESSAGE)
    close(ABOUT, find_one(about, "push button", "确定"))
    if message:
        close_message(message)
    assert app.poll() is None, "the program ended during the run"


wm, program = sys.argv[2] if sys.argv[1:2] == ["--wm"] else None, os.path.abspath(sys.argv[-1])
if not os.environ.get("VANTREL_E2E_BUS"):  # again inside a private D-Bus session, ours alone
    tools = ("Xvfb", "dbus-run-session") + ((wm, "xprop", "xdotool") if wm else ())
    missing = [t for t in tools if not shutil.which(t)]
    if missing or not importlib.util.find_spec("pyatspi"):
        print(f"SKIP: missing {missing or 'pyatspi for ' + sys.executable}")
        sys.exit(77)
    os.environ["VANTREL_E2E_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])
signal.signal(signal.SIGALRM, lambda *_: sys.exit(f"FAIL: the run took longer than {DEADLINE} s"))
signal.alarm(DEADLINE)
folder = pathlib.Path(tempfile.mkdtemp(prefix="vantrel-e2e-"))
try:
    run(program)
    print("PASS")
except AssertionError as failure:
    logs = "".join(log.read_text(errors="replace") for log in folder.glob("*.log"))
    sys.exit(f"FAIL: {failure}\n{logs}")
finally:
    for process in reversed(PROCESSES):
        process.terminate()
        with contextlib.suppress(subprocess.TimeoutExpired):
            process.wait(timeout=5)
        process.kill()  # signals only one that has not ended
    shutil.rmtree(folder, ignore_errors=True)
