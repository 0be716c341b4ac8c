// Helper programs and office files to text: the child's surroundings and its stop, then real
// conversions of the fixtures in tests/data/office (skipped where LibreOffice is missing).
#include "core/text/path_text.h"
#include "documents/office_text.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <future>
#include <map>
#include <thread>

#include "core/platform/child_process.h"
#include "core/text/gbk.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"
#include "tests/documents/cfb_maker.h"
#include "tests/documents/zip_maker.h"
#include "documents/converter_advice.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using std::chrono::steady_clock;

// ---- Helper programs ------------------------------------------------------------------------

ChildOptions Shell(const std::string& script, const test::TempDir& dir) {
  ChildOptions options;
  options.program = *FindProgram("sh");
  options.arguments = {"-c", script};
  options.outputFile = dir / "out";
  options.errorFile = dir / "err";
  return options;
}

// Whether a process runs (a zombie nobody reaps has ended).
bool Alive(const std::string& pid) {
  std::ifstream stat("/proc/" + pid + "/stat");
  std::string ignored, name, state;
  return stat >> ignored >> name >> state && state != "Z";
}

TEST(ChildProcess, RunsInItsFolderWithoutInputAndWithoutOurDescriptors) {
  SKIP_ON_WINDOWS("runs sh and reads /proc (core/child_process_windows_test.cpp runs cmd)");
  test::TempDir dir;
  fs::create_directory(dir / "work");
  // A descriptor opened the careless way, as another thread might have just then.
  int stray = ::open("/dev/null", O_RDONLY);
  ASSERT_GE(stray, 0);
  ChildOptions options = Shell("pwd; read x; echo \"read=$x\"; ls /proc/$$/fd; echo oops >&2; exit 3", dir);
  options.workingFolder = dir / "work";
  ChildResult result = RunChild(options);
  ::close(stray);
  EXPECT_EQ(result.end, ChildEnd::kExited);
  EXPECT_EQ(result.status, 3);
  EXPECT_FALSE(result.Succeeded());
  EXPECT_EQ(test::ReadBytes(dir / "out"), (dir / "work").string() + "\nread=\n0\n1\n2\n");
  EXPECT_EQ(test::ReadBytes(dir / "err"), "oops\n");
}

TEST(ChildProcess, StopEndsTheChildAndEverythingItStartedPromptly) {
  SKIP_ON_WINDOWS("runs sh and reads /proc (core/child_process_windows_test.cpp runs cmd)");
  test::TempDir dir;
  std::atomic<bool> stop = false;
  ChildOptions options = Shell("sleep 30 & echo $! > " + (dir / "pid").string() + "; wait", dir);
  options.stop = &stop;
  const steady_clock::time_point start = steady_clock::now();
  std::future<ChildResult> running = std::async(std::launch::async, [&] { return RunChild(options); });
  while (!fs::exists(dir / "pid") || test::ReadBytes(dir / "pid").empty()) std::this_thread::sleep_for(milliseconds(5));
  stop = true;
  EXPECT_EQ(running.get().end, ChildEnd::kStopped);
  EXPECT_LT(steady_clock::now() - start, milliseconds(3000));
  std::string grandchild = test::ReadBytes(dir / "pid");
  grandchild.pop_back();
  EXPECT_FALSE(Alive(grandchild)) << "sleep " << grandchild << " outlived the stop";
}

TEST(ChildProcess, TimeLimitAndProgramsThatCannotRun) {
  SKIP_ON_WINDOWS("runs sh and reads /proc (core/child_process_windows_test.cpp runs cmd)");
  test::TempDir dir;
  ChildOptions options = Shell("sleep 30", dir);
  options.timeout = milliseconds(100);
  const steady_clock::time_point start = steady_clock::now();
  EXPECT_EQ(RunChild(options).end, ChildEnd::kTimedOut);
  EXPECT_LT(steady_clock::now() - start, milliseconds(3000));

  options = Shell("kill -TERM $$", dir);
  ChildResult killed = RunChild(options);
  EXPECT_EQ(killed.end, ChildEnd::kSignalled);
  EXPECT_EQ(killed.status, SIGTERM);

  options.program = dir / "missing";
  EXPECT_THROW(
      {
        try {
          RunChild(options);
        } catch (const Error& e) {
          EXPECT_STREQ(e.what(),
                       ("Cannot run program \"" + options.program.string() + "\". No such file or directory").c_str());
          throw;
        }
      },
      Error);
  options = Shell("true", dir);
  options.outputFile = dir / "no-folder" / "out";
  EXPECT_THROW(RunChild(options), Error);

  EXPECT_TRUE(FindProgram("sh").has_value());
  EXPECT_EQ(FindProgram("/bin/sh"), fs::path("/bin/sh"));
  EXPECT_FALSE(FindProgram("telqor-no-such-program").has_value());
  EXPECT_FALSE(FindProgram((dir / "missing").string()).has_value());
  EXPECT_FALSE(FindProgram(dir.path().string()).has_value());  // a folder is no program
}

