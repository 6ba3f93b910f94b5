// TFileComparer: how far two files agree, as a percentage, and whether their attributes,
// last-write times and sizes are equal.
//
// A run compares the files byte by byte from the start, over as many bytes as the smaller file
// holds, in chunks of 102,400 bytes: a file that is a prefix of the other matches it (100) while
// SizesMatch tells them apart. When the bytes differ and line ends are to be ignored, a second
// pass compares the files again with every CR, LF and zero byte skipped, so that a text saved with
// CR LF matches the same text saved with LF. Both passes read through two buffers of one chunk,
// whatever the size of the files. A result of 100 is given only when no difference was found: a
// difference anywhere, the last byte included, gives less.
//
// Files that do not exist (or are no regular files) give 0 with every flag false and no message;
// an error while opening or reading one passes to the caller (EFOpenError, EReadError).
#pragma once

#include "platform/component.h"
#include "platform/strings.h"

#include <cstdint>
#include <functional>

namespace filekit {

// Progress of a comparison: the share of File2 compared so far, 0 to 100.
using TOnCheckingFilechunkEvent = std::function<void(int32_t percent)>;

class TFileComparer : public textcore::TComponent {
public:
  static constexpr int64_t kChunkSize = 102400;
  static constexpr float kMatchThreshold = 100;

  explicit TFileComparer(textcore::TComponent *AOwner);

  // The flags of the last run.
  bool AttributesMatch() const { return fAttribs_match; }
  bool DatesMatch() const { return fDates_match; }
  bool SizesMatch() const { return fSizes_match; }
  bool ContentsMatch() const { return fContents_match; }

  // No message box with the verdict at the end of a run.
  bool SilentComparison() const { return fsilent_comparison; }
  void SetSilentComparison(bool Value) { fsilent_comparison = Value; }

  const textcore::String &File1() const { return fFile1; }
  void SetFile1(const textcore::String &Value) { fFile1 = Value; }
  const textcore::String &File2() const { return fFile2; }
  void SetFile2(const textcore::String &Value) { fFile2 = Value; }

  // Called before each chunk of the byte comparison with the share of File2 already compared.
  const TOnCheckingFilechunkEvent &OnCheckProgress() const { return fOncheck; }
  void SetOnCheckProgress(TOnCheckingFilechunkEvent Value) { fOncheck = std::move(Value); }

  // Compares File1 with File2 and returns how far they match (0 to 100), setting the four flags
  // and CRLFs_were_ignored. With IgnoreCRLF, files whose bytes differ are compared again with
  // line ends and zero bytes skipped. Unless SilentComparison, the verdict is shown in a message
  // box (not when a file is missing).
  float PercentMatching(bool IgnoreCRLF);
  float PercentMatching() { return PercentMatching(true); }

  // The last run compared a second time with line ends skipped.
  bool CRLFs_were_ignored = false;

private:
  void ShowVerdict() const;

  bool fAttribs_match = false;
  bool fDates_match = false;
  bool fSizes_match = false;
  bool fContents_match = false;
  bool fsilent_comparison = false;
  textcore::String fFile1;
  textcore::String fFile2;
  TOnCheckingFilechunkEvent fOncheck;
};

} // namespace filekit
