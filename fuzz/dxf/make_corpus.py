#!/usr/bin/python3
"""Writes the seed files of fuzz/dxf/corpus: hand-made cases of what goes
wrong in real files. The corpus otherwise keeps only inputs that once made
the reader fail; random truncations and damaged copies are made afresh by
tests/dxf (BadInput.DamagedCopiesOfADrawing), not stored here.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))

HAND_MADE = {
    "empty": b"",
    "only_newlines": b"\n\r\n\n",
    "binary_dxf": b"AutoCAD Binary DXF\r\n\x1a\x00\x00\x00",
    "dwg": b"AC1032\x00\x00\x00\x00\x01",
    "code_overflow": b"99999999999999999999\nX\n",
    "negative_code": b"-1\nX\n  0\nEOF\n",
    "nul_bytes": b"  0\nSECTION\n  2\nENTITIES\n  0\nTEXT\n  1\na\x00b\n  0\nENDSEC\n  0\nEOF\n",
    "cr_only": b"  0\rSECTION\r  2\rENTITIES\r  0\rENDSEC\r  0\rEOF\r",
    "nested_sections": b"  0\nSECTION\n  2\nTABLES\n  0\nSECTION\n  2\nTABLES\n  0\nENDSEC\n",
    "endsec_alone": b"  0\nENDSEC\n  0\nEOF\n",
    "seqend_alone": b"  0\nSECTION\n  2\nENTITIES\n  0\nSEQEND\n  0\nENDSEC\n  0\nEOF\n",
    "insert_attrib_no_seqend": b"  0\nSECTION\n  2\nENTITIES\n  0\nINSERT\n 66\n1\n  0\nATTRIB\n  0\nENDSEC\n",
    "header_with_entity": b"  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  0\nLINE\n  0\nENDSEC\n",
    "handle_too_long": b"  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  5\n12345678901234567\n  0\nENDSEC\n",
    "handseed_garbage": b"  0\nSECTION\n  2\nHEADER\n  9\n$HANDSEED\n  5\nZZ\n  0\nENDSEC\n  0\nEOF\n",
    "escape_at_end": b"  0\nSECTION\n  2\nENTITIES\n  0\nTEXT\n  1\n\\U+05\n  1\n\\M+1\n  0\nENDSEC\n  0\nEOF\n",
    "bom_only": b"\xef\xbb\xbf",
    "code_without_value": b"  0\n",
}


def main():
    out = os.path.join(HERE, "corpus")
    os.makedirs(out, exist_ok=True)
    for name, data in HAND_MADE.items():
        with open(os.path.join(out, name + ".dxf"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
