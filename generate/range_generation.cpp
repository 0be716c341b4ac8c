#include "generate/range_generation.h"

#include <charconv>
#include <climits>

#include "core/program/data_folders.h"
#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/io/output_names.h"
#include "core/lists/pseudo_random.h"
#include "core/text/str_to_int.h"

namespace telqor {
namespace {

constexpr int64_t kConfirmAbove = 10000000;
constexpr int64_t kProgressEvery = 1 << 20;
constexpr size_t kBlock = 1 << 16;

// Signed arithmetic that wraps instead of overflowing, as 64-bit machine arithmetic does.
int64_t Wrap(int64_t a, int64_t b, int64_t c = 0) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b) + static_cast<uint64_t>(c));
}
int64_t WrapMul(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b));
}

void AddNumber(ItemList& result, int64_t value) {
  char buf[24];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  result.Add(ByteStr(std::string_view(buf, static_cast<size_t>(end - buf))));
}

// A random offset below step (above it when step is negative).
int64_t RandomBelow(int64_t step) {
  if (step > 0) return GlobalRandom().Random(static_cast<uint32_t>(step));
  return -static_cast<int64_t>(GlobalRandom().Random(static_cast<uint32_t>(-step)));
}

std::string FillTo(std::string_view text, int32_t length) {
  std::string s(text);
  if (length <= 0) return {};
  if (s.size() > static_cast<size_t>(length)) s.resize(static_cast<size_t>(length));
  s.append(static_cast<size_t>(length) - s.size(), '0');
  return s;
}

// A range after its fields were examined: n numbers from a, one per block of step.
struct RangePlan {
  int64_t a = 0;
  int64_t n = 0;
  int64_t step = 1;
};

// An expansion after its fields were examined: count numbers from origin, one per group of e.
struct ExpansionPlan {
  int64_t origin = 0;
  int64_t e = 1;
  int64_t count = 0;
};

RangePlan PlanRange(std::string_view startText, std::string_view endText, int32_t length, int32_t step, Ui& ui) {
  std::string_view start = TrimBlanks(startText), end = TrimBlanks(endText);
  if (start.empty() || end.empty() || start == end) return {};
  const int64_t a = StrToInt64(FillTo(start, length));
  const int64_t b = StrToInt64(FillTo(end, length));
  if (step == 0) throw DivisionByZero();
  const __int128 wide = (static_cast<__int128>(b) - a) / step;
  const int64_t n = wide > INT64_MAX ? INT64_MAX : static_cast<int64_t>(wide);
  if (n > kConfirmAbove && !ui.AskYesNo("导入的数据量超过了一千万，确认导入吗?")) return {};
  GlobalRandom().Randomize();
  if (n <= 0) return {};
  // A list holds at most 2^31-1 items; counting such a range down to 32 bits would make an
  // arbitrary amount of numbers, so it is refused instead.
  if (n > INT_MAX) throw Error("The range holds " + std::to_string(n) + " numbers, more than a list can hold");
  return {a, n, step};
}

ExpansionPlan PlanExpansion(std::string_view baseText, ExpansionSpacing spacing, ExpansionDirection direction,
                            int64_t count, Ui& ui) {
  if (TrimBlanks(baseText).empty()) return {};
  const int64_t v = StrToInt64(baseText);
  // As large a run as a range asks first, and is refused where a list could not hold it.
  if (count > kConfirmAbove && !ui.AskYesNo("导入的数据量超过了一千万，确认导入吗?")) return {};
  if (count > INT_MAX)
    throw Error("The expansion holds " + std::to_string(count) + " numbers, more than a list can hold");
  const int64_t e = static_cast<int64_t>(spacing);
  int64_t origin = v;
  if (direction == ExpansionDirection::kBoth) origin = Wrap(v, -WrapMul(count / 2, e));
  if (direction == ExpansionDirection::kBackward) origin = Wrap(v, -WrapMul(count, e));
  if (origin < 0) origin = 0;
  if (e != 1) GlobalRandom().Randomize();
  return {origin, e, count > 0 ? count : 0};
}

template <typename Emit>
void EmitRange(const RangePlan& p, Emit&& emit, Ui& ui) {
  for (int64_t k = 1; k <= p.n; ++k) {
    emit(p.step == 1 ? Wrap(p.a, k) : Wrap(p.a, WrapMul(k - 1, p.step), RandomBelow(p.step)));
    if (k % kProgressEvery == 0) ui.Progress(k, p.n);
  }
  if (p.n >= kProgressEvery) ui.Progress(p.n, p.n);
}

template <typename Emit>
void EmitExpansion(const ExpansionPlan& p, Emit&& emit, Ui& ui) {
  for (int64_t i = 0; i < p.count; ++i) {
    emit(p.e == 1 ? Wrap(p.origin, i)
                  : Wrap(p.origin, WrapMul(i, p.e), GlobalRandom().Random(static_cast<uint32_t>(p.e))));
    if ((i + 1) % kProgressEvery == 0) ui.Progress(i + 1, p.count);
  }
  if (p.count >= kProgressEvery) ui.Progress(p.count, p.count);
}

// Room for what both will add, so a large run does not grow the list step by step.
void Reserve(ItemList& result, int64_t more) {
  int64_t wanted = result.Count() + more;
  if (more > 0 && wanted <= INT_MAX && wanted > result.Capacity()) result.SetCapacity(static_cast<int>(wanted));
}

