// Libraries over dlopen and dlsym.
#include "files/library_functions.h"

#include "platform/file_names.h"

#include <dlfcn.h>

namespace textcore {

Tlibrary_rec FindLibraryFunction(const String &LibraryName, const String &FunctionName) {
  Tlibrary_rec rec;
  const std::string library = FileNameToBytes(LibraryName);
  // An empty name would give the program itself, which is no library asked for.
  if (library.empty() || library.find('\0') != std::string::npos)
    return rec;
  void *handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr)
    return rec;
  rec.Hinst = reinterpret_cast<uintptr_t>(handle);
  const std::string function = StringToUTF8(FunctionName);
  if (!function.empty() && function.find('\0') == std::string::npos)
    rec.FPointer = dlsym(handle, function.c_str());
  return rec;
}

bool CloseLibraryFunction(Tlibrary_rec &Rec) {
  const uintptr_t handle = Rec.Hinst;
  Rec = Tlibrary_rec{};
  return handle != 0 && dlclose(reinterpret_cast<void *>(handle)) == 0;
}

} // namespace textcore
