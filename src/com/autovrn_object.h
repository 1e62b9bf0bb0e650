#pragma once
// The COM object of the class `autovrn`: Iautovrn (dual) and
// ISupportErrorInfo. It holds nothing of its own; every member goes to the
// automation layer's one dispatch entry, and a failure leaves its
// description in the thread's error information.

#include <windows.h>

namespace vrn::com {

// A new object with one reference, for the class factory.
IUnknown* createAutovrn();

// The type library inside this module, loaded once; released at shut-down.
void releaseAutovrnTypeInfo();

}  // namespace vrn::com
