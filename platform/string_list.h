// TStringList: the framework's list of strings, each with an object reference.
//
// Indexes count from 0. A sorted list keeps its order through Add and refuses Insert and Put;
// comparison is locale-aware (AnsiCompareStr, or AnsiCompareText unless CaseSensitive), and
// descendants may replace it by overriding CompareStrings. Text puts CR LF after every line and
// SetText splits at CR LF, LF or CR. LoadFromFile honours a UTF-8 or UTF-16 byte-order mark and
// reads the system's 8-bit code page otherwise; SaveToFile writes the encoding's mark and the
// text, replacing the file whole.
//
// Objects are not owned unless OwnsObjects is set; then Delete, Clear and the destructor free
// them. Assign and AddStrings copy object references, so two lists that both own objects must not
// share any.
#pragma once

#include "platform/encoding.h"
#include "platform/object.h"
#include "platform/strings.h"

#include <cstdint>
#include <type_traits>
#include <vector>

namespace textcore {

class TStream;
class TStringList;

enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

// Compares the items at Index1 and Index2 of List: < 0, 0 or > 0.
using TStringListSortCompare = int (*)(TStringList *List, int32_t Index1, int32_t Index2);

class TStringList : public TObject {
public:
  TStringList() = default;
  explicit TStringList(bool OwnsObjects) : fOwnsObjects(OwnsObjects) {}
  ~TStringList() override;
  TStringList(const TStringList &) = delete;
  TStringList &operator=(const TStringList &) = delete;

  // Items ----------------------------------------------------------------------------------------
  int32_t Count() const { return static_cast<int32_t>(fItems.size()); }
  const String &Strings(int32_t Index) const;
  void Put(int32_t Index, const String &S);
  TObject *Objects(int32_t Index) const;
  // Replaces the reference only; the old object is not freed even when the list owns objects.
  void PutObject(int32_t Index, TObject *AObject);

  // Return the new item's index. On a sorted list the string goes to its place; when an equal
  // one is there already, the list keeps it and returns its index (dupIgnore), raises
  // EStringListError (dupError) or adds the new one before the equal ones (dupAccept).
  int32_t Add(const String &S);
  int32_t AddObject(const String &S, TObject *AObject);
  void Insert(int32_t Index, const String &S);
  void InsertObject(int32_t Index, const String &S, TObject *AObject);
  void Delete(int32_t Index);
  void Clear();
  void Exchange(int32_t Index1, int32_t Index2);
  // Takes the item out and puts it back at NewIndex. Refused on a sorted list before anything is
  // taken out.
  void Move(int32_t CurIndex, int32_t NewIndex);
  void AddStrings(const TStringList &Strings);
  // Copies strings, objects and settings (sorting, duplicates, case, delimiters) of Source.
  void Assign(const TStringList &Source);

  // Searching
  // --------------------------------------------------------------------------------------
  int32_t IndexOf(const String &S) const;
  int32_t IndexOfObject(const TObject *AObject) const;
  // Binary search of a sorted list: whether S is there, and in Index where it is or would go
  // (with dupAccept, the first of the equal entries).
  bool Find(const String &S, int32_t &Index) const;

  // Name=value entries
  // -------------------------------------------------------------------------------
  int32_t IndexOfName(const String &Name) const;
  String Names(int32_t Index) const;
  String Values(const String &Name) const;
  // Sets the value of Name, adding the entry when it is missing; an empty Value removes it.
  void SetValues(const String &Name, const String &Value);
  String ValueFromIndex(int32_t Index) const;
  char16_t NameValueSeparator() const { return fNameValueSeparator; }
  void SetNameValueSeparator(char16_t Value) { fNameValueSeparator = Value; }

  // Order
  // ------------------------------------------------------------------------------------------
  void Sort();
  // Sorts an unsorted list with Compare (a sorted list is left as it is). The sort is not stable.
  virtual void CustomSort(TStringListSortCompare Compare);
  bool Sorted() const { return fSorted; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return fDuplicates; }
  void SetDuplicates(TDuplicates Value) { fDuplicates = Value; }
  bool CaseSensitive() const { return fCaseSensitive; }
  void SetCaseSensitive(bool Value);

