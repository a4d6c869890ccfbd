#!/usr/bin/env python3
"""The Windows packages under Wine, Xvfb and openbox, each in a fresh Wine prefix: the portable
zip unpacked, and the installer run silently (/S). The program shows its splash, then the main
window; real clicks compute two forces, and the window matches Linux's picture of that page
pixel for pixel. The installer's shortcut and uninstall entry are there, and its uninstaller
takes away what it put there. Then on a Chinese desktop: the installer's pages, pictured in
OUTPUT_FOLDER, and the graph saved as 桌面\振动图像.bmp. Usage: smoke.py REFERENCE.png ZIP SETUP.EXE OUTPUT_FOLDER"""
import contextlib, os, pathlib, shutil, subprocess, sys, tempfile, time
from PIL import Image, ImageChops, ImageGrab

WINE = os.environ.get("VANTREL_WINE") or shutil.which("wine64") or shutil.which("wine")
WINESERVER = shutil.which("wineserver") or os.path.join(os.path.dirname(WINE), "wineserver")
MAIN, INSTALLER = "Vantrel-Quorbin", "Vantrel 中学力学 安装"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel"
# The two-force page's boxes, its degree option and its button, as clicked in the window's client
# area at 100 %: the page lies at 8, 104 px and its controls at their places in twips / 15. Then
# the vibration page's button, its 绘图 and its 保存.
CLICKS = [(80, 161, "5"), (188, 161, "5"), (300, 161, "120"), (294, 240, None), (284, 188, None)]
GRAPH_CLICKS, GRAPH_SIZE = [(296, 44), (276, 244), (324, 244)], (231, 135)
# Qt's own light palette, which Linux's pictures are drawn in, as Windows' system colours: the
# program takes its palette from the desktop (a high-contrast theme must reach it), and Wine's
# grey is not Qt's.
COLOURS = {"ButtonFace": "239 239 239", "Window": "255 255 255", "WindowText": "0 0 0",
           "ButtonText": "0 0 0", "ButtonHilight": "255 255 255", "ButtonShadow": "159 159 159",
           "ButtonLight": "202 202 202", "ButtonDkShadow": "118 118 118",
           "Hilight": "48 140 198", "HilightText": "255 255 255"}
PROCESSES = []


def wait_for(condition, what, timeout=60):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if value := condition():
            return value
        time.sleep(0.1)
    raise AssertionError(f"waited {timeout} s for {what}")


def x(*command):
    return subprocess.run(["xdotool", *command], capture_output=True, text=True).stdout.split()


