// Every operation that writes, run with its N-th file operation failing (creating, writing,
// closing, renaming, removing a file, creating a folder) for N = 1, 2, ... until it gets
// through: at every N each file of the user is byte for byte as before or as after, nothing a
// clean run keeps is lost, no temporary file is left, and the failure is reported.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "core/program/data_folders.h"
#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/text/gbk.h"
#include "core/program/settings.h"
#include "extract/extraction_engine.h"
#include "files/batch_save.h"
#include "files/file_comparison.h"
#include "files/file_operations.h"
#include "report/lookup_table.h"
#include "report/number_stats.h"
#include "segments/carrier.h"
#include "segments/default_data.h"
#include "segments/named_patterns.h"
#include "segments/region_export.h"
#include "segments/segment_import.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"
#include "files/batch_rename.h"
#include "workspace/column_analysis.h"
#include "files/encoding_tools.h"
#include "workspace/output_format.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using Snapshot = std::map<std::string, std::string>;  // relative path -> bytes

struct Case {
  const char* name;
  std::function<void(const fs::path& root)> setup;
  std::function<void(const fs::path& root, Ui& ui)> run;
};

// The files under root; the root's own path in them (a settings file names folders) is
// written as "@", so that runs in different folders compare.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

Snapshot Take(const fs::path& root) {
  Snapshot files;
  const std::string rootText = root.string();
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::string bytes = test::ReadBytes(entry.path());
    for (size_t at = bytes.find(rootText); at != std::string::npos; at = bytes.find(rootText, at + 1))
      bytes.replace(at, rootText.size(), "@");
    files[entry.path().lexically_relative(root).string()] = std::move(bytes);
  }
  return files;
}

// The paths whose bytes differ (the files are large: no whole-content diff).
std::string Differing(const Snapshot& a, const Snapshot& b) {
  std::string paths;
  for (const auto& [path, bytes] : a)
    if (!b.count(path) || b.at(path) != bytes) paths += path + " ";
  for (const auto& [path, bytes] : b)
    if (!a.count(path)) paths += path + " ";
  return paths;
}

bool IsTemporary(const std::string& path) {
  std::string name = fs::path(path).filename().string();
  return name.starts_with(".telqor-") || name.ends_with(".telqor-rename.tmp");
}

std::unique_ptr<ItemList> Numbers(int n) {
  auto list = std::make_unique<ItemList>();
  for (int i = 0; i < n; ++i) list->Add(std::to_string(13800000000LL + (i * 7919LL) % 100000));
  return list;
}

void Write(const fs::path& file, const std::string& bytes) { test::WriteBytes(file, bytes); }

std::string Lines(int n, int seed) {
  std::string text;
  for (int i = 0; i < n; ++i) text += std::to_string(13900000000LL + (i * seed) % (n / 2 + 1)) + "\r\n";
  return text;
}

