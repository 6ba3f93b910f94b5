// TExtraFontList: ownership, look-ups, the start-point sort and the stream form.
#include "definitions/extra_font_list.h"

#include "messages/message_names.h"
#include "platform/exceptions.h"
#include "platform/format.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace textcore {

namespace {

// The format number from which a stream carries the records' own version.
constexpr int32_t kFirstVersionedFormat = 20;
// The least version written: readers take 72-byte records from any version but 0.
constexpr int32_t kLeastWrittenVersion = 2;
constexpr int64_t kOldRecordBytes = sizeof(TExtraFontRecOld);
constexpr int64_t kRecordBytes = sizeof(TExtraFontRec);

[[noreturn]] void RaiseReadError() {
  throw EReadError(Format(_QMFileReadError, u"TExtraFontList.XReadFromStream"));
}

int32_t ReadInt32(TStream &stream) {
  int32_t value = 0;
  if (ReadFully(stream, &value, sizeof value) != sizeof value)
    RaiseReadError();
  return value;
}

// One record of the given size; the bytes the old size lacks stay zero. What came from disk is
// made into values the code knows: a category beyond the enumeration is efc_unknown, and the
// typeface keeps only the bits of its members.
TExtraFontRec ReadRecord(TStream &stream, int64_t size) {
  TExtraFontRec rec;
  if (ReadFully(stream, &rec, size) != size)
    RaiseReadError();
  rec.basics.typeface = typeface_set_type::FromBytes(rec.basics.typeface.Bytes());
  rec.applies_to = ExtraFontCategory(rec);
  return rec;
}

} // namespace

TExtraFontList::TExtraFontList(const TMyCanvasColourRec &Colours, typeface_set_type Typeface)
    : insert_space_between_words(HasTypeface(Typeface)), ftypeface(Typeface),
      default_colours(Colours) {}

TExtraFontList::~TExtraFontList() { Clear(); }

void TExtraFontList::Notify(void *Ptr, TListNotification Action) {
  if (Action == lnDeleted)
    delete static_cast<TExtraFontHolder *>(Ptr);
  T3SortNonYieldingList::Notify(Ptr, Action);
}

TExtraFontHolder *TExtraFontList::Holders(int32_t Index) const {
  return static_cast<TExtraFontHolder *>(Items(Index));
}

void TExtraFontList::NoteTypeface(typeface_set_type Typeface) {
  if (HasTypeface(Typeface))
    insert_space_between_words = true;
}

// A run added or replaced may belong anywhere, so the list no longer counts as sorted: a
// look-up that stopped early would miss it.
int32_t TExtraFontList::AddOne(const TExtraFontRec &Rec) {
  auto holder = std::make_unique<TExtraFontHolder>(Rec);
  const int32_t index = Add(holder.get()); // a full list raises, and the holder goes with it
  holder.release();
  sorted = false;
  NoteTypeface(Rec.basics.typeface);
  return index;
}

int32_t TExtraFontList::AddOne(int32_t StartChar, int32_t EndChar) {
  TExtraFontRec rec;
  rec.basics.switch_on_at_char = StartChar;
  rec.basics.switch_off_at_char = EndChar;
  rec.basics.colour_rec = default_colours;
  return AddOne(rec);
}

TExtraFontRec TExtraFontList::GetAFontFrec(int32_t Index) const {
  if (Index < 0 || Index >= Count() || Items(Index) == nullptr)
    return TExtraFontRec{};
  return Holders(Index)->fData;
}

void TExtraFontList::SetAFontFrec(int32_t Index, const TExtraFontRec &Rec) {
  if (Index < 0 || Index >= Count())
    return;
  if (Items(Index) == nullptr)
    SetItems(Index, new TExtraFontHolder(Rec));
  else
    Holders(Index)->fData = Rec;
  sorted = false;
  NoteTypeface(Rec.basics.typeface);
}

int32_t TExtraFontList::IndexOfStart(int32_t Start) const {
  for (int32_t i = 0; i < Count(); ++i) {
    const TExtraFontHolder *holder = Holders(i);
    if (holder == nullptr)
      continue;
    const int32_t start = holder->fData.basics.switch_on_at_char;
    if (start == Start)
      return i;
    if (sorted && start > Start)
      return -1;
  }
  return -1;
}

