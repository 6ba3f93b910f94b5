#include "platform/bool_strings.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace textcore {
namespace {

TEST(BoolStrings, NumbersAndTheWordsOfEitherList) {
  const std::vector<String> saved_true = TrueBoolStrs(), saved_false = FalseBoolStrs();
  const struct {
    bool with_words;
    StringView text;
    std::optional<bool> value;
  } cases[] = {
      {false, u"True", true},        {false, u"FALSE", false}, {false, u"Yes", std::nullopt},
      {false, u"-1", true},          {false, u"0.0", false},   {false, u"", std::nullopt},
      {false, u"NAN", std::nullopt}, {true, u"WAHR", true},    {true, u"nein", false},
      {true, u"True", std::nullopt},
  };
  for (const auto &c : cases) {
    TrueBoolStrs() = c.with_words ? std::vector<String>{u"Ja", u"wahr"} : std::vector<String>{};
    FalseBoolStrs() = c.with_words ? std::vector<String>{u"Nein"} : std::vector<String>{};
    bool value = !c.value.value_or(false);
    EXPECT_EQ(TryStrToBool(c.text, value), c.value.has_value()) << StringToUTF8(c.text);
    if (c.value)
      EXPECT_EQ(value, *c.value) << StringToUTF8(c.text);
    else
      EXPECT_THROW(StrToBool(c.text), EConvertError);
    EXPECT_EQ(BoolToStr(true, true), c.with_words ? u"Ja" : u"True");
  }
  EXPECT_EQ(BoolToStr(true), u"-1");
  FalseBoolStrs().clear();
  EXPECT_EQ(BoolToStr(false, true), u"False");
  TrueBoolStrs() = saved_true;
  FalseBoolStrs() = saved_false;
}

} // namespace
} // namespace textcore