std::vector<Case> Cases() {
  static const fs::path data = fs::path(TELQOR_TEST_DATA) / "segments";
  return {
      {"settings", [](const fs::path& r) { SaveSettings(r / "Telqor.ini", FirstRunSettings()); },
       [](const fs::path& r, Ui&) {
         Settings s = LoadSettings(r / "Telqor.ini");
         s.processingMode = 1;
         s.mobilePrefixes = "138";
         SaveSettings(r / "Telqor.ini", s);
       }},
      {"whole save", [](const fs::path& r) { CreateFolders(r / "out"); },
       [](const fs::path& r, Ui& ui) { SaveWholeList(*Numbers(3000), r / "out", ui); }},
      {"batch save", [](const fs::path& r) { CreateFolders(r / "out"); },
       [](const fs::path& r, Ui& ui) { BatchSave(*Numbers(1000), "300", r / "out", ui); }},
      {"merge into a source",
       [](const fs::path& r) {
         Write(r / "a.txt", Lines(50, 7));
         Write(r / "b.txt", Lines(40, 3));
       },
       [](const fs::path& r, Ui&) {
         MergeFiles({r / "a.txt", r / "b.txt"}, r / "a.txt");
       }},
      {"dedupe in place", [](const fs::path& r) { Write(r / "a.txt", Lines(300, 7)); },
       [](const fs::path& r, Ui&) { DedupeFile(r / "a.txt", r / "a.txt", CompareMode::kExact); }},
      {"split",
       [](const fs::path& r) {
         Write(r / "a.txt", Lines(10, 7));
         CreateFolders(r / "out");
       },
       [](const fs::path& r, Ui& ui) { SplitFile(r / "a.txt", r / "out", 3, ui); }},
      {"compare",
       [](const fs::path& r) {
         Write(r / "new.txt", Lines(60, 7));
         Write(r / "old.txt", Lines(40, 3));
         CreateFolders(r / "out");
       },
       [](const fs::path& r, Ui& ui) {
         CompareFiles(r / "new.txt", r / "old.txt", r / "out", CompareMode::kExact, ui);
       }},
      {"format", [](const fs::path& r) { CreateFolders(r / "out"); },
       [](const fs::path& r, Ui&) {
         std::vector<fs::path> written;
         SaveFormatted(*Numbers(7), r / "out" / "f", 3, Frames{"head", "tail"}, written);
       }},
      {"rename in a chain",
       [](const fs::path& r) {
         for (int i = 1; i <= 3; ++i) Write(r / "in" / (std::to_string(i) + ".txt"), "text " + std::to_string(i));
       },
       [](const fs::path& r, Ui& ui) {
         RenameList list;
         TakeNames(r / "in", "", false, list);
         NameDefinition definition;
         definition.usePattern = true;
         definition.pattern = "#.txt";
         definition.start = "2";
         PreviewNames(list, definition);
         RenameFiles(PlanRename(list, r / "in", r / "in"), true, ui);
       }},
      {"convert to UTF-8", [](const fs::path& r) { Write(r / "u.txt", "\xE4\xB8\xAD 13800138000\n"); },
       [](const fs::path& r, Ui&) { RewriteFileAs(r / "u.txt", TextTarget::kUtf8); }},
      {"convert to ANSI", [](const fs::path& r) { Write(r / "u.txt", "\xEF\xBB\xBF\xE4\xB8\xAD\n13800138000\n"); },
       [](const fs::path& r, Ui&) { RewriteFileAs(r / "u.txt", TextTarget::kAnsi); }},
      {"clean bytes",
       [](const fs::path& r) {
         Write(r / "d.bin", std::string("a\0\xFF"
                                        "b",
                                        4));
       },
       [](const fs::path& r, Ui&) { CleanBytesFile(r / "d.bin"); }},
      {"export by region", [](const fs::path& r) { CreateFolders(r / "out"); },
       [](const fs::path& r, Ui& ui) {
         SegmentDatabase db;
         db.Load(data, data);
         ItemList list;
         test::Fill(list, {"13800001111", "13000002222", "13600000001", "18900000001", "13100002222"});
         ExportNumbers(ExportKind::RegionCarrierSegment, list, db, CarrierRule(FirstRunSettings()), r / "out", ui);
       }},
      {"classified export", [](const fs::path& r) { CreateFolders(r / "out"); },
       [](const fs::path& r, Ui& ui) {
         ItemList rows;
         test::Fill(rows, {"a,1", "b,1", "c,2", "short", "d,3"});
         ExportClassified(rows, ",", 1, r / "out", ui);
       }},
      {"named patterns", [](const fs::path&) {},
       [](const fs::path& r, Ui&) {
         SaveNamedPatterns(r / "Regex" / "p.txt", {{"a", "^138"}, {"b", "8$"}});
       }},
      {"extraction results", [](const fs::path& r) { CreateFolders(r / "out"); },
       [](const fs::path& r, Ui&) {
         ExtractionRequest request;
         request.mobile = request.email = true;
         request.text = "13812345678 a@b.cn 66667777 12345";
         ExtractionReport report;
         ExtractionEngine extraction;
         extraction.Start(std::move(request), report);
         extraction.Wait();
         SaveResultFiles(report.Found(), r / "out");
       }},
      {"lookup table as a workbook", [](const fs::path& r) { Write(r / "t.xlsx", "old"); },
       [](const fs::path& r, Ui& ui) {
         SegmentDatabase db;
         db.Load(data, data);
         const NumberLookup lookup(db, CarrierRule(FirstRunSettings()), CityAreaCodes());
         std::unique_ptr<TableSink> table = OpenTable(r / "t.xlsx", TableFormat::kXlsx, LookupTableHeader(), "号码");
         WriteLookupTable(*Numbers(300), lookup, *table, ui);
         table->Finish();
       }},
      {"statistics as CSV", [](const fs::path&) {},
       [](const fs::path& r, Ui& ui) {
         SegmentDatabase db;
         db.Load(data, data);
         const NumberLookup lookup(db, CarrierRule(FirstRunSettings()), CityAreaCodes());
         const NumberStats stats = *CountNumbers(*Numbers(300), lookup, std::vector<StatsDimension>{StatsDimension::kPrefix}, ui);
         std::unique_ptr<TableSink> table = OpenTable(r / "s.csv", TableFormat::kCsvGbk, StatsTableHeader(stats), "统计");
         WriteStatsTable(stats, *table);
         table->Finish();
       }},
      {"segment import",
       [](const fs::path& r) {
         Write(r / "base" / PathFromUtf8(kRegionFileName), Utf8ToGbk("山东|济南\r\n"));
         Write(r / "base" / PathFromUtf8(kSegmentFileName), Utf8ToGbk("1300000|山东|济南\r\n1300001|山东|济南\r\n"));
         Write(r / "base" / PathFromUtf8(kDefaultDataNoticeFileName), "notice");
         Write(r / "list.txt", "1300000,山东,青岛,0532\n1300002,江苏,南京,025\n");
       },
       [](const fs::path& r, Ui& ui) {
         ImportSegmentList(
             r / "list.txt", r / "base", [](const std::vector<std::string_view>&) { return true; }, ui);
       }},
      {"default data", [](const fs::path& r) { StartUp(r / "home"); },
       [](const fs::path& r, Ui&) {
         ProgramState state = StartUp(r / "home");
         WriteDefaultData(state, false);
       }},
  };
}

