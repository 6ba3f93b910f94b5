// The lines of a qmark concord run as a picture: each line split at its hit, the left context
// drawn ending at the picture's centre and the hit with the right context starting there, in the
// colour scheme's roles (the hit in "search word highlighted", the words of the first two sort
// keys in "main sort" and "second sort", the rest in "normal text"), through unidisplay's
// displayer on an image saved as PNG. A line whose hit is written right to left is drawn right to
// left; a context too long for its half is cropped at a word, with the displayer's strip at the
// cut.
#pragma once

#include "colour/colour_scheme.h"
#include "platform/nls_locale_ids.h"
#include "platform/strings.h"
#include "tools/qmark/concord_lines.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qmark {

struct ConcordPictureLine {
  textcore::StringView left, hit, right;
  // The words of the first and the second sort key in "left hit right"; empty when a key is not
  // a word beside the hit.
  std::array<ConcordSpan, 2> sort_words{};
};

class ConcordPicture {
public:
  // So that a picture of a large concordance stays a picture one can open (and its memory
  // bounded): the lines after these are left out, and said to be.
  static constexpr int64_t kMaxLines = 500;
  static constexpr int32_t kMinWidth = 200;
  static constexpr int32_t kMaxWidth = 4000;

  // width: the picture's width in pixels, kMinWidth to kMaxWidth.
  ConcordPicture(const textcore::colour_and_typeface_rec &scheme, int32_t width,
                 textcore::LCID lcid);

  void Add(const ConcordPictureLine &line);
  // A line as Add keeps it, appended to bytes, so that lines kept for a sort wait in the line
  // store; and the adding of such a line.
  static void Format(const ConcordPictureLine &line, std::string &bytes);
  void AddFormatted(std::string_view bytes);

  // Every line added, drawn or not.
  int64_t Lines() const { return fCount; }
  // Draws the first kMaxLines lines and saves the picture at file (UTF-8). False, with error
  // set, when it cannot be written. Starts a Qt application offscreen when there is none.
  bool Save(const std::string &file, std::string &error) const;

private:
  textcore::colour_and_typeface_rec fScheme;
  int32_t fWidth;
  textcore::LCID fLCID;
  int64_t fCount = 0;
  std::vector<std::string> fLines; // formatted
};

} // namespace qmark
