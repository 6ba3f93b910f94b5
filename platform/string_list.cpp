// TStringList: the item store, sorted insertion, name=value entries, text forms, and loading and
// saving through streams.
#include "platform/string_list.h"

#include "platform/exceptions.h"
#include "platform/locale_strings.h"
#include "platform/quick_sort.h"
#include "platform/safe_file_writer.h"
#include "platform/streams.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>

namespace textcore {

namespace {

const String &SortedListError() {
  static const String message = u"Operation not allowed on sorted list";
  return message;
}

// The text of a quoted item starting at value[i], quotes undoubled; i moves past the closing
// quote, or to the end when the quote never closes.
String ExtractQuoted(const String &value, size_t &i, char16_t quote) {
  String s;
  for (++i; i < value.size(); ++i) {
    if (value[i] != quote) {
      s += value[i];
    } else if (i + 1 < value.size() && value[i + 1] == quote) {
      s += quote;
      ++i;
    } else {
      ++i;
      break;
    }
  }
  return s;
}

bool StartsWithMark(const TBytes &bytes, const TBytes &mark) {
  return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

} // namespace

template <typename Work> void TStringList::InBatch(Work &&work) {
  BeginUpdate();
  try {
    work();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  ReleaseItems(fItems);
}

// Items ------------------------------------------------------------------------------------------

void TStringList::CheckIndex(int32_t Index, int32_t Limit) const {
  if (Index < 0 || Index >= Limit)
    throw EStringListError(u"List index out of bounds (" + IntToStr(Index) + u")");
}

void TStringList::CheckNotSorted() const {
  if (fSorted)
    throw EStringListError(SortedListError());
}

void TStringList::ReleaseItems(std::vector<Item> &Items) {
  for (Item &item : Items) {
    delete std::exchange(item.fString, nullptr);
    if (fOwnsObjects)
      delete std::exchange(item.fObject, nullptr);
  }
}

const String &TStringList::Strings(int32_t Index) const {
  CheckIndex(Index, Count());
  return *fItems[static_cast<size_t>(Index)].fString;
}

TObject *TStringList::Objects(int32_t Index) const {
  CheckIndex(Index, Count());
  return fItems[static_cast<size_t>(Index)].fObject;
}

void TStringList::Put(int32_t Index, const String &S) {
  CheckNotSorted();
  CheckIndex(Index, Count());
  Changing();
  *fItems[static_cast<size_t>(Index)].fString = S;
  Changed();
}

void TStringList::PutObject(int32_t Index, TObject *AObject) {
  CheckIndex(Index, Count());
  Changing();
  fItems[static_cast<size_t>(Index)].fObject = AObject;
  Changed();
}

int32_t TStringList::Add(const String &S) { return AddObject(S, nullptr); }

int32_t TStringList::AddObject(const String &S, TObject *AObject) {
  int32_t index = Count();
  if (fSorted && Find(S, index)) {
    if (fDuplicates == dupIgnore)
      return index;
    if (fDuplicates == dupError)
      throw EStringListError(std::string_view("String list does not allow duplicates"));
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::Insert(int32_t Index, const String &S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(int32_t Index, const String &S, TObject *AObject) {
  CheckNotSorted();
  CheckIndex(Index, Count() + 1);
  InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int32_t Index, const String &S, TObject *AObject) {
  Changing();
  auto text = std::make_unique<String>(S);
  fItems.insert(fItems.begin() + Index, Item{text.get(), AObject});
  text.release();
  Changed();
}

void TStringList::Delete(int32_t Index) {
  CheckIndex(Index, Count());
  Changing();
  const Item taken = fItems[static_cast<size_t>(Index)];
  fItems.erase(fItems.begin() + Index);
  delete taken.fString;
  if (fOwnsObjects)
    delete taken.fObject;
  Changed();
}

void TStringList::Clear() {
  if (fItems.empty())
    return;
  Changing();
  // Objects are freed once the list is empty, so a destructor that looks at it sees no dangling
  // entries.
  std::vector<Item> old = std::move(fItems);
  fItems.clear();
  ReleaseItems(old);
  Changed();
}

void TStringList::ExchangeItems(int32_t Index1, int32_t Index2) {
  std::swap(fItems[static_cast<size_t>(Index1)], fItems[static_cast<size_t>(Index2)]);
}

void TStringList::Exchange(int32_t Index1, int32_t Index2) {
  CheckIndex(Index1, Count());
  CheckIndex(Index2, Count());
  Changing();
  ExchangeItems(Index1, Index2);
  Changed();
}

void TStringList::Move(int32_t CurIndex, int32_t NewIndex) {
  if (CurIndex == NewIndex)
    return;
  CheckIndex(CurIndex, Count());
  CheckIndex(NewIndex, Count());
  CheckNotSorted();
  InBatch([&] {
    Item item = std::move(fItems[static_cast<size_t>(CurIndex)]);
    fItems.erase(fItems.begin() + CurIndex);
    fItems.insert(fItems.begin() + NewIndex, std::move(item));
  });
}

void TStringList::AddStrings(const TStringList &Strings) {
  if (&Strings == this) {
    TStringList copy;
    copy.AddStrings(Strings);
    return AddStrings(copy);
  }
  InBatch([&] {
    for (const Item &item : Strings.fItems)
      AddObject(*item.fString, item.fObject);
  });
}

void TStringList::Assign(const TStringList &Source) {
  if (&Source == this)
    return;
  InBatch([&] {
    Clear();
    fCaseSensitive = Source.fCaseSensitive;
    fDuplicates = Source.fDuplicates;
    fDelimiter = Source.fDelimiter;
    fQuoteChar = Source.fQuoteChar;
    fStrictDelimiter = Source.fStrictDelimiter;
    fNameValueSeparator = Source.fNameValueSeparator;
    // The source's order is already its sorted order: copy it as it stands.
    fSorted = false;
    AddStrings(Source);
    fSorted = Source.fSorted;
  });
}

// Searching --------------------------------------------------------------------------------------

int32_t TStringList::CompareStrings(const String &S1, const String &S2) const {
  return fCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

bool TStringList::Find(const String &S, int32_t &Index) const {
  int32_t low = 0, high = Count() - 1;
  bool found = false;
  while (low <= high) {
    const int32_t middle = low + (high - low) / 2;
    const int32_t c = CompareStrings(*fItems[static_cast<size_t>(middle)].fString, S);
    if (c < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (c == 0) {
        found = true;
        // Any equal entry will do unless duplicates are kept; then go on to the first.
        if (fDuplicates != dupAccept)
          low = middle;
      }
    }
  }
  Index = low;
  return found;
}

int32_t TStringList::IndexOf(const String &S) const {
  if (fSorted) {
    int32_t index = -1;
    return Find(S, index) ? index : -1;
  }
  for (int32_t i = 0; i < Count(); ++i)
    if (CompareStrings(*fItems[static_cast<size_t>(i)].fString, S) == 0)
      return i;
  return -1;
}

int32_t TStringList::IndexOfObject(const TObject *AObject) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (fItems[static_cast<size_t>(i)].fObject == AObject)
      return i;
  return -1;
}

// Name=value entries -----------------------------------------------------------------------------

int32_t TStringList::IndexOfName(const String &Name) const {
  for (int32_t i = 0; i < Count(); ++i) {
    const String &s = *fItems[static_cast<size_t>(i)].fString;
    const size_t separator = s.find(fNameValueSeparator);
    if (separator != String::npos && CompareStrings(s.substr(0, separator), Name) == 0)
      return i;
  }
  return -1;
}

String TStringList::Names(int32_t Index) const {
  const String &s = Strings(Index);
  const size_t separator = s.find(fNameValueSeparator);
  return separator == String::npos ? String() : s.substr(0, separator);
}

String TStringList::ValueFromIndex(int32_t Index) const {
  const String &s = Strings(Index);
  const size_t separator = s.find(fNameValueSeparator);
  return separator == String::npos ? String() : s.substr(separator + 1);
}

// The value starts after the separator of the entry found, not at the length of Name: a
// locale-aware match may differ in length ("Strasse" and "Straße").
String TStringList::Values(const String &Name) const {
  const int32_t index = IndexOfName(Name);
  return index < 0 ? String() : ValueFromIndex(index);
}

void TStringList::SetValues(const String &Name, const String &Value) {
  const int32_t index = IndexOfName(Name);
  if (Value.empty()) {
    if (index >= 0)
      Delete(index);
    return;
  }
  const String entry = Name + fNameValueSeparator + Value;
  if (!fSorted) {
    if (index < 0)
      Add(entry);
    else
      Put(index, entry);
    return;
  }
  // A sorted entry may have to move: take it out, keeping its object, and add it again.
  InBatch([&] {
    TObject *object = nullptr;
    if (index >= 0) {
      object = std::exchange(fItems[static_cast<size_t>(index)].fObject, nullptr);
      Delete(index);
    }
    AddObject(entry, object);
  });
}

// Order ------------------------------------------------------------------------------------------

int TStringList::CompareItems(TStringList *List, int32_t Index1, int32_t Index2) {
  return List->CompareStrings(*List->fItems[static_cast<size_t>(Index1)].fString,
                              *List->fItems[static_cast<size_t>(Index2)].fString);
}

void TStringList::Sort() { CustomSort(CompareItems); }

void TStringList::CustomSort(TStringListSortCompare Compare) {
  if (fSorted || Count() < 2)
    return;
  Changing();
  QuickSortPositions(
      0, Count() - 1, [&](int32_t i, int32_t j) { return Compare(this, i, j); },
      [&](int32_t i, int32_t j) { ExchangeItems(i, j); });
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (fSorted == Value)
    return;
  if (Value)
    Sort();
  fSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (fCaseSensitive == Value)
    return;
  fCaseSensitive = Value;
  if (fSorted) {
    fSorted = false;
    SetSorted(true);
  }
}

// Notification -----------------------------------------------------------------------------------

void TStringList::Changing() {
  if (fUpdateCount == 0 && OnChanging)
    OnChanging(this);
}

void TStringList::Changed() {
  if (fUpdateCount == 0 && OnChange)
    OnChange(this);
}

void TStringList::BeginUpdate() {
  if (fUpdateCount == 0)
    Changing();
  ++fUpdateCount;
}

void TStringList::EndUpdate() {
  if (fUpdateCount == 0)
    return;
  if (--fUpdateCount == 0)
    Changed();
}

// Text forms -------------------------------------------------------------------------------------

String TStringList::GetTextStr() const {
  size_t length = 0;
  for (const Item &item : fItems)
    length += item.fString->size() + 2;
  String text;
  text.reserve(length);
  for (const Item &item : fItems) {
    text += *item.fString;
    text += u"\r\n";
  }
  return text;
}

void TStringList::SetTextStr(const String &Value) {
  InBatch([&] {
    Clear();
    size_t i = 0;
    while (i < Value.size()) {
      const size_t start = i;
      while (i < Value.size() && Value[i] != u'\r' && Value[i] != u'\n')
        ++i;
      Add(Value.substr(start, i - start));
      if (i < Value.size() && Value[i] == u'\r')
        ++i;
      if (i < Value.size() && Value[i] == u'\n')
        ++i;
    }
  });
}

String TStringList::JoinDelimited(char16_t Delim, char16_t Quote, bool Strict) const {
  if (fItems.size() == 1 && fItems[0].fString->empty())
    return String(2, Quote);
  auto needs_quotes = [&](const String &s) {
    return std::any_of(s.begin(), s.end(), [&](char16_t c) {
      return c == Quote || c == Delim || (!Strict && c <= u' ');
    });
  };
  String text;
  for (size_t i = 0; i < fItems.size(); ++i) {
    if (i > 0)
      text += Delim;
    const String &s = *fItems[i].fString;
    text += needs_quotes(s) ? AnsiQuotedStr(s, Quote) : s;
  }
  return text;
}

// Unless Strict, characters up to the space separate items as the delimiter does, and those
// around an item are dropped. A delimiter at the very end stands for one more, empty, item.
void TStringList::SplitDelimited(const String &Value, char16_t Delim, char16_t Quote, bool Strict) {
  auto is_blank = [&](char16_t c) { return !Strict && c <= u' '; };
  InBatch([&] {
    Clear();
    size_t i = 0;
    const size_t n = Value.size();
    while (i < n && is_blank(Value[i]))
      ++i;
    while (i < n) {
      if (Value[i] == Quote) {
        Add(ExtractQuoted(Value, i, Quote));
      } else {
        const size_t start = i;
        while (i < n && Value[i] != Delim && !is_blank(Value[i]))
          ++i;
        Add(Value.substr(start, i - start));
      }
      while (i < n && is_blank(Value[i]))
        ++i;
      if (i < n && Value[i] == Delim) {
        if (i + 1 == n)
          Add(String());
        do
          ++i;
        while (i < n && is_blank(Value[i]));
      }
    }
  });
}

String TStringList::CommaText() const { return JoinDelimited(u',', u'"', false); }

void TStringList::SetCommaText(const String &Value) { SplitDelimited(Value, u',', u'"', false); }

String TStringList::DelimitedText() const {
  return JoinDelimited(fDelimiter, fQuoteChar, fStrictDelimiter);
}

void TStringList::SetDelimitedText(const String &Value) {
  SplitDelimited(Value, fDelimiter, fQuoteChar, fStrictDelimiter);
}

// Files and streams ------------------------------------------------------------------------------

void TStringList::SetDefaultEncoding(const TEncoding *Value) {
  fDefaultEncoding = Value != nullptr ? Value : TEncoding::Default();
}

void TStringList::LoadFromFile(const String &FileName, const TEncoding *AEncoding) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream, AEncoding);
}

void TStringList::LoadFromStream(TStream &Stream, const TEncoding *AEncoding) {
  const int64_t size = std::max<int64_t>(Stream.Size() - Stream.Position(), 0);
  if (static_cast<uint64_t>(size) > static_cast<uint64_t>(PTRDIFF_MAX))
    throw EReadError(std::string_view("Stream read error"));
  TBytes bytes(static_cast<size_t>(size));
  Stream.ReadBuffer(bytes.data(), size);
  int32_t preamble_length = 0;
  const TEncoding *encoding = AEncoding;
  if (encoding == nullptr) {
    encoding = TEncoding::GetBufferEncoding(bytes, fDefaultEncoding, preamble_length);
  } else {
    const TBytes mark = encoding->GetPreamble();
    preamble_length = StartsWithMark(bytes, mark) ? static_cast<int32_t>(mark.size()) : 0;
  }
  String text = encoding->GetString(ByteSpan(bytes).subspan(static_cast<size_t>(preamble_length)));
  TBytes().swap(bytes);
  InBatch([&] {
    fEncoding = encoding;
    SetTextStr(text);
  });
}

void TStringList::SaveToFile(const String &FileName, const TEncoding *AEncoding) {
  TMemoryStream stream;
  SaveToStream(stream, AEncoding);
  SaveBytesToFile(FileName, stream.Memory(), static_cast<size_t>(stream.Size()));
}

void TStringList::SaveToStream(TStream &Stream, const TEncoding *AEncoding) {
  const TEncoding *encoding = AEncoding != nullptr   ? AEncoding
                              : fEncoding != nullptr ? fEncoding
                                                     : fDefaultEncoding;
  if (fWriteBOM) {
    const TBytes mark = encoding->GetPreamble();
    Stream.WriteBuffer(mark.data(), static_cast<int64_t>(mark.size()));
  }
  const TBytes text = encoding->GetBytes(GetTextStr());
  Stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

} // namespace textcore
