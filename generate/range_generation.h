// Numbers made arithmetically: a range (start and end brought to a length, then every number
// after the start up to the end, or one random number from each block of `step`), and an
// expansion of `count` numbers around a base number (all of them, or one random number out of
// every 2..5). One run fills one sorted, duplicate-free result list with both.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/lists/item_list.h"
#include "core/program/ui.h"

namespace telqor {

// How densely an expansion takes numbers (扩展模式): all of them, or one random number out of
// every block of 2..5. The value is the block's size.
enum class ExpansionSpacing { kAll = 1, kOneInTwo = 2, kOneInThree = 3, kOneInFour = 4, kOneInFive = 5 };

// Where an expansion runs from its base number: around it (双向), from it onwards (向前) or up to
// it (向后).
enum class ExpansionDirection { kBoth, kForward, kBackward };

// The fields of the "号码段◇号码扩展" group, as typed.
struct GenerationInput {
  std::string start;           // 开始号码
  std::string end;             // 结束号码
  std::string length = "11";   // 长度
  std::string step = "1";      // 步進
  std::string base;            // 基础号码
  ExpansionSpacing spacing = ExpansionSpacing::kAll;
  ExpansionDirection direction = ExpansionDirection::kForward;
  std::string count = "1000";  // 数量
};

// A result list as generation fills it: sorted, equal numbers held once.
void PrepareResultList(ItemList& result);

// Adds the range's numbers to result. Asks before more than ten million numbers (No: none).
void GenerateRange(ItemList& result, std::string_view startText, std::string_view endText, int32_t length, int32_t step,
                   Ui& ui);

// Adds the expansion's numbers to result. Asks before more than ten million numbers (No: none);
// more than a list can hold is refused.
void GenerateExpansion(ItemList& result, std::string_view baseText, ExpansionSpacing spacing,
                       ExpansionDirection direction, int64_t count, Ui& ui);

// One press of a generation button up to the result: both generators, with their status
// messages and the conversions of the fields (a field that is no integer stops the run).
void GenerateNumbers(const GenerationInput& input, ItemList& result, Ui& ui);

// "生成保存到文件" from the fields: generates and saves as SaveGeneratedNumbers does. Numbers
// that come out sorted and distinct anyway (one generator, one length) go straight to the file.
std::filesystem::path GenerateToFile(const GenerationInput& input, const std::filesystem::path& folder, Ui& ui);

// Writes a non-empty result as "扩展号码" + "yyyymmdd-hhnnss" + "-" + count +
// ".txt" into folder, says so and opens the folder. Answers the file written, or an empty path.
std::filesystem::path SaveGeneratedNumbers(const ItemList& result, const std::filesystem::path& folder, Ui& ui);

}  // namespace telqor
