// The column splitter and the analysis over it: fields are found only at the start of a GBK
// character, and joined with the delimiter they give the line back.
#include <cstdio>
#include <cstdlib>

#include "core/text/errors.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/recording_ui.h"
#include "workspace/column_analysis.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  std::string_view input = fuzz::AsText(data, size);
  unsigned shape = fuzz::TakeByte(input);
  auto parts = fuzz::Parts(input, 2);
  std::string_view delimiter = parts[0].substr(0, 3);
  ItemList rows;
  rows.SetText(parts[1]);
  for (int i = 0; i < rows.Count(); ++i) {
    std::string_view line = rows.View(i);
    std::vector<std::string_view> fields = SplitAtDelimiter(line, delimiter);
    if (!delimiter.empty()) {
      std::string joined;
      for (size_t f = 0; f < fields.size(); ++f) joined.append(f ? delimiter : "").append(fields[f]);
      FUZZ_CHECK(joined == line);
    }
    (void)FieldOf(line, delimiter, static_cast<int64_t>(shape % 5) - 1);
    (void)CleanRow(line, fuzz::Sub(parts[0], 3, 2), "x");
  }
  Condition condition{static_cast<int32_t>(shape % 4), ConditionKindOfSetting(static_cast<int64_t>(shape / 4 % 4)), -5,
                      1000, static_cast<int32_t>(shape / 16 % 4)};
  ItemList matches;
  test::RecordingUi ui;
  Analyse(rows, delimiter, condition, matches, ui);
  SortRows(rows, delimiter, static_cast<int>(shape % 3), shape & 64 ? SortKind::Numeric : SortKind::Text, shape & 128);
  return 0;
}