def wine(*command, wait=True, cwd=None):
    process = subprocess.Popen([WINE, *command], cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    PROCESSES.append(process)
    return process.wait(timeout=300) if wait else process


def window(name):
    return wait_for(lambda: x("search", "--onlyvisible", "--name", f"^{name}$"), name)[0]


def box(window):  # by xwininfo: xdotool misplaces a reparented window by its frame's offsets
    info = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout
    field = lambda name: int(info.partition(f"{name}:")[2].split()[0])
    left, top = field("Absolute upper-left X"), field("Absolute upper-left Y")
    return left, top, left + field("Width"), top + field("Height")


def click(window, cx, cy):
    x("mousemove", "--sync", str(box(window)[0] + cx), str(box(window)[1] + cy), "click", "1")


def grab(window, picture):
    (shot := ImageGrab.grab(box(window), xdisplay=os.environ["DISPLAY"]).convert("RGB")).save(picture)
    return shot


def run_program(exe, picture, folder=None):
    """Starts the program; the splash, then the main window; two forces by clicks; its picture. With
    a folder, started there: the graph saved through its dialog there, as the name offered + .bmp."""
    started = time.monotonic()
    wine(str(exe), wait=False, cwd=folder)
    shown = lambda: x("search", "--onlyvisible", "--class", "vantrel.exe")
    first = wait_for(shown, "the program's first window")[0]
    assert MAIN != " ".join(x("getwindowname", first)), "no splash came first"
    main = window(MAIN)
    print(f"ok   splash, then {MAIN} {time.monotonic() - started:.1f} s after start under Wine")
    wait_for(lambda: shown() == [main], "the splash to go", 10)
    for cx, cy, text in CLICKS:
        click(main, cx, cy)
        if text:
            x("key", "ctrl+a", "type", "--delay", "50", text)
    x("mousemove", "--sync", "0", "0")  # no hover highlight in the picture
    time.sleep(1)
    shot = grab(main, picture)
    reference = Image.open(sys.argv[1]).convert("RGB")
    assert shot.size == reference.size, f"the window is {shot.size}, Linux's {reference.size}"
    differing = ImageChops.difference(shot, reference).getbbox()
    assert not differing, f"{picture} differs from Linux's picture within {differing}"
    print(f"ok   two forces computed by clicks; {picture.name} is Linux's picture, pixel for pixel")
    if folder:
        for cx, cy in GRAPH_CLICKS:
            click(main, cx, cy)
        x("windowactivate", "--sync", window("保存图像"), "key", "End", "type", ".bmp")
        x("key", "Return")
        wait_for((saved := folder / "振动图像.bmp").exists, saved, 20)
        with Image.open(saved) as bmp:
            assert (bmp.format, bmp.size) == ("BMP", GRAPH_SIZE), f"{saved}: {bmp.format} {bmp.size}"
        print(f"ok   the graph saved through the program's dialog as {saved}")
    subprocess.run([WINESERVER, "-k"])


def fresh_prefix(name, language="C.UTF-8"):  # Wine names files in UTF-8
    os.environ.update(WINEPREFIX=str(prefix := folder / name), LANG=language, LC_ALL=language)
    wine("wineboot", "--init")
    for name, colour in COLOURS.items():
        wine("reg", "add", r"HKCU\Control Panel\Colors", "/v", name, "/d", colour, "/f")
    subprocess.run([WINESERVER, "-w"])
    return prefix / "drive_c"


def smoke(zip_file, setup, output):
    drive = fresh_prefix("zip")
    shutil.unpack_archive(zip_file, drive / "portable")
    (exe,) = (drive / "portable").glob("*/vantrel.exe")
    unpacked = set(exe.parent.rglob("*"))
    run_program(exe, output / "wine-zip.png")
    assert set(exe.parent.rglob("*")) == unpacked, "the portable program wrote beside itself"
    user = next((drive / "users").glob("*/AppData"))
    assert wine(str(setup), "/S") == 0, "the silent install failed"
    assert (user / "Local/Programs/Vantrel/vantrel.exe").exists(), "nothing installed by /S"
    print("ok   installed silently (/S)")

    # The installer by its pages on a Chinese desktop, pictured; 完成 starts the program.
    drive = fresh_prefix("installer", "zh_CN.UTF-8")
    user = next((drive / "users").glob("*/AppData"))
    installed = user / "Local/Programs/Vantrel"
    wine(str(setup), wait=False)
    x("windowactivate", "--sync", page := window(INSTALLER), "sleep", "1")
    grab(page, output / "wine-installer-zh.png")
    x("key", "Return", "sleep", "1", "key", "Return")  # 下一步, then 安装 into the offered folder
    wait_for((installed / "uninstall.exe").exists, "the installation")
    x("sleep", "2")
    grab(page, output / "wine-installer-zh-finish.png")
    x("key", "Return")
    window(MAIN)
    subprocess.run([WINESERVER, "-k"])
    # under the Start menu's programs, whose folder names a Chinese Wine translates
    shortcuts = lambda: list((user / "Roaming/Microsoft/Windows").rglob("Vantrel 中学力学.lnk"))
    assert shortcuts(), "no Start-menu shortcut"
    assert wine("reg", "query", UNINSTALL_KEY) == 0, "no entry in the list of programs"
    print("ok   installed by its Chinese pages (wine-installer-zh*.png), shortcut and uninstall entry")
    (desktop := next(drive.glob("users/*/Desktop")) / "桌面").mkdir()
    run_program(installed / "vantrel.exe", output / "wine-installed.png", desktop)
    wine(str(installed / "uninstall.exe"), "/S")  # copies itself away, then removes the folder
    wait_for(lambda: not installed.exists(), "the uninstaller to remove the folder")
    assert not shortcuts() and wine("reg", "query", UNINSTALL_KEY) != 0, "uninstall left traces"
    print("ok   uninstalled: folder, shortcut and uninstall entry gone")


folder = pathlib.Path(tempfile.mkdtemp(prefix="vantrel-wine-"))
(folder / "Desktop").mkdir()  # Wine's desktop and menu entries go to HOME: not the user's
os.environ["HOME"] = str(folder)
try:
    reader, writer = os.pipe()  # Xvfb takes a free display and names it once it takes clients
    PROCESSES.append(subprocess.Popen(["Xvfb", "-displayfd", str(writer), "-screen", "0",
                                       "1024x768x24", "-nolisten", "tcp"], pass_fds=(writer,)))
    os.environ.update(DISPLAY=":" + os.read(reader, 16).decode().strip(), WINEDEBUG="-all",
                      WINEDLLOVERRIDES="mscoree,mshtml=")
    PROCESSES.append(subprocess.Popen(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL))
    smoke(*map(pathlib.Path, sys.argv[2:5]))
    print("PASS")
except AssertionError as failure:
    sys.exit(f"FAIL: {failure}")
finally:
    with contextlib.suppress(Exception):
        subprocess.run([WINESERVER, "-k"])
    for process in reversed(PROCESSES):
        process.kill()
    shutil.rmtree(folder, ignore_errors=True)
