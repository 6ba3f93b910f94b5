// A table of rows under column headings, written in the three output formats: text in aligned
// columns (numbers to the right), tsv under a header line, and json as the headings and the rows.
#pragma once

#include "platform/strings.h"
#include "tools/qmark/option_parsing.h"

#include <string>
#include <vector>

namespace qmark {

struct TableColumn {
  textcore::String heading;
  bool numeric = false; // right-aligned in text, a JSON number (null when empty)
};

struct Table {
  std::vector<TableColumn> columns;
  std::vector<std::vector<textcore::String>> rows; // a cell a column; numbers as written
};

// Appends the table to out in the format.
void WriteTable(std::string &out, const Table &table, OutputFormat format);

} // namespace qmark