class WriteFaults : public ::testing::TestWithParam<Case> {};

TEST_P(WriteFaults, EveryFileIsBeforeOrAfterAndTheFailureIsTold) {
  const Case& c = GetParam();
  test::TestEnv clock;
  clock.FixClock(2026, 12, 8, 10, 0, 0);
  auto fresh = [&](test::TempDir& dir) {
    c.setup(dir.path());
    return Take(dir.path());
  };
  test::TempDir clean;
  const Snapshot before = fresh(clean);
  test::RecordingUi cleanUi;
  c.run(clean.path(), cleanUi);
  const Snapshot after = Take(clean.path());
  ASSERT_NE(Differing(before, after), "") << c.name << " writes nothing";
  // The contents a clean run keeps (under their names or others): none may go missing.
  std::set<std::string> had, kept;
  for (const auto& [path, bytes] : before) had.insert(bytes);
  for (const auto& [path, bytes] : after)
    if (had.count(bytes)) kept.insert(bytes);

  for (int n = 1;; ++n) {
    ASSERT_LT(n, 1000) << c.name;
    test::TempDir dir;
    fresh(dir);
    test::RecordingUi ui;
    bool thrown = false, failed = false;
    {
      test::FaultEnv faults(n);
      try {
        c.run(dir.path(), ui);
      } catch (const std::exception&) {
        thrown = true;
      }
      failed = faults.Failed();
    }
    if (!failed) {
      EXPECT_EQ(Differing(Take(dir.path()), after), "") << c.name << ": a run without a failure";
      break;
    }
    const Snapshot now = Take(dir.path());
    std::set<std::string> paths;
    for (const Snapshot* s : {&before, &after, &now})
      for (const auto& [path, bytes] : *s) paths.insert(path);
    std::set<std::string> contents;
    for (const auto& [path, bytes] : now) contents.insert(bytes);
    for (const std::string& path : paths) {
      EXPECT_FALSE(IsTemporary(path)) << c.name << " at step " << n << " leaves " << path;
      auto state = [&](const Snapshot& s) {
        auto it = s.find(path);
        return it == s.end() ? std::optional<std::string>() : it->second;
      };
      EXPECT_TRUE(state(now) == state(before) || state(now) == state(after))
          << c.name << " at step " << n << ": " << path << " is neither as before nor as after";
    }
    for (const std::string& bytes : kept)
      EXPECT_TRUE(contents.count(bytes)) << c.name << " at step " << n << " lost a file holding: " << bytes;
    bool told = thrown;
    for (const auto* texts : {&ui.statuses, &ui.messages})
      for (const std::string& t : *texts)
        told = told || t.find("失败") != std::string::npos || t.find("Cannot") != std::string::npos;
    EXPECT_TRUE(told) << c.name << " at step " << n << ": the failure was not reported";
  }
}

INSTANTIATE_TEST_SUITE_P(Operations, WriteFaults, ::testing::ValuesIn(Cases()), [](const auto& info) {
  std::string name;
  for (char ch : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return name;
});

}  // namespace
}  // namespace telqor
