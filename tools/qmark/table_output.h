// A table of rows under column headings, written in the three output formats: text in aligned
// columns (numbers to the right), tsv under a header line, and json as the headings and the rows.
#pragma once

#include "definitions/grid_heading.h"
#include "definitions/list_types.h"
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

// A table under the headings of a list kind's first columns, with its cells made as the kind's
// grid shows them.
class ListTable {
public:
  ListTable(textcore::list_type kind, size_t columns);
  // A count.
  static textcore::String Number(int64_t n);
  // A value of the column: its decimals, blank below its minimum (or when not a number).
  textcore::String Decimal(size_t column, double value) const;

  Table table;

private:
  std::vector<textcore::grid_head_type32> fColumns;
};

} // namespace qmark
