// TExtraFontList: the runs of a displayed line that get their own colours and typeface, sortable
// by start point (then category) without yielding, since it is sorted while a line is painted.
//
// Stream form, as XSaveToStream writes it whatever format number it is given (little-endian):
//   4        count N
//   4        fEFVersion, at least 2
//   72 * N   the records (TExtraFontRec)
// XReadFromStream reads what the format number Version of the file implies:
//   Version >= 20  count (its absolute value is taken: -3 means 3), then fEFVersion
//   Version <  20  count only, and fEFVersion is 0
// then N records of 72 bytes when fEFVersion is not 0, else of the 28 bytes of TExtraFontRecOld
// with the later fields zero. A stream "written as Version 10" is therefore not readable as
// Version 10: every writer of these lists writes a header of 20 or more.
//
// "A run has a typeface" means a member other than normal (bit 0) is set: normal adds nothing a
// painter must leave room for.
//
// The list owns its holders: Delete, Clear and the destructor free them. Delete is TList's: an
// index outside 0..Count() - 1 raises EListError "List index out of bounds (%d)".
#pragma once

#include "definitions/extra_font_rec.h"
#include "lists/three_key_sort.h"
#include "platform/streams.h"

#include <cstdint>

namespace textcore {

class TExtraFontHolder : public TObject {
public:
  TExtraFontHolder() = default;
  explicit TExtraFontHolder(const TExtraFontRec &Rec) : fData(Rec) {}
  TExtraFontRec fData;
};

class TExtraFontList : public T3SortNonYieldingList {
public:
  // The sort keys of SortOnStartpoints.
  static constexpr int32_t kSortByStart = 1;
  static constexpr int32_t kSortByCategory = 2;

  bool insert_space_between_words = false; // some run has a typeface
  typeface_set_type ftypeface;             // the list's default typeface
  TMyCanvasColourRec default_colours;
  int32_t base_int = 0; // the key of the current sort base
  int32_t fEFVersion = 0;

  TExtraFontList() = default;
  TExtraFontList(const TMyCanvasColourRec &Colours, typeface_set_type Typeface);
  ~TExtraFontList() override;

  // Append a holder with a copy of Rec, or a run StartChar..EndChar in the default colours, no
  // typeface and category efc_tag; the new index. Either may unsort the list.
  int32_t AddOne(const TExtraFontRec &Rec);
  int32_t AddOne(int32_t StartChar, int32_t EndChar);

  // An all-zero record outside the list.
  TExtraFontRec GetAFontFrec(int32_t Index) const;
  // Replaces the record at Index; nothing happens outside the list.
  void SetAFontFrec(int32_t Index, const TExtraFontRec &Rec);

  // The first position whose run starts at Start; a sorted list stops looking at the first
  // start beyond it. -1 when none.
  int32_t IndexOfStart(int32_t Start) const;
  // The first position whose run starts in Start..Finish and either has no end (a negative one)
  // or ends in Start..Finish; -1 when none.
  int32_t IndexOfStartAndEnd(int32_t Start, int32_t Finish) const;

  int32_t GetEFVersion() const { return fEFVersion; }
  void SetEFVersion(int32_t V) { fEFVersion = V; }

  // Orders the runs by start point, and runs with the same start by category, always
  // increasing (the directions are reset): IndexOfStart relies on it.
  void SortOnStartpoints();
  // Takes Item's key for the key number in force (kSortByStart: the start, otherwise the
  // category) as the base.
  void SetBase(void *Item, int32_t SortVar) override;
  // The base against Item's key for the key number in force: -1 when the base is smaller, 0
  // when equal, 1 when larger.
  int32_t Compare(const void *Item) const;

  // Sets the default colours and typeface, and gives every run those colours and that typeface.
  void UpdateColoursAndTypeFace(const TMyCanvasColourRec &Colours, typeface_set_type Typeface);
  void Clear();

  // Sets fEFVersion to at least 2 and writes the stream form; false when the stream took fewer
  // bytes than it was given.
  bool XSaveToStream(TStream &Stream, int32_t Version);
  // Appends the records of the stream form for the file format Version. A count that the bytes
  // left cannot hold, a stream that ends early, and a negative count under a Version below 20
  // raise EReadError "file read error : TExtraFontList.XReadFromStream" and leave the list as it
  // was. Category bytes beyond the enumeration read as efc_unknown, and typeface bits beyond
  // strikeout are dropped.
  bool XReadFromStream(TStream &Stream, int32_t Version);

  TExtraFontHolder *Holders(int32_t Index) const;

protected:
  void Notify(void *Ptr, TListNotification Action) override;

private:
  int32_t KeyOf(const TExtraFontRec &Rec) const;
  void NoteTypeface(typeface_set_type Typeface);
};

} // namespace textcore
