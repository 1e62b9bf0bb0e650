#!/usr/bin/python3
"""Cross-checks vrn's DXF files against ezdxf, a DXF reader no one here wrote.

usage: cross_check.py VRN_DXF_ROUNDTRIP FIXTURE_DIR WORK_DIR

For every fixture drawing:
  1. vrn loads and saves it unchanged: the saved file must be byte for byte
     the fixture.
  2. vrn changes a TEXT, an ATTRIB and the long MTEXT (split over groups 3
     and 1), puts line breaks, a tab, NUL and carets into another TEXT, sets
     the DOS Hebrew texts to their own text again, adds a TEXT, and saves:
     ezdxf must read back every object of the fixture with the same values
     (strings with their \\U+XXXX escapes and caret notation read), the
     changed texts as set, the new TEXT, and a $HANDSEED above every handle;
     the DOS letters 0x80-0x9A keep their bytes.
Prints how many drawings it checked and fails when fewer ran than the
folder holds.
"""
import os
import subprocess
import sys

import ezdxf
from ezdxf.tools.text import caret_decode

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples"))
from hebrew_layouts import stored_value  # noqa: E402

NEW_TEXT = "\u05d3\u05dc\u05ea \u05e8\u05d0\u05e9\u05d9\u05ea (A-12) caf\u00e9"
NEW_ATTRIB = "\u05d7\u05d3\u05e8 \u05e9\u05d9\u05e0\u05d4"
ADDED_TEXT = "\u05d7\u05d3\u05e9 new"
LONG_MTEXT = " ".join(f"\u05e9\u05d5\u05e8\u05d4 {i:03d} \u00a9" for i in range(80))
CONTROL_TEXT = "line one\r\nline two\tcolumn\x00nul ^ caret ^J typed"


def unescaped(value):
    """A string with its \\U+XXXX escapes and its caret notation ("^J" for a
    line feed, "^ " for a caret) read, as AutoCAD reads them (ezdxf's
    readfile leaves both to the caller)."""
    if not isinstance(value, str):
        return value
    if ezdxf.has_dxf_unicode(value):
        value = ezdxf.decode_dxf_unicode(value)
    return caret_decode(value)


def values(entity):
    """What ezdxf reads of an object: its type, attributes, texts and XDATA."""
    attribs = {k: unescaped(v) for k, v in entity.dxf.all_existing_dxf_attribs().items()}
    result = {"type": entity.dxftype(), "attribs": attribs}
    if entity.dxftype() == "MTEXT":
        result["text"] = unescaped(entity.text)
    if getattr(entity, "xdata", None):
        result["xdata"] = {name: list(tags) for name, tags in entity.xdata.data.items()}
    return result


def file_handles(path):
    """The handles written in a drawing (groups 5 and 105)."""
    with open(path, "rb") as f:
        lines = f.read().split(b"\n")
    pairs = [(lines[i].strip(), lines[i + 1].strip()) for i in range(0, len(lines) - 1, 2)]
    return {value.decode() for (code, value), previous in zip(pairs[1:], pairs)
            if code in (b"5", b"105") and previous != (b"9", b"$HANDSEED")}


def objects(doc, path):
    result = {entity.dxf.handle: values(entity) for entity in doc.entitydb.values()
              if entity.dxf.handle is not None}
    if doc.dxfversion == "AC1009":
        # R12 has no owners, layouts, materials ...: ezdxf makes them up on
        # loading, with handles from $HANDSEED.
        for value in result.values():
            for key in [k for k in value["attribs"] if k == "owner" or k.endswith("_handle")]:
                del value["attribs"][key]
    # Only what the file holds: ezdxf adds objects of its own on loading.
    in_file = file_handles(path)
    return {h: v for h, v in result.items() if h in in_file}


