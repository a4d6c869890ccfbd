#!/usr/bin/env python3
"""Writes the seed corpus of a fuzz target. The number fuzzer's comes from the
outside number data of the tests: every typed input (accepted or rejected),
every written text, and every double of the write cases as its eight bytes;
and what the units table of the tests types (a number with a unit or a power
of ten).
The solver fuzzer's is one school exercise per solver and case, laid out as
FuzzedDataProvider splits an input. Files are named by the SHA-1 of their
content, as libFuzzer names its own, so duplicates collapse."""

import hashlib
import pathlib
import struct
import sys

ESCAPES = {"t": b"\t", "n": b"\n", "r": b"\r", "v": b"\v", "f": b"\f",
           "\\": b"\\", '"': b'"'}


def unescape(quoted: str) -> bytes:
    """An input of the reject list: between quotes, with C escapes."""
    body, out, i = quoted[1:-1], bytearray(), 0
    while i < len(body):
        c = body[i]
        if c != "\\":
            out += c.encode("utf-8")
            i += 1
        elif body[i + 1] == "x":
            out.append(int(body[i + 2:i + 4], 16))
            i += 4
        else:
            out += ESCAPES[body[i + 1]]
            i += 2
    return bytes(out)


def seeds(data: pathlib.Path):
    for name in ("read_number_cases.txt", "read_number_variants.txt"):
        for line in (data / name).read_bytes().splitlines():
            if line:
                yield line.split(b"\t")[0]
    for line in (data / "read_number_reject.txt").read_text("utf-8").splitlines():
        if line.startswith('"'):
            yield unescape(line)
    for line in (data / "write_number_cases.txt").read_bytes().splitlines():
        if line and not line.startswith(b"#"):
            bits, text = line.split(b"\t")
            yield struct.pack("<Q", int(bits, 16))
            yield text
    for line in (data.parent / "mechanics/units.txt").read_text("utf-8").splitlines():
        if line and not line.startswith("#"):
            yield line.split(" \u2192 ")[0].split(" ", 1)[1].encode()


def provider_input(texts, tail):
    """Texts are read from the front, each ended by a backslash and one more
    byte; the switches (one byte) and doubles (eight, little-endian) from the
    back, the first one last."""
    front = b"".join(t.encode().replace(b"\\", b"\\\\") + b"\\ " for t in texts)
    back = [struct.pack("<d", x) if isinstance(x, float) else bytes([x]) for x in tail]
    return front + b"".join(reversed(back))


def solver_seeds():
    # Switches: solver, comma separator, choice, other choice (see solver_fuzzer.cpp).
    yield provider_input([], [0, 0, 0, 0, 5.0, 5.0, 120.0])  # two forces, degrees
    yield provider_input([], [0, 1, 1, 0, 3.0, 4.0, 1.5707963267949])  # radians
    # v0 = 2, vt = 10, a = 2, S = 24, t = 4 fit together: every set of three.
    motion = ["2", "10", "2", "24"]
    for known in range(32):
        if bin(known).count("1") == 3:
            comma = known % 2
            texts = [t + (",0" if comma else ".0") for t in motion]
            yield provider_input(texts, [1, comma, 0, 0, known, 4.0])
    yield provider_input(["2", "10", "-2", ""], [1, 0, 0, 0, 0b00111, 0.0])  # a against v
    yield provider_input([], [2, 0, 1, 0, 3.0, 2.0, 1.5])  # v given
    yield provider_input([], [2, 1, 0, 0, 3.0, 0.5, 2.0])  # ω given
    yield provider_input([], [3, 0, 0, 0, 3.6e7])
    yield provider_input([], [3, 0, 0, 0, -1.0])
    yield provider_input(["10", "60", "5", "", "2"], [4, 0, 1, 0])  # s given, degrees
    yield provider_input(["10", "0,5", "", "3", "2"], [4, 1, 0, 1])  # v given, radians
    yield provider_input(["2", "4"], [5, 0, 1, 0])
    yield provider_input(["0,5", "3,14"], [5, 1, 0, 0])
    yield provider_input(["-1", "4"], [5, 0, 0, 0])


def main() -> int:
    if len(sys.argv) != 4 or sys.argv[1] not in ("number_fuzzer", "solver_fuzzer"):
        print("usage: seed_corpus.py number_fuzzer|solver_fuzzer NUMBER_DATA_FOLDER CORPUS_FOLDER",
              file=sys.stderr)
        return 2
    data, corpus = pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
    corpus.mkdir(parents=True, exist_ok=True)
    written = set()
    for seed in seeds(data) if sys.argv[1] == "number_fuzzer" else solver_seeds():
        name = hashlib.sha1(seed).hexdigest()
        if name not in written:
            written.add(name)
            (corpus / name).write_bytes(seed)
    print(f"{len(written)} seeds in {corpus}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
