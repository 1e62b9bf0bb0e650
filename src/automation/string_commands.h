#pragma once
// The string conversions of `acadtostr` and `strtoacad`, result in Vrnstr.
//
//   kind 0 to 10   the text itself, kind is its font type, never backward;
//                  kinds 5 to 10 and negative kinds give an empty text.
//                  Nothing of the host or of TfrmFonts is read or changed.
//   kind 11 and up the handle of a single-line text or attribute reference;
//                  the type and backward flag come from its text style.
//                  acadtostr of kind 11 saves them as oldst / oldback, and
//                  strtoacad of kind 11 converts with that saved pair, and
//                  fails when no acadtostr of kind 11 saved one since load:
//                  the default pair would write the text in a wrong layout.
//
// The conversions themselves work on the byte form: the wide text goes
// through the system's code page both ways.

#include <string>

namespace vrn::automation {

class Module;

enum class StringConversion {
  AcadToStr,  // acadtostr: the stored text to reading order
  StrToAcad,  // strtoacad: reading order to the stored text
};

// The member: kind up to 10 converts `ent` itself; a larger kind runs
// RefreshAcad and converts the entity whose handle `ent` is.
void convertString(Module& module, StringConversion conversion, const std::u16string& ent,
                   int kind);

// Both need a refreshed host view. An entity that is neither a single-line
// text nor an attribute reference changes nothing; a handle of no entity
// raises the host's error and leaves Vrnstr as it was.
void AcadToStrByHandle(Module& module, const std::u16string& handle, int kind);
// Also writes the converted text into the entity's TextString, so that a
// following acadtostr of kind 11 reads it back.
void StrToAcadByHandle(Module& module, const std::u16string& handle, int kind);

}  // namespace vrn::automation
