#pragma once
// The text codecs of DXF files before AC1021: single-byte code pages named
// by $DWGCODEPAGE.
//
//   decode  every byte maps to one UTF-16 unit, as Windows converts it
//           (bytes a code page leaves undefined keep their value, so the
//           DOS Hebrew letters 0x80-0x9A survive in any Windows code page);
//           "\U+XXXX" gives the character XXXX and "\M+nXXXX" the double-byte
//           character XXXX of the East Asian code page n.
//   encode  the inverse: a character of the code page becomes its byte, any
//           other "\U+XXXX" (upper-case hex digits, one escape per UTF-16
//           unit).
//
// Escapes are read as AutoCAD and other DXF programs read them, whatever the
// case of the hex digits (ezdxf writes lower case). So encode(decode(b)) == b
// holds for every byte string whose escapes are the ones encode writes; any
// other escape ("\U+05e9", "\U+0041", "\M+..") comes back in encode's form.
// Control characters and the caret are in caret notation (see TextCodec).
// An unchanged record is copied from its file, so this matters only for a
// string the model rewrites.

#include <memory>
#include <string_view>

#include "drawing/text_codec.h"

namespace vrn::dxf {

// The codec of a $DWGCODEPAGE value, any case: ANSI_874, ANSI_1250 to
// ANSI_1258, the DOS code pages 437, 850, 852, 855, 857, 860 to 866 and 869,
// ISO8859-1 to ISO8859-10, MACINTOSH and ASCII. Null for any other (the
// double-byte code pages among them).
std::shared_ptr<const drawing::TextCodec> codePageCodec(std::string_view dwgCodePage);

// The codec of a drawing of version `acadVer` ($ACADVER, "AC1015" ...):
// UTF-8 from AC1021 on, otherwise the code page's codec (null when unknown).
std::shared_ptr<const drawing::TextCodec> drawingCodec(std::string_view acadVer,
                                                       std::string_view dwgCodePage);

}  // namespace vrn::dxf
