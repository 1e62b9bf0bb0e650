#pragma once
// The text codecs of DXF files before AC1021: the code pages named by
// $DWGCODEPAGE, single-byte and East Asian double-byte ones.
//
//   decode  every byte maps to one UTF-16 unit, as Windows converts it, and
//           so does every lead and trail byte pair of a double-byte code
//           page (bytes a code page leaves undefined keep their value, so
//           the DOS Hebrew letters 0x80-0x9A survive in any Windows code
//           page; a lead byte of an undefined pair is such a byte);
//           "\U+XXXX" gives the character XXXX and "\M+nXXXX" the double-byte
//           character XXXX of the East Asian code page n.
//   encode  the inverse: a character of the code page becomes its bytes
//           (where a double-byte code page has a character twice, the bytes
//           the system writes for it), any other "\U+XXXX" (upper-case hex
//           digits, one escape per UTF-16 unit).
//
// Escapes are read as AutoCAD and other DXF programs read them, whatever the
// case of the hex digits (ezdxf writes lower case). So encode(decode(b)) == b
// holds for every byte string whose escapes are the ones encode writes; any
// other escape ("\U+05e9", "\U+0041", "\M+..") comes back in encode's form,
// and so does the second spelling of a character a double-byte code page
// has twice.
// Control characters and the caret are in caret notation (see TextCodec).
// An unchanged record is copied from its file, so this matters only for a
// string the model rewrites.

#include <memory>
#include <string_view>

#include "drawing/text_codec.h"

namespace vrn::dxf {

// The codec of a $DWGCODEPAGE value, any case: ANSI_874, ANSI_1250 to
// ANSI_1258, the DOS code pages 437, 850, 852, 855, 857, 860 to 866 and 869,
// ISO8859-1 to ISO8859-10, MACINTOSH and ASCII; the double-byte ANSI_932
// (and DOS932), ANSI_936, ANSI_949, ANSI_950 and ANSI_1361. Null for any
// other. A code page this system has no converter for reads every byte
// above 0x7F as undefined.
std::shared_ptr<const drawing::TextCodec> codePageCodec(std::string_view dwgCodePage);

// The codec of a drawing of version `acadVer` ($ACADVER, "AC1015" ...):
// UTF-8 from AC1021 on, otherwise the code page's codec (null when unknown).
std::shared_ptr<const drawing::TextCodec> drawingCodec(std::string_view acadVer,
                                                       std::string_view dwgCodePage);

}  // namespace vrn::dxf
