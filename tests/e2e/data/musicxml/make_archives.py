#!/usr/bin/env python3
"""Writes the faulty compressed MusicXML files of the end-to-end tests beside
this script. Run it again after changing it; its output is committed."""
import os
import struct
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
DATE = (2026, 12, 8, 12, 0, 0)
CONTAINER = ('<?xml version="1.0" encoding="UTF-8"?>\n<container><rootfiles>'
             '<rootfile full-path="score.musicxml" media-type="application/vnd.recordare.musicxml+xml"/>'
             '</rootfiles></container>\n')
SCORE = ('<score-partwise version="4.0"><part-list><score-part id="P1"><part-name>Drums</part-name>'
         '</score-part></part-list><part id="P1"><measure number="1"/></part></score-partwise>\n')


def archive(name, entries):
    path = os.path.join(HERE, name)
    with zipfile.ZipFile(path, "w") as z:
        for entry, text in entries:
            info = zipfile.ZipInfo(entry, DATE)
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, text)
    return path


def patch(path, change):
    data = bytearray(open(path, "rb").read())
    change(data)
    open(path, "wb").write(bytes(data))


def central_entry(data, name):
    at = 0
    while True:
        at = data.index(b"PK\x01\x02", at)
        length = struct.unpack_from("<H", data, at + 28)[0]
        if data[at + 46:at + 46 + length] == name:
            return at
        at += 4


archive("no_container.mxl", [("score.musicxml", SCORE)])
archive("missing_root.mxl", [("META-INF/container.xml", CONTAINER)])


def encrypt(data):
    """Sets the encryption flag in the score's local and central headers."""
    for at, offset in ((data.rindex(b"PK\x03\x04"), 6), (central_entry(data, b"score.musicxml"), 8)):
        struct.pack_into("<H", data, at + offset, struct.unpack_from("<H", data, at + offset)[0] | 1)


path = archive("encrypted.mxl", [("META-INF/container.xml", CONTAINER), ("score.musicxml", SCORE)])
patch(path, encrypt)
# The score claims to inflate to 2 GB.
path = archive("oversized.mxl", [("META-INF/container.xml", CONTAINER), ("score.musicxml", SCORE)])
patch(path, lambda d: struct.pack_into("<I", d, central_entry(d, b"score.musicxml") + 24, 0x7FFFFFFF))
# The end record places the central directory past the end of the file.
path = archive("broken.mxl", [("META-INF/container.xml", CONTAINER), ("score.musicxml", SCORE)])
patch(path, lambda d: struct.pack_into("<I", d, len(d) - 6, len(d) + 1000))
with open(os.path.join(HERE, "not_a_zip.mxl"), "w") as f:
    f.write(SCORE)
