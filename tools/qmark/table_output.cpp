#include "tools/qmark/table_output.h"

#include "dialogs/list_columns.h"
#include "platform/display_cells.h"
#include "tools/qmark/text_escapes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qmark {

using textcore::String;

namespace {

void WriteText(std::string &out, const Table &table) {
  std::vector<size_t> widths(table.columns.size());
  for (size_t c = 0; c < table.columns.size(); ++c)
    widths[c] = textcore::DisplayCells(table.columns[c].heading);
  for (const std::vector<String> &row : table.rows)
    for (size_t c = 0; c < row.size() && c < widths.size(); ++c)
      widths[c] = std::max(widths[c], textcore::DisplayCells(row[c]));
  auto line = [&](auto cell_of) {
    std::string text;
    for (size_t c = 0; c < table.columns.size(); ++c) {
      const String &cell = cell_of(c);
      const size_t pad = widths[c] - std::min(widths[c], textcore::DisplayCells(cell));
      if (c > 0)
        text += "  ";
      if (table.columns[c].numeric)
        text.append(pad, ' ');
      AppendEscaped(text, cell, Escape::kFlat);
      if (!table.columns[c].numeric)
        text.append(pad, ' ');
    }
    while (!text.empty() && text.back() == ' ')
      text.pop_back();
    out += text + "\n";
  };
  line([&](size_t c) -> const String & { return table.columns[c].heading; });
  static const String kEmpty;
  for (const std::vector<String> &row : table.rows)
    line([&](size_t c) -> const String & { return c < row.size() ? row[c] : kEmpty; });
}

void WriteTsv(std::string &out, const Table &table) {
  auto line = [&](auto cell_of) {
    for (size_t c = 0; c < table.columns.size(); ++c) {
      if (c > 0)
        out += '\t';
      AppendEscaped(out, cell_of(c), Escape::kTsv);
    }
    out += '\n';
  };
  line([&](size_t c) -> const String & { return table.columns[c].heading; });
  static const String kEmpty;
  for (const std::vector<String> &row : table.rows)
    line([&](size_t c) -> const String & { return c < row.size() ? row[c] : kEmpty; });
}

void WriteJson(std::string &out, const Table &table) {
  out += "{\"columns\": [";
  for (size_t c = 0; c < table.columns.size(); ++c) {
    out += c == 0 ? "\"" : ", \"";
    AppendEscaped(out, table.columns[c].heading, Escape::kJson);
    out += "\"";
  }
  out += "],\n\"rows\": [";
  for (size_t r = 0; r < table.rows.size(); ++r) {
    out += r == 0 ? "\n[" : ",\n[";
    const std::vector<String> &row = table.rows[r];
    for (size_t c = 0; c < table.columns.size(); ++c) {
      if (c > 0)
        out += ", ";
      const String empty;
      const String &cell = c < row.size() ? row[c] : empty;
      if (table.columns[c].numeric) {
        if (cell.empty())
          out += "null";
        else
          AppendEscaped(out, cell, Escape::kJson);
        continue;
      }
      out += "\"";
      AppendEscaped(out, cell, Escape::kJson);
      out += "\"";
    }
    out += "]";
  }
  out += table.rows.empty() ? "]}\n" : "\n]}\n";
}

} // namespace

ListTable::ListTable(textcore::list_type kind, size_t columns)
    : fColumns(dialogkit::ListColumnsOf(kind)) {
  fColumns.resize(std::min(columns, fColumns.size()));
  for (const textcore::grid_head_type32 &column : fColumns)
    table.columns.push_back({column.heading, column.numerical});
}

String ListTable::Number(int64_t n) { return textcore::UTF8ToString(std::to_string(n)); }

String ListTable::Decimal(size_t column, double value) const {
  const textcore::grid_head_type32 &c = fColumns[column];
  if (!std::isfinite(value) || value < static_cast<double>(c.minimum))
    return {};
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", static_cast<int>(c.decimals), value);
  return textcore::UTF8ToString(text);
}

void WriteTable(std::string &out, const Table &table, OutputFormat format) {
  switch (format) {
  case OutputFormat::kText:
    WriteText(out, table);
    break;
  case OutputFormat::kTsv:
    WriteTsv(out, table);
    break;
  case OutputFormat::kJson:
    WriteJson(out, table);
    break;
  }
}

} // namespace qmark
