#!/usr/bin/python3
"""Writes examples/sample.dxf: a small architectural sheet with Hebrew texts.

Run: /usr/bin/python3 examples/make_sample.py   (needs python3-ezdxf)

An apartment plan (walls, doors, room names, dimensions) and a paper-space
sheet with a title block. Every Hebrew text is stored as the font of its
style needs it (see hebrew_layouts.py); examples/README.md says what each
part shows. The drawing is AutoCAD 2000 (AC1015) with $DWGCODEPAGE ANSI_1255,
so texts are the code page's bytes. ezdxf writes placeholders that are put
in as bytes afterwards, since the DOS letters are no text of Windows-1255.
"""
import os

import ezdxf

from hebrew_layouts import (dos_english, dos_english_r, dos_hebrew, substitute, true_type,
                            windows_hebrew)

HERE = os.path.dirname(os.path.abspath(__file__))

# style name -> font file. The file names classify as the font types:
# a shape font missing from the font map is DosHebrew, a name beginning with
# VORNEL is WindowsHeb, a .ttf file TrueType; HEBENG and HEBENGR are mapped
# in VrnFonts.txt beside this drawing.
STYLES = {
    "HEB-DOS": ("hebrew1.shx", 0),
    "HEB-KEYS": ("hebeng.shx", 0),
    "HEB-KEYS-R": ("hebengr.shx", 0),
    "HEB-WIN": ("vornel1.shx", 0),
    "HEB-TTF": ("arial.ttf", 0),
    "HEB-DOS-BACK": ("hebrew1.shx", 2),  # text generation flag 2: backward
}

STORE = {
    "HEB-DOS": dos_hebrew,
    "HEB-KEYS": dos_english,
    "HEB-KEYS-R": dos_english_r,
    "HEB-WIN": windows_hebrew,
    "HEB-TTF": true_type,
    "HEB-DOS-BACK": lambda text: dos_hebrew(text, backward=True),
}


class Texts:
    """Placeholders for stored texts, filled in after ezdxf has written."""

    def __init__(self):
        self.stored = {}

    def __call__(self, style, text):
        token = f"@{len(self.stored):02d}@"
        self.stored[token] = STORE[style](text)
        return token


def setup(doc):
    for name, (font, flags) in STYLES.items():
        doc.styles.new(name, dxfattribs={"font": font, "generation_flags": flags, "width": 0.9})
    for name, color in [("A-WALL", 7), ("A-DOOR", 4), ("A-TEXT", 3), ("A-DIMS", 1), ("A-TITLE", 5)]:
        doc.layers.add(name, color=color)
    doc.layers.add("A-FURN-OLD", color=8).freeze()  # an old furniture layout, frozen
    doc.layers.get("A-TITLE").lock()
    dimstyle = doc.dimstyles.new("HEB-DIM")
    dimstyle.dxf.dimtxsty = "HEB-TTF"
    dimstyle.dxf.dimtxt = 15
    dimstyle.dxf.dimasz = 10


def walls(msp):
    # An apartment of 1000 x 600 cm: living room, kitchen, bedroom, bath.
    outline = [(0, 0), (1000, 0), (1000, 600), (0, 600)]
    msp.add_lwpolyline(outline, close=True, dxfattribs={"layer": "A-WALL", "const_width": 20})
    for start, end in [((600, 0), (600, 600)), ((600, 300), (1000, 300)), ((0, 350), (600, 350)),
                       ((300, 350), (300, 600))]:
        msp.add_line(start, end, dxfattribs={"layer": "A-WALL"})
    for center, start in [((600, 150), 90), ((300, 350), 0)]:
        msp.add_arc(center, 80, start, start + 90, dxfattribs={"layer": "A-DOOR"})
    msp.add_circle((150, 150), 40, dxfattribs={"layer": "A-FURN-OLD"})


def room_names(msp, texts):
    rooms = [
        ("HEB-DOS", "\u05e1\u05dc\u05d5\u05df", (250, 150), 0),                       # living room
        ("HEB-KEYS", "\u05de\u05d8\u05d1\u05d7", (750, 150), 0),                      # kitchen
        ("HEB-KEYS-R", "\u05d7\u05d3\u05e8 \u05e9\u05d9\u05e0\u05d4", (750, 450), 0),  # bedroom
        ("HEB-WIN", "\u05d0\u05de\u05d1\u05d8\u05d9\u05d4", (420, 470), 0),            # bath
        ("HEB-TTF", "\u05de\u05e8\u05e4\u05e1\u05ea \u05e9\u05d9\u05e8\u05d5\u05ea", (120, 470), 0),  # utility balcony
        ("HEB-DOS-BACK", "\u05de\u05d7\u05e1\u05df", (120, 400), 0),                   # storage
        ("HEB-DOS", "\u05de\u05e1\u05d3\u05e8\u05d5\u05df", (560, 60), 90),            # corridor, rotated
        ("HEB-TTF", "\u05e6\u05e4\u05d5\u05df", (950, 560), 30),                       # north, rotated
        ("HEB-DOS", "\u05e9\u05d8\u05d7 24.5", (250, 110), 0),                          # area with a number
    ]
    for style, text, point, rotation in rooms:
        msp.add_text(texts(style, text), dxfattribs={"style": style, "layer": "A-TEXT", "height": 20,
                                                     "rotation": rotation}).set_placement(point)