// The number of decimal characters of v >= 0.
int Digits(int64_t v) {
  int d = 1;
  while (v >= 10) {
    v /= 10;
    ++d;
  }
  return d;
}

}  // namespace

void PrepareResultList(ItemList& result) {
  result.Clear();
  result.SetDuplicates(DuplicatePolicy::kIgnore);
  result.SetSorted(true);
}

void GenerateRange(ItemList& result, std::string_view startText, std::string_view endText, int32_t length, int32_t step,
                   Ui& ui) {
  RangePlan plan = PlanRange(startText, endText, length, step, ui);
  Reserve(result, plan.n);
  EmitRange(
      plan, [&](int64_t v) { AddNumber(result, v); }, ui);
}

void GenerateExpansion(ItemList& result, std::string_view baseText, ExpansionSpacing spacing,
                       ExpansionDirection direction, int64_t count, Ui& ui) {
  ExpansionPlan plan = PlanExpansion(baseText, spacing, direction, count, ui);
  Reserve(result, plan.count);
  EmitExpansion(
      plan, [&](int64_t v) { AddNumber(result, v); }, ui);
}

void GenerateNumbers(const GenerationInput& input, ItemList& result, Ui& ui) {
  PrepareResultList(result);
  ui.ShowStatus("开始处理区间号码...");
  int32_t length = StrToInt(input.length);
  int32_t step = StrToInt(input.step);
  GenerateRange(result, input.start, input.end, length, step, ui);
  ui.ShowStatus("开始处理扩展号码...");
  int64_t count = StrToInt64(input.count);
  GenerateExpansion(result, input.base, input.spacing, input.direction, count, ui);
}

std::filesystem::path GenerateToFile(const GenerationInput& input, const std::filesystem::path& folder, Ui& ui) {
  ui.ShowStatus("开始处理区间号码...");
  int32_t length = StrToInt(input.length);
  int32_t step = StrToInt(input.step);
  RangePlan range = PlanRange(input.start, input.end, length, step, ui);
  ui.ShowStatus("开始处理扩展号码...");
  int64_t count = StrToInt64(input.count);
  ExpansionPlan expansion = PlanExpansion(input.base, input.spacing, input.direction, count, ui);

  // One generator alone with non-negative, rising numbers of one length already comes out
  // sorted and distinct: it is written as it is made, without holding the numbers.
  bool rangeOnly = range.n > 0 && expansion.count == 0 && range.step > 0 && range.a >= 0;
  bool expansionOnly = range.n == 0 && expansion.count > 0;
  int64_t first = 0, last = 0, total = 0;
  if (rangeOnly) {
    first = range.a;  // the first block starts above a (step 1) or at it
    last = Wrap(range.a, WrapMul(range.n, range.step));
    total = range.n;
  } else if (expansionOnly) {
    first = expansion.origin;
    last = Wrap(expansion.origin, WrapMul(expansion.count, expansion.e));
    total = expansion.count;
  }
  if ((rangeOnly || expansionOnly) && last > first && total <= INT_MAX && Digits(first) == Digits(last)) {
    ui.ShowStatus("开始保存文件");
    std::string name = "扩展号码" + TimeStamp() + "-" + std::to_string(total) + ".txt";
    FileWriter out(folder / PathFromUtf8(name));
    // Lines are gathered in a block so each number costs a conversion, not a call.
    std::string block;
    block.reserve(kBlock + 32);
    auto write = [&](int64_t v) {
      size_t at = block.size();
      block.resize(at + 24);
      char* end = std::to_chars(block.data() + at, block.data() + at + 22, v).ptr;
      end[0] = '\r';
      end[1] = '\n';
      block.resize(static_cast<size_t>(end + 2 - block.data()));
      if (block.size() >= kBlock) {
        out.Write(block);
        block.clear();
      }
    };
    if (rangeOnly) {
      EmitRange(range, write, ui);
    } else {
      EmitExpansion(expansion, write, ui);
    }
    out.Write(block);
    std::filesystem::path file = out.CommitUnique();
    ui.ShowStatus("保存文件完成");
    ui.Inform("保存完成！\r\n" + FolderToUtf8(folder) + PathToUtf8(file.filename()));
    ui.OpenFolder(folder);
    return file;
  }

  ItemList result;
  PrepareResultList(result);
  Reserve(result, range.n + expansion.count);
  auto add = [&](int64_t v) { AddNumber(result, v); };
  EmitRange(range, add, ui);
  EmitExpansion(expansion, add, ui);
  return SaveGeneratedNumbers(result, folder, ui);
}

std::filesystem::path SaveGeneratedNumbers(const ItemList& result, const std::filesystem::path& folder, Ui& ui) {
  ui.ShowStatus("开始保存文件");
  std::string name = "扩展号码" + TimeStamp() + "-" + std::to_string(result.Count()) + ".txt";
  std::filesystem::path file;
  if (result.Count() > 0) {
    FileWriter out(folder / PathFromUtf8(name));
    result.SaveTo(out);
    file = out.CommitUnique();
  }
  ui.ShowStatus("保存文件完成");
  if (!file.empty()) {
    ui.Inform("保存完成！\r\n" + FolderToUtf8(folder) + PathToUtf8(file.filename()));
    ui.OpenFolder(folder);
  }
  return file;
}

}  // namespace telqor