// PATH is read through the Env in force, by the helpers' search and the folder browser's alike;
// a folder of the program's name is no program.
TEST(ChildProcess, ProgramsAreLookedForOnThePathTheEnvGives) {
  SKIP_ON_WINDOWS("runs sh and reads /proc (core/child_process_windows_test.cpp runs cmd)");
  struct PathEnv : EnvWrapper {
    explicit PathEnv(std::string folders) : EnvWrapper(Env::Default()), path(std::move(folders)) {}
    std::optional<std::string> Variable(const char* name) override {
      return std::string_view(name) == "PATH" ? std::optional<std::string>(path) : EnvWrapper::Variable(name);
    }
    std::string path;
  };
  test::TempDir dir;
  fs::create_directories(dir / "bin" / "xdg-open");
  test::WriteBytes(dir / "bin" / "telqor-probe", "#!/bin/sh\n");
  fs::permissions(dir / "bin" / "telqor-probe", fs::perms::owner_all);
  PathEnv env("/telqor-nowhere:" + (dir / "bin").string());
  ScopedEnv scoped(env);
  EXPECT_EQ(FindProgram("telqor-probe"), dir / "bin" / "telqor-probe");
  EXPECT_FALSE(FindProgram("sh").has_value());
  EXPECT_EQ(Env::Default().OpenFolder(dir.path()), "没有安装xdg-open(软件包xdg-utils)");
}

// ---- Office files ---------------------------------------------------------------------------

fs::path Fixture(const char* name) { return fs::path(TELQOR_TEST_DATA) / "office" / name; }

// Environment variables as the program reads them, changed for one test.
class VariablesEnv : public EnvWrapper {
 public:
  explicit VariablesEnv(std::initializer_list<std::pair<const std::string, std::string>> values)
      : EnvWrapper(CurrentEnv()), values_(values), installed_(*this) {}
  std::optional<std::string> Variable(const char* name) override {
    auto found = values_.find(name);
    return found != values_.end() ? std::optional(found->second) : Target().Variable(name);
  }

 private:
  std::map<std::string, std::string> values_;
  ScopedEnv installed_;
};

// Windows' installer leaves LibreOffice off PATH, below Program Files; a converter may also be
// copied beside the program. The variable decides alone, then PATH comes first.
TEST(Converters, FoundOnPathBesideTheProgramOrBelowProgramFiles) {
  struct PlacesEnv : EnvWrapper {
    explicit PlacesEnv(fs::path app) : EnvWrapper(CurrentEnv()), app(std::move(app)) {}
    std::optional<std::string> Variable(const char* name) override {
      auto found = values.find(name);
      return found != values.end() ? std::optional(found->second) : std::nullopt;
    }
    fs::path ExecutableFolder() override { return app; }
    std::map<std::string, std::string> values;
    fs::path app;
  };
  test::TempDir dir;
#ifdef _WIN32
  const std::string exe = ".exe";
#else
  const std::string exe;
#endif
  auto program = [&](const fs::path& folder, const std::string& name) {
    fs::create_directories(folder);
    test::WriteBytes(folder / (name + exe), "#!/bin/sh\n");
    fs::permissions(folder / (name + exe), fs::perms::owner_all);
    return folder / (name + exe);
  };
  PlacesEnv env(dir / "app");
  env.values = {{"PATH", PathToUtf8(dir / "bin")}, {"ProgramFiles(x86)", PathToUtf8(dir / "pf")}};
  ScopedEnv scoped(env);
  EXPECT_EQ(OfficeProgram(), std::nullopt);
  EXPECT_EQ(PdfProgram(), std::nullopt);

  const fs::path installed = program(dir / "pf" / "LibreOffice" / "program", "soffice");
  EXPECT_EQ(OfficeProgram(), installed);
  const fs::path besideOffice = program(dir / "app", "soffice"), besidePdf = program(dir / "app", "pdftotext");
  EXPECT_EQ(OfficeProgram(), besideOffice);
  EXPECT_EQ(PdfProgram(), besidePdf);
  const fs::path onPath = program(dir / "bin", "libreoffice");
  EXPECT_EQ(OfficeProgram(), onPath);
  env.values["TELQOR_SOFFICE"] = PathToUtf8(dir / "nowhere" / "soffice");
  EXPECT_EQ(OfficeProgram(), std::nullopt);
}

