#!/usr/bin/env python3
"""Writes the seed corpus of the number fuzzer from the outside number data of
the tests: every typed input (accepted or rejected), every written text, and
every double of the write cases as its eight bytes. Files are named by the
SHA-1 of their content, as libFuzzer names its own, so duplicates collapse."""

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


def main() -> int:
    if len(sys.argv) != 3:
        print("usage: seed_corpus.py NUMBER_DATA_FOLDER CORPUS_FOLDER", file=sys.stderr)
        return 2
    data, corpus = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    corpus.mkdir(parents=True, exist_ok=True)
    written = set()
    for seed in seeds(data):
        name = hashlib.sha1(seed).hexdigest()
        if name not in written:
            written.add(name)
            (corpus / name).write_bytes(seed)
    print(f"{len(written)} seeds in {corpus}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