int32_t TExtraFontList::IndexOfStartAndEnd(int32_t Start, int32_t Finish) const {
  auto within = [&](int32_t v) { return v >= Start && v <= Finish; };
  for (int32_t i = 0; i < Count(); ++i) {
    const TExtraFontHolder *holder = Holders(i);
    if (holder == nullptr)
      continue;
    const TExtraFontRecOld &run = holder->fData.basics;
    if (within(run.switch_on_at_char) &&
        (run.switch_off_at_char < 0 || within(run.switch_off_at_char)))
      return i;
  }
  return -1;
}

int32_t TExtraFontList::KeyOf(const TExtraFontRec &Rec) const {
  if (current_sort_rec.current_sort_var == kSortByStart)
    return Rec.basics.switch_on_at_char;
  return Rec.applies_to;
}

void TExtraFontList::SetBase(void *Item, int32_t /*SortVar*/) {
  base_int = KeyOf(static_cast<const TExtraFontHolder *>(Item)->fData);
}

int32_t TExtraFontList::Compare(const void *Item) const {
  const int32_t key = KeyOf(static_cast<const TExtraFontHolder *>(Item)->fData);
  if (base_int == key)
    return 0;
  return base_int < key ? -1 : 1;
}

void TExtraFontList::SortOnStartpoints() {
  // A null slot (only a caller's own SetItems makes one) has no key to sort by.
  Pack();
  // IndexOfStart's early stop needs increasing starts, whatever directions were set before.
  SetAscending(false, false, false);
  DoADoubleSort([this](const void *item) { return Compare(item); }, kSortByStart, kSortByCategory);
}

void TExtraFontList::UpdateColoursAndTypeFace(const TMyCanvasColourRec &Colours,
                                              typeface_set_type Typeface) {
  ftypeface = Typeface;
  default_colours = Colours;
  insert_space_between_words = HasTypeface(Typeface);
  for (int32_t i = 0; i < Count(); ++i) {
    if (TExtraFontHolder *holder = Holders(i)) {
      holder->fData.basics.colour_rec = Colours;
      holder->fData.basics.typeface = Typeface;
    }
  }
}

void TExtraFontList::Clear() {
  sorted = false;
  TList::Clear();
}

bool TExtraFontList::XSaveToStream(TStream &Stream, int32_t /*Version*/) {
  fEFVersion = std::max(kLeastWrittenVersion, fEFVersion);
  const int32_t head[2] = {Count(), fEFVersion};
  if (Stream.Write(head, sizeof head) != static_cast<int64_t>(sizeof head))
    return false;
  for (int32_t i = 0; i < Count(); ++i) {
    TExtraFontRec rec = GetAFontFrec(i);
    rec.basics.padding = {};
    if (Stream.Write(&rec, kRecordBytes) != kRecordBytes)
      return false;
  }
  return true;
}

// Every record is read before any is added, so a stream that ends early adds nothing; the
// count is checked against the bytes left before the first record is read.
bool TExtraFontList::XReadFromStream(TStream &Stream, int32_t Version) {
  int64_t count = ReadInt32(Stream);
  int32_t version = 0;
  if (Version >= kFirstVersionedFormat) {
    count = count < 0 ? -count : count; // in 64 bits, so that INT32_MIN has one
    version = ReadInt32(Stream);
  } else if (count < 0) {
    RaiseReadError();
  }
  const int64_t record_bytes = version != 0 ? kRecordBytes : kOldRecordBytes;
  const int64_t left = BytesLeft(Stream);
  if (left >= 0 && count > left / record_bytes)
    RaiseReadError();
  if (count > TList::MaxListSize - Count())
    RaiseReadError();

  std::vector<TExtraFontRec> read; // grows as records arrive, never from the count
  for (int64_t i = 0; i < count; ++i)
    read.push_back(ReadRecord(Stream, record_bytes));

  SetCapacity(std::max(Capacity(), Count() + static_cast<int32_t>(read.size())));
  fEFVersion = version;
  for (const TExtraFontRec &rec : read)
    AddOne(rec);
  // The flag describes the runs held, those held before the read too.
  insert_space_between_words = false;
  for (int32_t i = 0; i < Count(); ++i)
    NoteTypeface(GetAFontFrec(i).basics.typeface);
  return true;
}

} // namespace textcore
