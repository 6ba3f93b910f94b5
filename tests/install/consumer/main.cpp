// Uses a little of every installed library, so that a missing header or symbol fails the build.
#include <textcore.h>

#include <cstdio>

int main() {
  textcore::String word = textcore::UTF8ToString("Fluss");
  if (textcore::Pos(u"uss", word) != 3)
    return 1;
  try {
    textcore::StrToInt(u"not a number");
    return 1;
  } catch (const textcore::EConvertError &) {
  }
  std::printf("consumer linked Quillmark %s\n",
              textcore::StringToUTF8(textcore::QuillmarkVersion()).c_str());
  return 0;
}