def notes(msp, texts):
    # A format group (font, bold) and two paragraphs (\P).
    heading = texts("HEB-TTF", "\u05d4\u05e2\u05e8\u05d5\u05ea:")                           # notes:
    first = texts("HEB-TTF", "\u05db\u05dc \u05d4\u05de\u05d9\u05d3\u05d5\u05ea \u05d1\u05e1\u05de")  # all sizes in cm
    second = texts("HEB-TTF", "\u05dc\u05d0 \u05dc\u05de\u05d3\u05d5\u05d3 \u05de\u05d4\u05ea\u05d5\u05db\u05e0\u05d9\u05ea")  # do not scale
    msp.add_mtext("{\\fArial|b1|i0|c177|p34;" + heading + "}\\P" + first + "\\P" + second,
                  dxfattribs={"style": "HEB-TTF", "layer": "A-TEXT", "char_height": 15, "width": 300,
                              "attachment_point": 3}).set_location((1000, -60))


def dimensions(msp, texts):
    width = texts("HEB-TTF", "\u05e8\u05d5\u05d7\u05d1")  # width
    dim = msp.add_linear_dim(base=(0, 680), p1=(0, 600), p2=(1000, 600), dimstyle="HEB-DIM",
                             text="<> " + width, dxfattribs={"layer": "A-DIMS"})
    dim.render()
    msp.add_linear_dim(base=(1080, 0), p1=(1000, 0), p2=(1000, 600), angle=90, dimstyle="HEB-DIM",
                       dxfattribs={"layer": "A-DIMS"}).render()


def title_block(doc, sheet, texts):
    block = doc.blocks.new("TITLE-HEB")
    block.add_lwpolyline([(0, 0), (180, 0), (180, 40), (0, 40)], close=True)
    block.add_line((0, 20), (180, 20))
    fields = [
        ("PROJECT", "HEB-TTF", "\u05e9\u05dd \u05d4\u05e4\u05e8\u05d5\u05d9\u05e7\u05d8", (5, 27), 6),
        ("SHEET", "HEB-DOS", "\u05e9\u05dd \u05d4\u05d2\u05d9\u05dc\u05d9\u05d5\u05df", (5, 7), 5),
        ("SCALE", "STANDARD", "Scale", (140, 7), 4),
    ]
    for tag, style, prompt, point, height in fields:
        block.add_attdef(tag, point, dxfattribs={"style": style, "height": height,
                                                 "prompt": texts("HEB-TTF", prompt)})
    values = {
        "PROJECT": texts("HEB-TTF", "\u05d1\u05d9\u05ea \u05de\u05d2\u05d5\u05e8\u05d9\u05dd"),  # a dwelling
        "SHEET": texts("HEB-DOS", "\u05ea\u05d5\u05db\u05e0\u05d9\u05ea \u05e7\u05d5\u05de\u05d4"),  # floor plan
        "SCALE": "1:50",
    }
    insert = sheet.add_blockref("TITLE-HEB", (230, 10), dxfattribs={"layer": "A-TITLE"})
    insert.add_auto_attribs(values)


def room_tag(doc, msp, texts):
    # A room tag whose value history (not part of the drawing) offers room
    # numbers and names: ROOM has no prompt, AREA is left empty.
    block = doc.blocks.new("ROOM-TAG")
    block.add_circle((0, 0), 30)
    fields = [
        ("ROOM", "STANDARD", "", (-8, 8), 12),
        ("NAME", "HEB-DOS", "\u05e9\u05dd \u05d4\u05d7\u05d3\u05e8", (-20, -6), 8),  # room name
        ("AREA", "HEB-DOS", "\u05e9\u05d8\u05d7", (-20, -20), 6),                      # area
    ]
    for tag, style, prompt, point, height in fields:
        block.add_attdef(tag, point, dxfattribs={"style": style, "height": height,
                                                 "prompt": texts("HEB-TTF", prompt) if prompt else ""})
    values = {
        "ROOM": "1",
        "NAME": texts("HEB-DOS", "\u05e1\u05dc\u05d5\u05df"),  # living room
        "AREA": "",
    }
    insert = msp.add_blockref("ROOM-TAG", (420, 230), dxfattribs={"layer": "A-TEXT"})
    insert.add_auto_attribs(values)


def main():
    doc = ezdxf.new("R2000", setup=True)
    doc.encoding = "cp1255"  # ezdxf writes $DWGCODEPAGE ANSI_1255 from it
    texts = Texts()
    setup(doc)
    msp = doc.modelspace()
    walls(msp)
    room_names(msp, texts)
    notes(msp, texts)
    dimensions(msp, texts)
    sheet = doc.layouts.rename("Layout1", "A-101") or doc.layouts.get("A-101")
    sheet.add_viewport(center=(150, 110), size=(280, 180), view_center_point=(550, 300), view_height=900)
    title_block(doc, sheet, texts)
    room_tag(doc, msp, texts)  # last, so that the handles before it stay as they were
    path = os.path.join(HERE, "sample.dxf")
    doc.saveas(path)
    substitute(path, texts.stored, doc.dxfversion, "cp1255")


if __name__ == "__main__":
    main()
