#include "generate/range_generation.h"

#include <charconv>
#include <climits>

#include "app/data_folders.h"
#include "core/errors.h"
#include "core/file_io.h"
#include "core/pseudo_random.h"
#include "core/str_to_int.h"

namespace telqor {
namespace {

constexpr int64_t kConfirmAbove = 10000000;
constexpr int64_t kProgressEvery = 1 << 20;

// Signed arithmetic that wraps instead of overflowing, as 64-bit machine arithmetic does.
int64_t Wrap(int64_t a, int64_t b, int64_t c = 0) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b) + static_cast<uint64_t>(c));
}
int64_t WrapMul(int64_t a, int64_t b) { return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b)); }

void AddNumber(TSList& result, int64_t value) {
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

}  // namespace

void PrepareResultList(TSList& result) {
  result.Clear();
  result.SetDuplicates(TDuplicates::Ignore);
  result.SetSorted(true);
}

void GenerateRange(TSList& result, std::string_view startText, std::string_view endText, int32_t length, int32_t step,
                   Ui& ui) {
  std::string_view start = TrimBlanks(startText), end = TrimBlanks(endText);
  if (start.empty() || end.empty() || start == end) return;
  const int64_t a = StrToInt64(FillTo(start, length));
  const int64_t b = StrToInt64(FillTo(end, length));
  if (step == 0) throw EDivByZero();
  const __int128 wide = (static_cast<__int128>(b) - a) / step;
  const int64_t n = wide > INT64_MAX ? INT64_MAX : static_cast<int64_t>(wide);
  if (n > kConfirmAbove && !ui.AskYesNo("导入的数据量超过了一千万，确认导入吗?")) return;
  GlobalRandom().Randomize();
  if (n <= 0) return;
  // A list holds at most 2^31-1 items; counting such a range down to 32 bits would make an
  // arbitrary amount of numbers, so it is refused instead.
  if (n > INT_MAX) throw Error("The range holds " + std::to_string(n) + " numbers, more than a list can hold");
  for (int64_t k = 1; k <= n; ++k) {
    AddNumber(result, step == 1 ? Wrap(a, k) : Wrap(a, WrapMul(k - 1, step), RandomBelow(step)));
    if (k % kProgressEvery == 0) ui.Progress(k, n);
  }
  if (n >= kProgressEvery) ui.Progress(n, n);
}

void GenerateExpansion(TSList& result, std::string_view baseText, int modeIndex, int directionIndex, int64_t count,
                       Ui& ui) {
  if (TrimBlanks(baseText).empty()) return;
  const int64_t v = StrToInt64(baseText);
  const int64_t e = modeIndex + 1;
  int64_t origin = v;
  if (directionIndex == 0) origin = Wrap(v, -WrapMul(count / 2, e));
  if (directionIndex == 2) origin = Wrap(v, -WrapMul(count, e));
  if (origin < 0) origin = 0;
  if (e != 1) GlobalRandom().Randomize();
  for (int64_t i = 0; i < count; ++i) {
    AddNumber(result, e == 1 ? Wrap(origin, i) : Wrap(origin, WrapMul(i, e), GlobalRandom().Random(static_cast<uint32_t>(e))));
    if ((i + 1) % kProgressEvery == 0) ui.Progress(i + 1, count);
  }
}

void GenerateNumbers(const GenerationInput& input, TSList& result, Ui& ui) {
  PrepareResultList(result);
  ui.ShowStatus("开始处理区间号码...");
  int32_t length = StrToInt(input.length);
  int32_t step = StrToInt(input.step);
  GenerateRange(result, input.start, input.end, length, step, ui);
  ui.ShowStatus("开始处理扩展号码...");
  int64_t count = StrToInt64(input.count);
  GenerateExpansion(result, input.base, input.modeIndex, input.directionIndex, count, ui);
}

std::filesystem::path SaveGeneratedNumbers(const TSList& result, const std::filesystem::path& folder, Ui& ui) {
  ui.ShowStatus("开始保存文件");
  std::string name = "扩展号码" + TimeStamp() + "-" + std::to_string(result.Count()) + ".txt";
  std::filesystem::path file;
  if (result.Count() > 0) {
    file = folder / std::filesystem::path(name);
    result.SaveToFile(file);
  }
  ui.ShowStatus("保存文件完成");
  if (!file.empty()) {
    ui.Inform("保存完成！\r\n" + FolderText(folder) + name);
    ui.OpenFolder(folder);
  }
  return file;
}

}  // namespace telqor
