#!/usr/bin/env python3
"""Writes Binarish.lang, the binary language file of the tests, straight from
the chunk layout (file tag, then nodes of tag, child count, children, value
count, values; values of tag, size, bytes; all little-endian), so that the
tests read a file our own writer did not make."""
import struct
from pathlib import Path


def value(tag, data):
    return tag.encode() + struct.pack("<I", len(data)) + data


def text(tag, string):
    return value(tag, string.encode("utf-8"))


def node(tag, children=(), values=()):
    out = tag.encode() + struct.pack("<I", len(children)) + b"".join(children)
    return out + struct.pack("<I", len(values)) + b"".join(values)


def item(source, translation):
    return node("ITEM", values=[text("CTXT", source), text("TRSN", translation)])


def group(name, children):
    return node("GRUP", children, [text("NAME", name)])


# 15 March 2024, 12:30:45.250 UTC.
date = struct.pack("<7I", 2024, 3, 15, 12, 30, 45, 250)
header = node("HEDR", values=[text("ENGL", "binarish"), text("NTVL", "\u00e9tude binaire"),
                              text("ATHR", "Reelstack tests"), value("DATE", date)])
groups = node("GRPS", [
    group("MainWindow", [
        item("Open", "Aufmachen"),
        group("Menu", [item("Quit", "Beenden|jetzt")]),
        item("Close", "Schlie\u00dfen"),
    ]),
    group("Dialog", [
        item("%app settings", ""),
        item("First\\nSecond", "Erste\\nZweite\\t"),
        item("Open", "\u00d6ffnen"),
    ]),
])
root = node("ROOT", [header, groups])
Path(__file__).with_name("Binarish.lang").write_bytes(b"LANG" + root)
