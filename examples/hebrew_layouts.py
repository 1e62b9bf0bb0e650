"""Hebrew text as each of the five font types stores it in a drawing.

Used by examples/make_sample.py and tests/dxf/fixtures/make_fixtures.py.
Text goes in as it is read (logical Unicode); out comes the stored form:

  font type     letters                     order
  DosHebrew     DOS code page 862, 0x80-    visual (last letter first)
  DosEnglish    Latin keys of the Hebrew    visual
                keyboard (t = alef ...)
  DosEnglishR   Latin keys                  the opposite of DosEnglish
  WindowsHeb    Windows-1255, 0xE0-         visual
  TrueType      Unicode                     logical (as read)

A backward text style mirrors the text once more. Numbers and Latin words
keep their own left-to-right order inside a visual line.

A stored text is a byte string for drawings before AC1021; later drawings
are UTF-8, and hold the characters that the drawing's code page gives those
bytes on Windows (undefined bytes keep their value).
"""

KEYS = "tcdsvuzjyhlfkonibxg;p.mera,"  # the Latin key of each letter, alef..tav
# Punctuation that a key-layout font draws in another place (DOS side).
KEY_PUNCTUATION = {"'": "w", ",": "'", ".": "/", "/": "q"}


def is_letter(ch):
    return "\u05d0" <= ch <= "\u05ea"


def runs(text):
    """The text cut into runs of Hebrew letters and runs of anything else."""
    out = []
    for ch in text:
        if out and is_letter(out[-1][0]) == is_letter(ch):
            out[-1] += ch
        else:
            out.append(ch)
    return out


def fix_runs(text):
    """Hebrew runs stay, every other run is reversed."""
    return "".join(r if is_letter(r[0]) else r[::-1] for r in runs(text))


def visual(text):
    """The line as a left-to-right shape font must draw it."""
    return fix_runs(text)[::-1]


def _bytes(text, letter, other=lambda ch: ch):
    out = bytearray()
    for ch in text:
        out += letter(ord(ch) - 0x5D0) if is_letter(ch) else other(ch).encode("ascii")
    return bytes(out)


def _keys(text):
    return _bytes(text, lambda n: KEYS[n].encode("ascii"), lambda ch: KEY_PUNCTUATION.get(ch, ch))


def dos_hebrew(text, backward=False):
    """DOS code page 862 letters, visual order (logical for a backward style)."""
    stored = fix_runs(text) if backward else visual(text)
    return _bytes(stored, lambda n: bytes([0x80 + n]))


def dos_english(text):
    """Latin keys of the Hebrew keyboard, visual order."""
    return _keys(visual(text))


def dos_english_r(text):
    """Latin keys, the opposite order of dos_english."""
    return _keys(fix_runs(text))


def windows_hebrew(text):
    """Windows-1255 letters, visual order."""
    return _bytes(visual(text), lambda n: bytes([0xE0 + n]))


def true_type(text):
    """Unicode in reading order, as Windows-1255 bytes."""
    return text.encode("cp1255")


def windows_decode(data, codepage):
    """Bytes to characters as Windows' code page does it."""
    out = []
    for b in data:
        try:
            out.append(bytes([b]).decode(codepage))
        except UnicodeDecodeError:
            out.append(chr(b))
    return "".join(out)


def stored_value(data, acadver, codepage):
    """The bytes a drawing of this version and code page holds for `data`."""
    if acadver >= "AC1021":
        return windows_decode(data, codepage).encode("utf-8")
    return data


def substitute(path, replacements, acadver, codepage):
    """Replaces placeholder tokens in a written drawing by stored bytes."""
    with open(path, "rb") as f:
        content = f.read()
    for token, data in replacements.items():
        assert token.encode() in content, token
        content = content.replace(token.encode(), stored_value(data, acadver, codepage))
    with open(path, "wb") as f:
        f.write(content)