def first(doc, query, pick=lambda e: True):
    for space in [doc.modelspace()]:
        for entity in space.query(query):
            if pick(entity):
                return entity
    raise AssertionError(f"fixture has no {query}")


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def check(tool, fixture, work):
    name = os.path.basename(fixture)
    unchanged = os.path.join(work, "unchanged_" + name)
    subprocess.run([tool, fixture, unchanged], check=True)
    with open(fixture, "rb") as a, open(unchanged, "rb") as b:
        if a.read() != b.read():
            fail(f"{name}: an unchanged drawing did not save byte for byte")

    before = ezdxf.readfile(fixture)
    text = first(before, "TEXT", lambda e: e.dxf.style == "TTF")
    insert = first(before, "INSERT", lambda e: e.has_attrib("ROOM"))
    attrib = insert.get_attrib("ROOM")
    plain = first(before, "TEXT", lambda e: e.dxf.style == "STANDARD")
    args = [tool, fixture, os.path.join(work, "changed_" + name),
            "--text", text.dxf.handle, NEW_TEXT,
            "--text", attrib.dxf.handle, NEW_ATTRIB,
            "--text-hex", plain.dxf.handle, CONTROL_TEXT.encode().hex(),
            "--add-text", ADDED_TEXT]
    expected = objects(before, fixture)
    expected[text.dxf.handle]["attribs"]["text"] = NEW_TEXT
    expected[attrib.dxf.handle]["attribs"]["text"] = NEW_ATTRIB
    expected[plain.dxf.handle]["attribs"]["text"] = CONTROL_TEXT
    for dos in before.modelspace().query("TEXT"):
        if dos.dxf.style == "DOSHEB":
            args += ["--retext", dos.dxf.handle]
    mtexts = [m for m in before.modelspace().query("MTEXT") if len(m.text) > 250]
    if before.dxfversion > "AC1009":
        if not mtexts:
            fail(f"{name}: the fixture has no long MTEXT")
        args += ["--text", mtexts[0].dxf.handle, LONG_MTEXT]
        expected[mtexts[0].dxf.handle]["text"] = LONG_MTEXT
        expected[mtexts[0].dxf.handle]["attribs"]["text"] = LONG_MTEXT
    with open(fixture, "rb") as f:
        original = f.read()
    subprocess.run(args, check=True)
    with open(fixture, "rb") as f:
        if f.read() != original:
            fail(f"{name}: saving the changed drawing under a new name wrote over the drawing it came from")

    after = ezdxf.readfile(args[2])
    got = objects(after, args[2])
    added = [h for h in got if h not in expected]
    for handle, want in expected.items():
        have = got.get(handle)
        if have is None:
            fail(f"{name}: object {handle} ({want['type']}) is gone")
        if want["type"] == "MTEXT":  # ezdxf joins groups 3 and 1 into .text only
            want["attribs"].pop("text", None)
            have["attribs"].pop("text", None)
        if have != want:
            fail(f"{name}: object {handle} differs:\n  want {want}\n  have {have}")
    new_texts = [h for h in added if got[h]["type"] == "TEXT"]
    if len(new_texts) != 1 or got[new_texts[0]]["attribs"]["text"] != ADDED_TEXT:
        fail(f"{name}: the added TEXT did not read back: {[got[h] for h in added]}")
    codepage = "cp" + before.header["$DWGCODEPAGE"][5:]
    with open(args[2], "rb") as f:
        if b"\n" + stored_value(bytes(range(0x80, 0x9B)), before.dxfversion, codepage) + b"\n" not in f.read():
            fail(f"{name}: the DOS letters 0x80-0x9A did not keep their bytes")
    seed = int(after.header["$HANDSEED"], 16)
    highest = max(int(h, 16) for h in got)
    if seed <= highest:
        fail(f"{name}: $HANDSEED {seed:X} is not above handle {highest:X}")


def main():
    tool, fixture_dir, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    fixtures = sorted(f for f in os.listdir(fixture_dir) if f.endswith(".dxf"))
    checked = 0
    for fixture in fixtures:
        check(tool, os.path.join(fixture_dir, fixture), work)
        checked += 1
    print(f"cross-checked {checked} of {len(fixtures)} drawings with ezdxf {ezdxf.__version__}")
    if checked == 0 or checked < len(fixtures):
        fail("fewer drawings checked than the fixture folder holds")


if __name__ == "__main__":
    main()