  // Text forms ------------------------------------------------------------------------------------
  String Text() const { return GetTextStr(); }
  void SetText(const String &Value) { SetTextStr(Value); }
  String CommaText() const;
  void SetCommaText(const String &Value);
  // Items joined by Delimiter; an item holding the delimiter, the quote character or (unless
  // StrictDelimiter) a character up to the space is quoted with QuoteChar, quotes doubled.
  String DelimitedText() const;
  void SetDelimitedText(const String &Value);
  char16_t Delimiter() const { return fDelimiter; }
  void SetDelimiter(char16_t Value) { fDelimiter = Value; }
  char16_t QuoteChar() const { return fQuoteChar; }
  void SetQuoteChar(char16_t Value) { fQuoteChar = Value; }
  bool StrictDelimiter() const { return fStrictDelimiter; }
  void SetStrictDelimiter(bool Value) { fStrictDelimiter = Value; }

  // Notification
  // ----------------------------------------------------------------------------------- OnChanging
  // fires before and OnChange after each change, except between BeginUpdate and the matching
  // EndUpdate, which fire each once for the whole batch.
  void BeginUpdate();
  void EndUpdate();
  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;
  bool OwnsObjects() const { return fOwnsObjects; }
  void SetOwnsObjects(bool Value) { fOwnsObjects = Value; }

  // Files and streams -----------------------------------------------------------------------------
  // Reads the rest of Stream. Without an encoding a byte-order mark decides it, else the
  // DefaultEncoding; with one, only that encoding's own mark is skipped. Encoding() then tells
  // which was used.
  void LoadFromFile(const String &FileName, const TEncoding *AEncoding = nullptr);
  virtual void LoadFromStream(TStream &Stream, const TEncoding *AEncoding = nullptr);
  // Writes the mark (when WriteBOM) and the Text in AEncoding, or else in Encoding() when the list
  // was loaded, or else in DefaultEncoding.
  void SaveToFile(const String &FileName, const TEncoding *AEncoding = nullptr);
  virtual void SaveToStream(TStream &Stream, const TEncoding *AEncoding = nullptr);
  // The encoding the list was last loaded in; null until then.
  const TEncoding *Encoding() const { return fEncoding; }
  const TEncoding *DefaultEncoding() const { return fDefaultEncoding; }
  void SetDefaultEncoding(const TEncoding *Value);
  bool WriteBOM() const { return fWriteBOM; }
  void SetWriteBOM(bool Value) { fWriteBOM = Value; }

protected:
  virtual int32_t CompareStrings(const String &S1, const String &S2) const;
  virtual void Changed();
  virtual void Changing();
  virtual String GetTextStr() const;
  // Replaces the items with the lines of Value; LoadFromStream hands it the decoded text.
  virtual void SetTextStr(const String &Value);
  int32_t UpdateCount() const { return fUpdateCount; }

private:
  // Items hold their string by pointer so that an item is two words and trivially copyable:
  // inserting into a sorted list then shifts the items with one memmove, as the framework's
  // array of references did, instead of moving every string after the insertion point.
  struct Item {
    String *fString = nullptr; // owned
    TObject *fObject = nullptr;
  };
  static_assert(std::is_trivially_copyable_v<Item>);

  static int CompareItems(TStringList *List, int32_t Index1, int32_t Index2);
  // Runs work between BeginUpdate and EndUpdate, ending the update even when work throws.
  template <typename Work> void InBatch(Work &&work);
  String JoinDelimited(char16_t Delim, char16_t Quote, bool Strict) const;
  void SplitDelimited(const String &Value, char16_t Delim, char16_t Quote, bool Strict);
  void CheckIndex(int32_t Index, int32_t Limit) const;
  void CheckNotSorted() const;
  void InsertItem(int32_t Index, const String &S, TObject *AObject);
  void ExchangeItems(int32_t Index1, int32_t Index2);
  // Frees the strings of Items, and their objects when the list owns objects.
  void ReleaseItems(std::vector<Item> &Items);

  std::vector<Item> fItems;
  bool fSorted = false;
  bool fCaseSensitive = false;
  bool fStrictDelimiter = false;
  bool fOwnsObjects = false;
  bool fWriteBOM = true;
  TDuplicates fDuplicates = dupIgnore;
  char16_t fDelimiter = u',';
  char16_t fQuoteChar = u'"';
  char16_t fNameValueSeparator = u'=';
  int32_t fUpdateCount = 0;
  const TEncoding *fEncoding = nullptr;
  const TEncoding *fDefaultEncoding = TEncoding::Default();
};

} // namespace textcore
