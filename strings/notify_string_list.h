// TNotifyStringlist: a string list that reports its progress while a large text is split into
// lines, so that a tool can show how far loading has got.
#pragma once

#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>
#include <functional>

namespace textcore {

// Told the number of lines added so far.
using TTellCountEvent = std::function<void(int32_t count)>;

class TNotifyStringlist : public TStringList {
public:
  explicit TNotifyStringlist(TTellCountEvent callback = nullptr)
      : fTellCount(std::move(callback)) {}

  // The sequence that ends a line in Text and in assigned text. With CR LF (the default) CR LF,
  // CR and LF all end a line when text is assigned; with any other sequence only that sequence
  // does. An empty sequence makes assigned text one line.
  const String &LineBreak() const { return fLineBreak; }
  void SetLineBreak(StringView value) { fLineBreak = String(value); }

protected:
  String GetTextStr() const override;
  // Replaces the lines in one update bracket, calling back after every 256th line (at 255, 511,
  // ...) and once more, with the final count, at the end, also for an empty text.
  void SetTextStr(const String &Value) override;

private:
  void SplitLines(StringView text);
  void AddLine(StringView line);

  TTellCountEvent fTellCount;
  String fLineBreak = u"\r\n";
  int32_t fAdded = 0;
};

} // namespace textcore
