#include "segments/named_patterns.h"

#include <system_error>

#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/gbk.h"
#include "core/text/gbk_regex.h"
#include "core/lists/item_list.h"

namespace telqor {

std::vector<NamedPattern> LoadNamedPatterns(const std::filesystem::path& file) {
  ItemList lines;
  lines.SetCaseSensitive(false);
  lines.SetSorted(true);
  lines.SetDuplicates(DuplicatePolicy::kIgnore);
  lines.LoadFromFile(file);
  std::vector<NamedPattern> rows;
  for (int i = 0; i < lines.Count(); ++i) {
    std::string_view line = lines.View(i);
    if (line.empty()) continue;
    size_t equals = line.find('=');
    if (equals == std::string_view::npos)
      rows.push_back({std::string(line), {}});
    else
      rows.push_back({std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))});
  }
  return rows;
}

void SaveNamedPatterns(const std::filesystem::path& file, const std::vector<NamedPattern>& rows) {
  CreateFolders(file.parent_path());
  FileWriter out(file);
  for (const NamedPattern& row : rows) {
    out.Write(row.name);
    out.Write("=");
    out.Write(row.expression);
    out.Write("\r\n");
  }
  out.Commit();
}

void PutNamedPattern(std::vector<NamedPattern>& rows, std::string_view name, std::string_view expression) {
  for (NamedPattern& row : rows)
    if (row.name == name) {
      row.expression = expression;
      return;
    }
  rows.push_back({std::string(name), std::string(expression), false});
}

bool DeleteNamedPattern(std::vector<NamedPattern>& rows, std::string_view name) {
  for (auto row = rows.begin(); row != rows.end(); ++row)
    if (row->name == name) {
      rows.erase(row);
      return true;
    }
  return false;
}

std::vector<std::string> PatternExpressions(const std::vector<NamedPattern>& rows, bool checkedOnly) {
  std::vector<std::string> expressions;
  for (const NamedPattern& row : rows)
    if (row.checked || !checkedOnly) expressions.push_back(row.expression);
  return expressions;
}

void CheckPatternExpression(std::string_view expression) {
  GbkRegex regex;
  try {
    regex.SetRegEx(expression);
    regex.Compile();
  } catch (const RegexError& error) {
    throw RegexError("表达式 " + GbkToUtf8(expression) + " 无效: " + error.what());
  }
}

}  // namespace telqor
