// The named-pattern files of the "Regex" folder: one pattern a line, name + "=" + expression
// (the name is the text before the first "=").
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace telqor {

struct NamedPattern {
  std::string name;  // GBK, as in the file
  std::string expression;
  bool checked = true;
};

// The rows of a file in the order of their whole line text ignoring letter case, a line
// repeated (ignoring case) once; empty lines carry no pattern and are passed over. Every row
// is checked.
std::vector<NamedPattern> LoadNamedPatterns(const std::filesystem::path& file);

// Writes every row as name + "=" + expression, CR LF after each, replacing the file; its folder
// is made when missing (a new program folder has no "Regex" folder).
void SaveNamedPatterns(const std::filesystem::path& file, const std::vector<NamedPattern>& rows);

// The file "保存" writes into when none is chosen yet.
inline constexpr char kDefaultPatternFileName[] = "组合特征.txt";

// Raises the pattern's error (RegexError) naming the expression when it does not compile,
// so that it is refused before it is saved or joined with others.
void CheckPatternExpression(std::string_view expression);

// "保存": the first row named exactly name takes the expression; without one an unchecked row
// is appended.
void PutNamedPattern(std::vector<NamedPattern>& rows, std::string_view name, std::string_view expression);

// "删除": removes the first row named exactly name; false when there is none.
bool DeleteNamedPattern(std::vector<NamedPattern>& rows, std::string_view name);

// The expressions of the rows, in row order: every row, or only the checked ones.
std::vector<std::string> PatternExpressions(const std::vector<NamedPattern>& rows, bool checkedOnly);

}  // namespace telqor