// The office suite takes its profile folder as a URL: UTF-8, escaped, with a drive after "///".
TEST(Converters, ProfileFolderAsAFileUrl) {
  EXPECT_EQ(FileUrl(PathFromUtf8("/tmp/a b/我%")), "file:///tmp/a%20b/%E6%88%91%25");
#ifdef _WIN32
  EXPECT_EQ(FileUrl(PathFromUtf8("C:\\Users\\我\\x")), "file:///C:/Users/%E6%88%91/x");
#endif
}

// The system's temporary folder moved into the test's folder, to see what a conversion leaves.
class OfficeText : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv(test::kTemporaryFolderVariable)) oldTemp_ = old;
    fs::create_directory(dir / "tmp");
    test::SetVariable(test::kTemporaryFolderVariable, PathToUtf8(dir / "tmp"));
  }
  void TearDown() override { test::SetVariable(test::kTemporaryFolderVariable, oldTemp_); }
  static bool HaveOffice() { return OfficeProgram().has_value(); }
  fs::path Copy(const char* fixture, const std::string& name) {
    fs::copy_file(Fixture(fixture), dir / name);
    return dir / name;
  }
  // The conversions' own folders left behind (the office suite's temporary files are its own).
  std::vector<std::string> TempLeft() const {
    std::vector<std::string> left;
    for (const std::string& name : test::FileNames(dir / "tmp"))
      if (name.starts_with("telqor-office-")) left.push_back(name);
    return left;
  }

  test::TempDir dir;

 private:
  std::optional<std::string> oldTemp_;
};

// An RTF document, which the office suite reads under a .doc name.
const std::string kRtf = "{\\rtf1\\ansi 13800138000\\par}";

const std::string kDocument =
    Utf8ToGbk("客户联系方式\r手机 13800138000，座机 0755-23456789。\r邮箱 zhang.san@example.com\r");
const std::string kSheets[] = {Utf8ToGbk("姓名\t手机\r\n张三\t13800138000\r\n"), Utf8ToGbk("座机\t0755-23456789\r\n"),
                               "\"say \"\"hi\"\"\tthere\"\t42\r\n"};

TEST_F(OfficeText, DocumentGivesItsParagraphsAndTextBesideNamedAsSpelled) {
  const fs::path source = Copy("sample.doc", "Report.DOC");
  std::vector<fs::path> written;
  EXPECT_EQ(WordToText(source, true, nullptr, &written), kDocument);
  EXPECT_EQ(written, std::vector<fs::path>{dir / "Report.txt"});
  std::string saved = kDocument;
  for (size_t at = 0; (at = saved.find('\r', at)) != std::string::npos; at += 2) saved.insert(at + 1, "\n");
  EXPECT_EQ(test::ReadBytes(dir / "Report.txt"), saved);
  EXPECT_EQ(TempLeft(), std::vector<std::string>{});

  // A package that is no document is read without the office suite, and said to be damaged.
  test::WriteBytes(dir / "broken.docx", "PK\x03\x04 not really a package");
  try {
    WordToText(dir / "broken.docx", true);
    ADD_FAILURE() << "no error";
  } catch (const OfficeError& e) {
    EXPECT_EQ(std::string(e.what()),
              "无法转换文件\"" + (dir / "broken.docx").string() + "\"：文件已损坏（不是有效的压缩包）");
  }
  EXPECT_FALSE(fs::exists(dir / "broken.txt"));
  EXPECT_EQ(TempLeft(), std::vector<std::string>{});
}

