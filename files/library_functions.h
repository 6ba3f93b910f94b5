// Calling a function of a shared library loaded on demand.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

struct Tlibrary_rec {
  void *FPointer = nullptr; // the function found
  uintptr_t Hinst = 0;      // the library's handle; 0 when it is not loaded
};

// Loads the library (by name through the loader's search path, or by path), resolving all its
// symbols at once, and looks the function up. Hinst is 0 when the library could not be loaded;
// FPointer is nullptr when the function is missing, and the library stays loaded until
// CloseLibraryFunction.
Tlibrary_rec FindLibraryFunction(const String &LibraryName, const String &FunctionName);
// Unloads the library, clears the record and returns whether the unloading succeeded (false for
// a record with no library).
bool CloseLibraryFunction(Tlibrary_rec &Rec);

} // namespace textcore
