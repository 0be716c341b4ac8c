// Comparing a new number file with a reference file: the new file's lines that the reference
// holds and those it does not, each group in the new file's order, repeats kept, written as
// "[new]对比[reference]已有数据(n).txt" and "[new]对比[reference]没有的数据(n).txt".
#pragma once

#include <cstdint>
#include <filesystem>

#include "core/lists/compare_mode.h"
#include "core/program/ui.h"

namespace telqor {

struct ComparisonFiles {
  std::filesystem::path present;  // "...已有数据(n).txt"
  std::filesystem::path absent;   // "...没有的数据(n).txt"
};

// Lines are equal when their bytes are, in either mode. Status "开始数据处理...", "数据处理完毕！" and, once both files are in folder,
// "导出文件完成完毕！". When the second file cannot be written, the first is removed again.
ComparisonFiles CompareFiles(const std::filesystem::path& newFile, const std::filesystem::path& reference,
                             const std::filesystem::path& folder, CompareMode mode, Ui& ui);

}  // namespace telqor
