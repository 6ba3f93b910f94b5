#include "files/library_functions.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace textcore {
namespace {

TEST(LibraryFunctions, FindsAFunctionOrSaysWhatIsMissing) {
  Tlibrary_rec rec = FindLibraryFunction(u"libc.so.6", u"strlen");
  ASSERT_NE(rec.FPointer, nullptr);
  EXPECT_EQ(reinterpret_cast<size_t (*)(const char *)>(rec.FPointer)("quillmark"), 9u);
  EXPECT_TRUE(CloseLibraryFunction(rec));
  EXPECT_EQ(rec.Hinst, 0u);
  EXPECT_FALSE(CloseLibraryFunction(rec)); // nothing left to unload

  rec = FindLibraryFunction(u"libc.so.6", u"no_such_function_anywhere");
  EXPECT_NE(rec.Hinst, 0u); // loaded all the same, so it must be closed
  EXPECT_EQ(rec.FPointer, nullptr);
  EXPECT_TRUE(CloseLibraryFunction(rec));
  for (const String &library : {String(u"libno-such-library.so"), String(u"")}) {
    rec = FindLibraryFunction(library, u"strlen");
    EXPECT_EQ(rec.Hinst, 0u);
    EXPECT_EQ(rec.FPointer, nullptr);
  }
}

} // namespace
} // namespace textcore
