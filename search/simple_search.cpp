// The simple-search list and its file of "word=count" lines.
#include "search/simple_search.h"

#include "core/yield.h"
#include "platform/exceptions.h"
#include "platform/nls_case.h"
#include "platform/streams.h"
#include "platform/string_list.h"
#include "search/search_word_flags.h"

#include <algorithm>

namespace textcore {

TSimpleSearchSettings DefaultSimpleSearchSettings() { return {1000, 200}; }

TSimpleSearchlist::TSimpleSearchlist(const TSimpleSearchSettings &settings) : fSettings(settings) {}

int32_t TSimpleSearchlist::AddOne(const TSimpleSearch_rec &rec) {
  fItems.push_back(std::make_unique<TSimpleSearchHolder>(rec));
  return Count() - 1;
}

int32_t TSimpleSearchlist::AddAll(const TSimpleSearchlist &other) {
  fSettings = other.fSettings;
  // Counted first: other may be this list, which grows as we go.
  const int32_t n = other.Count();
  int32_t sum = 0;
  for (int32_t i = 0; i < n; ++i)
    sum += AddOne(TSimpleSearch_rec(other.fItems[i]->fData));
  return sum;
}

void TSimpleSearchlist::Clear() { fItems.clear(); }

TSimpleSearch_rec TSimpleSearchlist::GetAValue(int32_t i) const {
  if (i < 0 || i >= Count())
    return {};
  return fItems[i]->fData;
}

String TSimpleSearchlist::GetATypedInSW(int32_t i) const {
  if (i < 0 || i >= Count())
    return {};
  return SWStringPlusFlags(fItems[i]->fData.seek, fItems[i]->fData.flags);
}

String TSimpleSearchlist::AsText(StringView separator) const {
  String text;
  for (const auto &holder : fItems) {
    if (&holder != &fItems.front())
      text.append(separator);
    text += holder->fData.seek;
  }
  return text;
}

// "key=count": the key upper-cased, its markers read off; a line whose key is empty, before or
// after its markers, is skipped, since an empty seek would match everywhere.
void TSimpleSearchlist::AddLine(const String &line) {
  size_t equals = line.find(u'=');
  if (equals == String::npos)
    return;
  String key =
      LCMapCase(LOCALE_INVARIANT, Trim(StringView(line).substr(0, equals)), LCMAP_UPPERCASE);
  if (key.empty())
    return;
  TSimpleSearch_rec rec;
  rec.flags = FlagsFromSW(key);
  if (key.empty())
    return;
  rec.seek = std::move(key);
  rec.n_wanted = std::max(1, StrToIntDef(Trim(StringView(line).substr(equals + 1)), 0));
  AddOne(rec);
}

void TSimpleSearchlist::LoadFromStream(TStream &stream) {
  Clear();
  TStringList lines;
  lines.LoadFromStream(stream);
  for (int32_t i = 0; i < lines.Count(); ++i) {
    if (!lines.Strings(i).empty())
      AddLine(lines.Strings(i));
    MyYieldProcess();
  }
}

bool TSimpleSearchlist::LoadFromFile(const String &filename) {
  Clear();
  try {
    TFileStream file(filename, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
    return true;
  } catch (const Exception &) {
    Clear();
    return false;
  }
}

} // namespace textcore
