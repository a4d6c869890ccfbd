#!/usr/bin/python3
"""Cuts the program's face, "Vantrel Hei", out of WenQuanYi Micro Hei.

The face holds every character the program draws: the texts of its sources
(pages, formulas, About, messages), its help page, the Chinese texts of the Qt
dialogs and menus it opens (from qtbase_zh_CN.qm), and what a student types:
ASCII, Greek and the signs of school mathematics.

usage: make_face.py           write data/fonts/vantrel-hei.ttf
       make_face.py --check   fail, naming them, on characters the face lacks
Needs python3-fonttools; writing also needs fonts-wqy-microhei and
qt6-translations-l10n.
"""

import pathlib
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
FACE = ROOT / "data/fonts/vantrel-hei.ttf"
SOURCE_FONT = pathlib.Path("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc")
QT_TEXTS = pathlib.Path("/usr/share/qt6/translations/qtbase_zh_CN.qm")
FAMILY = "Vantrel Hei"

# The Qt classes whose texts appear in a window of the program: the message
# box, the colour and save dialogs with their lists and menus, and the context
# menus of the boxes and the help page.
QT_CONTEXTS = {
    "QAbstractSpinBox", "QColorDialog", "QComboBox", "QDialog", "QDialogButtonBox",
    "QDirModel", "QFileDialog", "QFileSystemModel", "QGnomeTheme", "QLineEdit",
    "QMessageBox", "QPlatformTheme", "QScrollBar", "QShortcut", "QStandardPaths",
    "QUnicodeControlCharacterMenu", "QWhatsThisAction", "QWidget", "QWidgetTextControl",
}

# What a student may type or a later text may need: printable ASCII and its
# full-width forms, the Greek alphabet, sub- and superscript digits and signs,
# and the signs of school mathematics.
TYPED = (
    "".join(map(chr, range(0x20, 0x7F)))
    + "".join(chr(c) for c in range(0x391, 0x3AA) if c != 0x3A2)
    + "".join(map(chr, range(0x3B1, 0x3CA)))
    + "½¼¾×÷·−±√≈≠≤≥°∞∆…—‘’“”·，。：；！？（）、《》【】"
    + "⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻₀₁₂₃₄₅₆₇₈₉₊₋"
    # Full-width ASCII, which a Chinese input method types for digits and letters.
    + "".join(map(chr, range(0xFF01, 0xFF5F)))
)


def qt_dialog_texts(path):
    """The translations of QT_CONTEXTS in a .qm file."""
    data = path.read_bytes()
    at, texts = 16, []  # after the magic number
    while at < len(data):
        tag, length = data[at], struct.unpack(">I", data[at + 1:at + 5])[0]
        at += 5
        if tag == 0x69:  # the messages
            texts += messages(data[at:at + length])
        at += length
    return "".join(text for context, text in texts if context in QT_CONTEXTS)


def messages(block):
    """(context, translation) pairs of a .qm messages block."""
    at, context, pending, translations = 0, "", [], []
    while at < len(block):
        tag = block[at]
        at += 1
        if tag == 1:  # end of a message
            translations += [(context, text) for text in pending]
            context, pending = "", []
            continue
        if tag == 5:  # an obsolete 32-bit field
            at += 4
            continue
        length = struct.unpack(">I", block[at:at + 4])[0]
        length = 0 if length == 0xFFFFFFFF else length
        field = block[at + 4:at + 4 + length]
        at += 4 + length
        if tag == 3:
            pending.append(field.decode("utf-16-be"))
        elif tag == 7:
            context = field.decode("latin-1")
    return translations


def wanted_characters():
    texts = [TYPED, (ROOT / "data/vantrel.html").read_text(encoding="utf-8")]
    for path in sorted((ROOT / "src").rglob("*")):
        if path.suffix in {".cpp", ".h", ".in"}:
            texts.append(path.read_text(encoding="utf-8"))
    if QT_TEXTS.exists():
        texts.append(qt_dialog_texts(QT_TEXTS))
    # Controls and joiners are not drawn. Sub- and superscript characters are
    # written only for screen readers and the clipboard: the program draws a
    # script as smaller letters of the line, and WenQuanYi has few of them.
    return {c for c in "".join(texts)
            if ord(c) >= 0x20 and c not in "\u200b\u200c\u200d\ufeff"
            and not 0x2070 <= ord(c) <= 0x209F}


def check():
    from fontTools.ttLib import TTFont

    covered = set(TTFont(FACE).getBestCmap())
    missing = sorted(c for c in wanted_characters() if ord(c) not in covered)
    if missing:
        print(f"{FACE.name} lacks {len(missing)} characters the program draws: "
              + " ".join(f"{c} U+{ord(c):04X}" for c in missing))
        print("run data/fonts/make_face.py to cut the face anew")
        return 1
    print(f"{FACE.name} holds every character the program draws")
    return 0


def write():
    from fontTools import subset
    from fontTools.ttLib import TTFont

    font = TTFont(SOURCE_FONT, fontNumber=0, recalcTimestamp=False)
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.notdef_outline = True
    options.drop_tables += ["FFTM"]
    available = set(font.getBestCmap())
    unicodes = sorted(ord(c) for c in wanted_characters() if ord(c) in available)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=unicodes)
    subsetter.subset(font)
    # A family of its own, so that an installed WenQuanYi of another version
    # never stands in for it.
    name = font["name"]
    for record in list(name.names):
        if record.nameID in (1, 4, 16):
            record.string = FAMILY
        elif record.nameID == 3:
            record.string = f"{FAMILY} (WenQuanYi Micro Hei subset)"
        elif record.nameID == 6:
            record.string = FAMILY.replace(" ", "")
    name.setName("Vantrel Hei is a subset of WenQuanYi Micro Hei 0.2.0-beta, cut for Vantrel "
                 "with fontTools; only the glyphs were removed and the names changed.", 10, 3, 1, 0x409)
    font.save(FACE)
    print(f"{FACE.name}: {len(unicodes)} characters, {FACE.stat().st_size} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(check() if "--check" in sys.argv[1:] else write())
