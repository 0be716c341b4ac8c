// The .xlsx side of OpenTable (report/table_output.h), with the data rows a sheet takes open to
// the tests, which split a table after a few rows rather than a million.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "report/table_output.h"

namespace telqor {

// Excel's 1,048,576 rows a sheet, less the header.
inline constexpr int64_t kXlsxRowsPerSheet = 1048575;

// The longest text a cell holds (characters); a longer one is cut there.
inline constexpr size_t kXlsxCellCharacters = 32767;

std::unique_ptr<TableSink> OpenXlsxTable(const std::filesystem::path& out, const std::vector<std::string>& header,
                                         std::string_view sheet, Replace replace, std::vector<ColumnKind> kinds = {},
                                         int64_t rowsPerSheet = kXlsxRowsPerSheet);

}  // namespace telqor
