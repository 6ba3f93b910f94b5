#include "strings/custom_sort.h"
#include "strings/string_list_text.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace textcore {
namespace {

std::vector<String> Items(const TStringList &list) {
  std::vector<String> items;
  for (int32_t i = 0; i < list.Count(); ++i)
    items.push_back(list.Strings(i));
  return items;
}

std::vector<int32_t> Objects(const TStringList &list) {
  std::vector<int32_t> objects;
  for (int32_t i = 0; i < list.Count(); ++i)
    objects.push_back(ObjectAsInteger(list.Objects(i)));
  return objects;
}

TEST(StringListText, CutsAndJoins) {
  const struct {
    const char16_t *s;
    std::vector<String> fields;
    int32_t count;
  } quoted[] = {{u"a,\"b\",c", {u"a", u"b", u"c"}, 3},
                {u"a,\"b", {u"a", u"b"}, -2},
                {u"\"x,y\"z,w", {u"x,y", u"z", u"w"}, 3},
                {u"a,", {u"a", u""}, 2},
                {u"\"q\"", {u"q"}, 1},
                {u"", {u""}, 1}};
  TStringList list;
  list.Add(u"old");
  for (const auto &q : quoted) {
    EXPECT_EQ(StringToStringList(u',', q.s, list), q.count) << StringToUTF8(q.s);
    EXPECT_EQ(Items(list), q.fields) << StringToUTF8(q.s);
  }
  EXPECT_EQ(Items(*StringListFromString(u';', u"a;\nb;;c;")),
            (std::vector<String>{u"a", u"b", u"", u"c", u""}));
  EXPECT_EQ(Items(*StringListFromString(u"a\r\nb\rc")), (std::vector<String>{u"a", u"b", u"c"}));
  EXPECT_EQ(Items(*CommaSeparatedStrings(u" a , b,,c ")),
            (std::vector<String>{u"a", u"b", u"", u"c"}));
  EXPECT_EQ(CommaSeparatedStrings(u"")->Count(), 0);
  list.SetText(u"a\r\nb");
  EXPECT_EQ(StringListToString(u'|', list), u"a|b");
  list.SetText(u"1;2\r\n\r\n\"3;4\"");
  const TArrayOfStringLists lists = ArrayOfStringlists(list, u';');
  ASSERT_EQ(lists.size(), 2u);
  EXPECT_EQ(Items(*lists[1]), (std::vector<String>{u"3;4"}));
  const int32_t numbers[] = {1, -2, 2147483647};
  EXPECT_EQ(Items(*TArrayOfIntegersToStringlist(numbers, 1)),
            (std::vector<String>{u"2", u"-1", u"2147483648"}));
}

TEST(StringListText, EditsWholeLists) {
  TStringList list;
  list.SetText(u"a\r\nb\r\nc");
  ReverseAStringList(list);
  EXPECT_EQ(Items(list), (std::vector<String>{u"c", u"b", u"a"}));
  EXPECT_EQ(Objects(list), (std::vector<int32_t>{-2, -1, 0}));
  TStringList owner(/*OwnsObjects=*/true);
  owner.AddObject(u"x", new TStringList);
  owner.Add(u"y");
  EXPECT_THROW(ReverseAStringList(owner), EStringListError);
  EXPECT_EQ(Items(owner), (std::vector<String>{u"x", u"y"}));

  list.SetText(u" a \r\n \t \r\nb\r\n  ");
  TrimAStringlist(list);
  EXPECT_EQ(Items(list), (std::vector<String>{u"a", u"b"})); // the last item too

  const std::pair<int32_t, std::vector<String>> force[] = {
      {0, {u"0", u"2", u"5"}}, {2, {u"2", u"5"}}, {3, {u"2", u"3", u"5"}}, {9, {u"2", u"5", u"9"}}};
  for (const auto &[n, items] : force) {
    list.SetText(u"2\r\n5");
    ForceItemsToInclude(list, n);
    EXPECT_EQ(Items(list), items) << n;
  }

  for (int32_t n : {5, 2, 0, -1}) {
    list.SetText(u"a\r\nb\r\nc\r\nd");
    RandomReduceStringlist(list, n);
    EXPECT_EQ(list.Count(), std::min(4, std::max(n, 0))) << n;
  }

  list.SetText(u"keep\r\ndrop\r\nchange");
  list.PutObject(2, IntegerAsObject(7));
  const auto kept =
      StringListRemovingAnyLines(list, [](const String &item, bool &keep, bool &converted) {
        keep = item != u"drop";
        converted = item == u"change";
        return String(u"changed");
      });
  EXPECT_EQ(Items(*kept), (std::vector<String>{u"keep", u"changed"}));
  EXPECT_EQ(Objects(*kept), (std::vector<int32_t>{0, 7}));
}

TEST(StringListText, HexColourWords) {
  const auto list = StringlistFromStringWithHexColourWords(u"a <#FF0000>red word<#ff>b<#x>c <#>d");
  EXPECT_EQ(Items(*list), (std::vector<String>{u"a ", u"red ", u"word", u"b<#x>c ", u"<#>d"}));
  EXPECT_EQ(Objects(*list), (std::vector<int32_t>{0, 0xFF0000, 0, 0xFF, 0}));
  EXPECT_EQ(StringlistFromStringWithHexColourWords(u"")->Count(), 0);
  EXPECT_EQ(Items(*StringlistFromStringWithHexColourWords(u"<#123456789>x")),
            (std::vector<String>{u"<#123456789>x"})); // too many digits for a colour
}

TEST(StringListText, CustomSortOrder) {
  const auto prepared = CustomSortPreparedStringlist(u"blue, red,, green,re");
  EXPECT_EQ(Items(*prepared), (std::vector<String>{u"green", u"blue", u"red", u"re"}));
  EXPECT_EQ(Objects(*prepared), (std::vector<int32_t>{3, 0, 1, 4}));
  // "red" is overwritten before "re" is sought, so "re" finds only what is left.
  EXPECT_EQ(NormalisedLineForCustomSort(u"a red tree", *prepared), u"a AAA tDDe");
  EXPECT_EQ(NormalisedLineForCustomSort(u"greenblue", *prepared), u"CCCCC@@@@");
  TStringList lines;
  lines.SetText(u"x red\r\nx green\r\nx blue\r\nx other");
  const auto sorted = CustomLinesSorted(lines, *prepared);
  EXPECT_EQ(Items(*sorted), (std::vector<String>{u"x blue", u"x red", u"x green", u"x other"}));
  EXPECT_EQ(Objects(*sorted), (std::vector<int32_t>{2, 0, 1, 3}));
}

} // namespace
} // namespace textcore
