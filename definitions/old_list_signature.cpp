// Reading the headers of the lists saved before the 32-bit format; see old_list_signature.h.
#include "definitions/old_list_signature.h"

namespace textcore {

const std::array<std::string_view, lt_kw_cluster_list> old_list_signatures = {
    "Word Lister",
    "Key Word List",
    "KeyWords Database (v. 2)",
    "Simple Consistency List",
    "Detailed Consistency List",
    "Collocate List",
    "KeyWords as WordList",
    "KWDBase as WordList",
    "Associates as WordList",
    "Clumps as WordList",
    "Concordancer",
    "KeyWords Plot",
    "Concordance Plot",
    "Concordance Cluster List",
    "Concordance Pattern List",
    "Associate List",
    "Clump List",
    "Filename List",
    "Link List",
    "Statistics List",
    "Ratio Stats List",
    "Aligner List",
    " Text List",
    "Wordlist Index List",
};

bool ListTypeFromOldHeader(std::span<const uint8_t> header, list_type &ListType) {
  if (header.size() < static_cast<size_t>(kOldHeaderSize))
    return false;
  const size_t length = header[0];
  const size_t start = header[1] == 0 ? 2 : 1;
  if (length == 0 || start + length > static_cast<size_t>(kOldHeaderSize))
    return false;
  const std::string_view text(reinterpret_cast<const char *>(header.data() + start), length);
  if (text.find('\0') != std::string_view::npos)
    return false;
  for (size_t i = 0; i < old_list_signatures.size(); ++i)
    if (text == old_list_signatures[i]) {
      ListType = static_cast<list_type>(i);
      return true;
    }
  return false;
}

} // namespace textcore