TEST_F(OfficeText, WorkbookGivesEverySheetInSheetOrderWithNumbersInFull) {
  const fs::path source = Copy("book.xls", "Book.xls");
  std::vector<fs::path> written;
  EXPECT_EQ(ExcelToText(source, true, nullptr, &written), kSheets[0] + kSheets[1] + kSheets[2]);
  EXPECT_EQ(written, (std::vector<fs::path>{dir / "Book.1.txt", dir / "Book.2.txt", dir / "Book.3.txt"}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(test::ReadBytes(written[i]), kSheets[i]);
  EXPECT_EQ(TempLeft(), std::vector<std::string>{});

  // A broken .xlsx raises like a document (it used to give nothing).
  test::WriteBytes(dir / "broken.xlsx", "PK\x03\x04 not really a package");
  EXPECT_THROW(ExcelToText(dir / "broken.xlsx", true), OfficeError);
  EXPECT_FALSE(fs::exists(dir / "broken.1.txt"));
}

TEST_F(OfficeText, PdfGivesItsLines) {
  if (!PdfProgram()) GTEST_SKIP() << "pdftotext is neither installed nor beside the program";
  std::vector<fs::path> written;
  EXPECT_EQ(PdfToText(Copy("sample.pdf", "scan.PDF"), true, nullptr, &written), kDocument + "\r");
  EXPECT_EQ(written, std::vector<fs::path>{dir / "scan.txt"});
}

// An Excel 95 workbook is the office suite's to read.
TEST_F(OfficeText, TwoConversionsAtOnceOnTheSameWorkbook) {
  if (!HaveOffice()) GTEST_SKIP() << "LibreOffice is not installed";
  const fs::path source = dir / "book.xls";
  test::WriteBytes(source, test::Excel95Workbook());
  auto convert = [&] { return ExcelToText(source, false); };
  std::future<std::string> first = std::async(std::launch::async, convert);
  std::future<std::string> second = std::async(std::launch::async, convert);
  EXPECT_EQ(first.get(), "Tel\t13800138000\r\n");
  EXPECT_EQ(second.get(), "Tel\t13800138000\r\n");
  EXPECT_EQ(TempLeft(), std::vector<std::string>{});
}

TEST_F(OfficeText, StopRaisesForEveryKindAndLeavesNothing) {
  if (!HaveOffice()) GTEST_SKIP() << "LibreOffice is not installed";
  // Stopped while the office suite writes its profile: it must be gone before its folder is.
  std::atomic<bool> stop = false;
  test::WriteBytes(dir / "a.doc", kRtf);
  std::future<std::string> running =
      std::async(std::launch::async, [&] { return WordToText(dir / "a.doc", true, &stop); });
  auto profileStarted = [&] {
    for (const std::string& name : TempLeft())
      if (fs::exists(dir / "tmp" / name / "profile" / "user" / "registrymodifications.xcu")) return true;
    return false;
  };
  while (!profileStarted() && running.wait_for(milliseconds(1)) != std::future_status::ready) {
  }
  stop = true;
  EXPECT_THROW(running.get(), OfficeError);

  const fs::path book = Copy("book.xls", "book.xls");  // read natively, the stop seen all the same
  try {
    ExcelToText(book, true, &stop);
    ADD_FAILURE() << "no error";
  } catch (const OfficeError& e) {
    EXPECT_EQ(std::string(e.what()), "已停止转换文件\"" + book.string() + "\"");
  }
  EXPECT_FALSE(fs::exists(dir / "a.txt"));
  EXPECT_FALSE(fs::exists(dir / "book.1.txt"));
  EXPECT_EQ(TempLeft(), std::vector<std::string>{});
}

// The message of the OfficeError that convert raises, or "no error".
template <typename F>
std::string OfficeMessage(F convert) {
  try {
    convert();
  } catch (const OfficeError& e) {
    return e.what();
  }
  return "no error";
}

TEST_F(OfficeText, FilesThatAreNoOfficeFilesAndConvertersMissing) {
  auto failed = [&](const char* name, const std::string& why) {
    return "无法转换文件\"" + (dir / name).string() + "\"：" + why;
  };
  test::WriteBytes(dir / "notes.DOC", "13800138000\r\n");
  test::WriteBytes(dir / "notes.xls", "13800138000\r\n");
  test::WriteBytes(dir / "notes.pdf", "PK\x03\x04");
  EXPECT_EQ(OfficeMessage([&] { WordToText(dir / "notes.DOC", true); }), failed("notes.DOC", "不是文档文件"));
  EXPECT_EQ(OfficeMessage([&] { PdfToText(dir / "notes.pdf", true); }), failed("notes.pdf", "不是 PDF 文件"));
  EXPECT_EQ(OfficeMessage([&] { WordToText(dir / "gone.doc", true); }),
            failed("gone.doc", "No such file or directory"));
  // A workbook that cannot be read says why, as a document does: empty text would pass for a
  // workbook without numbers.
  EXPECT_EQ(OfficeMessage([&] { ExcelToText(dir / "notes.xls", true); }), failed("notes.xls", "不是工作簿文件"));
  EXPECT_EQ(OfficeMessage([&] { ExcelToText(dir / "gone.xls", true); }),
            failed("gone.xls", "No such file or directory"));

  // What only the office suite reads: RTF under a document's name, a workbook of Excel 95.
  VariablesEnv none({{"TELQOR_SOFFICE", "/nonexistent/soffice"}, {"TELQOR_PDFTOTEXT", "/nonexistent/pdftotext"}});
  test::WriteBytes(dir / "a.doc", kRtf);
  test::WriteBytes(dir / "a.xls", test::Excel95Workbook());
  EXPECT_EQ(OfficeMessage([&] { WordToText(dir / "a.doc", true); }), failed("a.doc", MissingOfficeSuite()));
  EXPECT_EQ(OfficeMessage([&] { PdfToText(Copy("sample.pdf", "a.pdf"), true); }),
            failed("a.pdf", MissingPdfConverter()));
  EXPECT_EQ(OfficeMessage([&] { ExcelToText(dir / "a.xls", true); }),
            failed("a.xls", "格式不受支持（Excel 95 及更早版本的工作簿），" + MissingOfficeSuite()));
  EXPECT_EQ(test::FileNames(dir.path()),
            (std::vector<std::string>{"a.doc", "a.pdf", "a.xls", "notes.DOC", "notes.pdf", "notes.xls", "tmp"}));
  EXPECT_EQ(TempLeft(), std::vector<std::string>{});
}

TEST_F(OfficeText, TextUnderADocOrXlsNameIsReadAndSavedAsText) {
  VariablesEnv none({{"TELQOR_SOFFICE", "/nonexistent/soffice"}});  // no converter is asked
  // A web page in UTF-8 without a mark saved as .doc, UTF-16 text saved as .XLS.
  test::WriteBytes(dir / "page.doc", "<p>\xE6\x89\x8B\xE6\x9C\xBA 13800138000</p>\n<p>x</p>");
  test::WriteBytes(dir / "list.XLS", std::string("\xFF\xFE"
                                                 "1\0\t\0"
                                                 "2\0",
                                                 8));
  std::vector<fs::path> written;
  EXPECT_EQ(OfficeFileToText(dir / "page.doc", true, nullptr, &written),
            "<p>" + Utf8ToGbk("手机") + " 13800138000</p>\n<p>x</p>");
  EXPECT_EQ(OfficeFileToText(dir / "list.XLS", true, nullptr, &written), "1\t2");
  EXPECT_EQ(written, (std::vector<fs::path>{dir / "page.txt", dir / "list.1.txt"}));
  EXPECT_EQ(test::ReadBytes(dir / "page.txt"), "<p>" + Utf8ToGbk("手机") + " 13800138000</p>\r\n<p>x</p>\r\n");
  EXPECT_EQ(test::ReadBytes(dir / "list.1.txt"), "1\t2\r\n");

  // Binary without an office file's first bytes, and text under a name only packages have: the
  // converter's clear refusal, as before.
  test::WriteBytes(dir / "binary.doc", std::string("\0\x01 13800138000", 14));
  test::WriteBytes(dir / "notes.docx", "13800138000");
  for (const char* name : {"binary.doc", "notes.docx"}) {
    try {
      OfficeFileToText(dir / name, true);
      ADD_FAILURE() << name;
    } catch (const OfficeError& e) {
      EXPECT_EQ(std::string(e.what()), "无法转换文件\"" + (dir / name).string() + "\"：不是文档文件");
    }
  }
}

TEST_F(OfficeText, TwoSourcesOfOneRunNeverShareAnOutput) {
  if (!HaveOffice() || !FindProgram("pdftotext")) GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
  const fs::path xls = Copy("book.xls", "Book.xls"), xlsx = Copy("book.xls", "Book.xlsx");
  const fs::path doc = Copy("sample.doc", "Report.doc"), pdf = Copy("sample.pdf", "Report.pdf");
  test::RecordingUi ui;
  std::vector<std::string> failures, notices;
  // Report.doc twice: the second is the same file, converted once.
  const std::vector<fs::path> written = OfficeFilesToText({xls, doc, xlsx, pdf, doc}, ui, &failures, &notices);
  EXPECT_EQ(written, (std::vector<fs::path>{dir / "Book.1.txt", dir / "Book.2.txt", dir / "Book.3.txt",
                                            dir / "Report.txt", dir / "Book.xlsx.1.txt", dir / "Book.xlsx.2.txt",
                                            dir / "Book.xlsx.3.txt", dir / "Report.pdf.txt"}));
  EXPECT_EQ(failures, std::vector<std::string>{});
  const std::vector<std::string> expected = {
      "\"" + xlsx.string() +
          "\" 的文本与本次转换的另一文件同名，为免覆盖已改存为 Book.xlsx.1.txt、Book.xlsx.2.txt、Book.xlsx.3.txt",
      "\"" + pdf.string() + "\" 的文本与本次转换的另一文件同名，为免覆盖已改存为 Report.pdf.txt"};
  EXPECT_EQ(notices, expected);
  EXPECT_NE(std::find(ui.statuses.begin(), ui.statuses.end(), expected[0]), ui.statuses.end());
  EXPECT_EQ(ui.LastStatus(), "2个文件的文本与本次转换的其他文件同名，已改用完整文件名保存");
  EXPECT_EQ(test::ReadBytes(dir / "Book.xlsx.2.txt"), kSheets[1]);
  EXPECT_TRUE(test::ReadBytes(dir / "Report.txt").starts_with(Utf8ToGbk("客户联系方式\r\n")));
  EXPECT_TRUE(test::ReadBytes(dir / "Report.pdf.txt").starts_with(Utf8ToGbk("客户联系方式\r\n")));

  // A later run replaces what an earlier one wrote, as it always did.
  test::WriteBytes(dir / "Report.txt", "old");
  notices.clear();
  EXPECT_EQ(OfficeFilesToText({pdf}, ui, nullptr, &notices), std::vector<fs::path>{dir / "Report.txt"});
  EXPECT_NE(test::ReadBytes(dir / "Report.txt"), "old");
  EXPECT_EQ(notices, std::vector<std::string>{});
}

// The four package formats are read natively: the same text as the office suite gives for the
// .doc and .xls made from the same sources, with no converter anywhere.
TEST_F(OfficeText, PackagesAreReadWithoutAConverter) {
  VariablesEnv none({{"TELQOR_SOFFICE", "/nonexistent/soffice"}});
  std::vector<fs::path> written;
  EXPECT_EQ(WordToText(Copy("sample.docx", "Report.DOCX"), true, nullptr, &written), kDocument);
  EXPECT_EQ(OfficeFileToText(Copy("sample.odt", "Notes.odt"), true, nullptr, &written), kDocument);
  EXPECT_EQ(ExcelToText(Copy("book.xlsx", "Book.xlsx"), true, nullptr, &written), kSheets[0] + kSheets[1] + kSheets[2]);
  EXPECT_EQ(OfficeFileToText(Copy("book.ods", "Calc.ods"), false, nullptr, &written),
            kSheets[0] + kSheets[1] + kSheets[2]);
  EXPECT_EQ(written, (std::vector<fs::path>{dir / "Report.txt", dir / "Notes.txt", dir / "Book.1.txt",
                                            dir / "Book.2.txt", dir / "Book.3.txt"}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(test::ReadBytes(written[2 + i]), kSheets[i]);
  EXPECT_EQ(test::ReadBytes(dir / "Report.txt"), test::ReadBytes(dir / "Notes.txt"));
  EXPECT_EQ(TempLeft(), std::vector<std::string>{});
}

// Binary documents and workbooks are read without a converter too, told apart by their streams
// whatever their names say; WPS's .wps and .et are the same formats under names of their own.
TEST_F(OfficeText, BinaryOfficeFilesAreReadByTheirStreamsWithoutAConverter) {
  VariablesEnv none({{"TELQOR_SOFFICE", "/nonexistent/soffice"}});
  auto lines = [](std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
    return text;
  };
  const std::string sheets = kSheets[0] + kSheets[1] + kSheets[2];
  std::vector<fs::path> written;
  EXPECT_EQ(OfficeFileToText(Copy("sample.doc", "Notes.WPS"), true, nullptr, &written), kDocument);
  EXPECT_EQ(OfficeFileToText(Copy("book.xls", "Calc.et"), true, nullptr, &written), sheets);
  EXPECT_EQ(written, (std::vector<fs::path>{dir / "Notes.txt", dir / "Calc.1.txt", dir / "Calc.2.txt",
                                            dir / "Calc.3.txt"}));
  EXPECT_EQ(test::ReadBytes(dir / "Calc.2.txt"), kSheets[1]);
  // The lines end as the name's kind wants them.
  EXPECT_EQ(WordToText(Copy("book.xls", "sheets.doc"), false), lines(sheets, "\r\n", "\r"));
  EXPECT_EQ(ExcelToText(Copy("sample.doc", "words.xlsx"), false), lines(kDocument, "\r", "\r\n"));
  EXPECT_EQ(TempLeft(), std::vector<std::string>{});

  // A document as an office suite writes it: a hyperlink's field, a table with an empty cell and
  // a cell of two paragraphs, then the footnote, the header, the footer's page field, the comment.
  EXPECT_EQ(WordToText(Copy("contacts.doc", "contacts.doc"), false),
            Utf8ToGbk("客户通讯录\r邮箱 li.si@example.com，手机 13800138000\r姓名\t手机\t备注\r"
                      "张三\t\t座机 0755-23456789\rLi “Si”\t13900001111\t\r完\r\t脚注：备用 13712345678\r"
                      "页眉 公司总机 010-88886666\r第 1 页\r批注 15900001111\r"));

  // Damaged and unknown compound files are refused with their reason.
  auto failed = [&](const char* name, const std::string& why) {
    return "无法转换文件\"" + (dir / name).string() + "\"：" + why;
  };
  const std::string doc = test::ReadBytes(Fixture("sample.doc"));
  test::WriteBytes(dir / "cut.doc", doc.substr(0, doc.size() / 2));
  EXPECT_EQ(OfficeMessage([&] { WordToText(dir / "cut.doc", false); }),
            failed("cut.doc", "文件已损坏（复合文档的扇区链指向文件之外）"));
  test::WriteBytes(dir / "slides.wps", test::CompoundBytes({{u"PowerPoint Document", "x"}}));
  EXPECT_EQ(OfficeMessage([&] { WordToText(dir / "slides.wps", false); }),
            failed("slides.wps", "格式不受支持（既不是 Word 文档也不是 Excel 工作簿），" + MissingOfficeSuite()));
}

// A compound file holding the stream EncryptionInfo: what an office suite saves for a package
// with a password. Sector 0 is the allocation table, sector 1 the directory.
std::string EncryptedPackage() {
  std::string file(512 * 3, '\0');
  auto u16 = [&](size_t at, uint16_t v) {
    file[at] = static_cast<char>(v & 0xFF), file[at + 1] = static_cast<char>(v >> 8);
  };
  auto u32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<char>(v >> (8 * i));
  };
  file.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
  u16(0x18, 0x3E), u16(0x1A, 3), u16(0x1C, 0xFFFE), u16(0x1E, 9), u16(0x20, 6);
  u32(0x2C, 1), u32(0x30, 1), u32(0x38, 4096), u32(0x3C, 0xFFFFFFFE), u32(0x44, 0xFFFFFFFE);
  u32(0x4C, 0);
  for (size_t i = 1; i < 109; ++i) u32(0x4C + 4 * i, 0xFFFFFFFF);
  for (size_t i = 0; i < 128; ++i) u32(512 + 4 * i, 0xFFFFFFFF);
  u32(512, 0xFFFFFFFD), u32(516, 0xFFFFFFFE);
  size_t entry = 1024;
  for (const std::u16string& name :
       {std::u16string(u"Root Entry"), std::u16string(u"EncryptionInfo"), std::u16string(u"EncryptedPackage")}) {
    for (size_t i = 0; i < name.size(); ++i) u16(entry + 2 * i, name[i]);
    u16(entry + 64, static_cast<uint16_t>(2 * name.size() + 2));
    file[entry + 66] = entry == 1024 ? 5 : 2;
    entry += 128;
  }
  return file;
}

TEST_F(OfficeText, PackagesThatCannotBeReadRaiseNamingTheFile) {
  VariablesEnv none({{"TELQOR_SOFFICE", "/nonexistent/soffice"}});
  auto failed = [&](const char* name, const char* why) {
    return "无法转换文件\"" + (dir / name).string() + "\"：" + why;
  };
  test::WriteBytes(dir / "secret.docx", EncryptedPackage());
  test::WriteBytes(dir / "secret.xlsx", EncryptedPackage());
  test::WriteBytes(dir / "notes.xlsx", "13800138000\r\n");
  fs::copy_file(Fixture("sample.docx"), dir / "words.xlsx");  // a package of another kind is still read
  test::WriteZip(dir / "empty.ods", {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", true}});
  EXPECT_EQ(OfficeMessage([&] { WordToText(dir / "secret.docx", true); }), failed("secret.docx", "受密码保护"));
  EXPECT_EQ(OfficeMessage([&] { ExcelToText(dir / "secret.xlsx", true); }), failed("secret.xlsx", "受密码保护"));
  EXPECT_EQ(OfficeMessage([&] { ExcelToText(dir / "notes.xlsx", true); }), failed("notes.xlsx", "不是工作簿文件"));
  EXPECT_EQ(OfficeMessage([&] { ExcelToText(dir / "gone.xlsx", true); }),
            failed("gone.xlsx", "No such file or directory"));
  EXPECT_EQ(OfficeMessage([&] { ExcelToText(dir / "empty.ods", true); }),
            failed("empty.ods", "文件已损坏（缺少 META-INF/manifest.xml）"));
  EXPECT_EQ(ExcelToText(dir / "words.xlsx", false),
            Utf8ToGbk("客户联系方式\r\n手机 13800138000，座机 0755-23456789。\r\n"
                      "邮箱 zhang.san@example.com\r\n"));
  std::atomic<bool> stop = true;
  EXPECT_EQ(OfficeMessage([&] { WordToText(Copy("sample.docx", "a.docx"), true, &stop); }),
            "已停止转换文件\"" + (dir / "a.docx").string() + "\"");

  // The menu command reports each with its reason, not as a workbook that gave nothing.
  test::RecordingUi ui;
  std::vector<std::string> failures;
  EXPECT_EQ(OfficeFilesToText({dir / "secret.xlsx", dir / "notes.xlsx"}, ui, &failures), std::vector<fs::path>{});
  EXPECT_EQ(failures,
            (std::vector<std::string>{failed("secret.xlsx", "受密码保护"), failed("notes.xlsx", "不是工作簿文件")}));
  EXPECT_FALSE(fs::exists(dir / "secret.txt"));
  EXPECT_FALSE(fs::exists(dir / "a.txt"));
}

TEST_F(OfficeText, KindsByExtensionAndTheMenuCommand) {
  EXPECT_EQ(OfficeKindOf("a/B.DOC"), OfficeKind::kDocument);
  EXPECT_EQ(OfficeKindOf("b.Docx"), OfficeKind::kDocument);
  EXPECT_EQ(OfficeKindOf("c.odt"), OfficeKind::kDocument);
  EXPECT_EQ(OfficeKindOf("d.XLSX"), OfficeKind::kWorkbook);
  EXPECT_EQ(OfficeKindOf("e.ods"), OfficeKind::kWorkbook);
  EXPECT_EQ(OfficeKindOf("f.Pdf"), OfficeKind::kPdf);
  EXPECT_EQ(OfficeKindOf("g.WPS"), OfficeKind::kDocument);
  EXPECT_EQ(OfficeKindOf("h.et"), OfficeKind::kWorkbook);
  EXPECT_EQ(OfficeKindOf("g.doc.txt"), OfficeKind::kNone);
  EXPECT_EQ(OfficeKindOf("doc"), OfficeKind::kNone);
  EXPECT_THROW(OfficeFileToText(dir / "h.txt", false), std::logic_error);

  VariablesEnv none({{"TELQOR_SOFFICE", "/nonexistent/soffice"}});
  const fs::path doc = dir / "a.doc", book = dir / "b.xls", text = dir / "c.txt";
  test::WriteBytes(doc, kRtf);
  test::WriteBytes(book, test::Excel95Workbook());
  test::RecordingUi ui;
  std::vector<std::string> failures;
  EXPECT_EQ(OfficeFilesToText({doc, book, text}, ui, &failures), std::vector<fs::path>{});
  const std::string missing = "无法转换文件\"" + doc.string() + "\"：" + MissingOfficeSuite();
  const std::string missingForBook =
      "无法转换文件\"" + book.string() + "\"：格式不受支持（Excel 95 及更早版本的工作簿），" + MissingOfficeSuite();
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"转换文件:" + doc.string(), missing, "转换文件:" + book.string(),
                                                   missingForBook, "转换文件:" + text.string()}));
  EXPECT_EQ(ui.messages, std::vector<std::string>{"2个文件无法转换"});
  EXPECT_EQ(failures, (std::vector<std::string>{missing, missingForBook}));

  // The menu command takes no list: its closing message names every file it could not convert,
  // and says "转换完成！" only when every file was converted.
  test::RecordingUi menu;
  const fs::path docx = Copy("sample.docx", "c.docx");
  OfficeFilesToText({doc, book, docx}, menu);
  EXPECT_EQ(menu.messages, std::vector<std::string>{"已转换1个文件，请在文档目录查看；2个文件无法转换：\r\n" + missing +
                                                    "\r\n" + missingForBook});
  test::RecordingUi success;
  OfficeFilesToText({docx, text}, success);
  EXPECT_EQ(success.messages, std::vector<std::string>{"转换完成！请在文档目录查看"});

  test::RecordingUi quiet;
  OfficeFilesToText({}, quiet);
  EXPECT_EQ(quiet.messages, std::vector<std::string>{});
}

}  // namespace
}  // namespace telqor
