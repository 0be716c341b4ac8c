// Deleting and moving the files chosen in a managed folder: what goes to the trash, what is
// asked before a file is removed for good, and that every file left behind is reported.
#include "files/selection_operations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "tests/support/recording_ui.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// Renames between two folders fail as between two file systems.
class TwoFileSystems : public EnvWrapper {
 public:
  explicit TwoFileSystems(Env& env) : EnvWrapper(env), installed_(*this) {}
  void Rename(const fs::path& from, const fs::path& to) override {
    if (from.parent_path() != to.parent_path()) throw std::system_error(EXDEV, std::generic_category());
    EnvWrapper::Rename(from, to);
  }

 private:
  ScopedEnv installed_;
};

struct SelectionOperations : ::testing::Test {
  test::TestEnv env;
  test::TempDir dir;
  test::RecordingUi ui;
  Strings questions;
  bool answer = false;

  fs::path File(const std::string& name, const std::string& bytes = "1\r\n") {
    test::WriteBytes(dir / name, bytes);
    return dir / name;
  }
  // A trash that takes the files named in takes and refuses the rest for want of a trash.
  TrashFile Trash(const Strings& takes) {
    return [this, takes](const fs::path& file) -> std::string {
      if (std::find(takes.begin(), takes.end(), file.filename().string()) == takes.end()) return "no trash";
      fs::remove(file);
      return {};
    };
  }
  ConfirmRemoval Confirm() {
    return [this](std::string_view question) {
      questions.emplace_back(question);
      return answer;
    };
  }
};

// Only the files the trash left are asked about; one already gone is no failure.
TEST_F(SelectionOperations, TheQuestionCountsOnlyTheFilesTheTrashLeft) {
  std::vector<fs::path> files{File("a.txt"), File("b.txt"), dir / "gone.txt"};
  DeleteOutcome outcome = DeleteFiles(files, Trash({"a.txt"}), Confirm());
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], "1个文件无法移到回收站(no trash)。\n确定永久删除这1个文件吗？删除后无法恢复。");
  EXPECT_EQ(outcome.deleted, 2u);
  EXPECT_EQ(outcome.kept, 1u);
  EXPECT_TRUE(fs::exists(dir / "b.txt"));
  ReportDeletion(ui, "选择文件->删除完成", outcome);
  EXPECT_EQ(ui.LastStatus(), "选择文件->删除完成，1个文件未删除");
}

// Failures are listed by name, the first three in the status line, which does not say "完成"
// when nothing was done.
TEST_F(SelectionOperations, MovesThatFailLeaveTheFileAndSaySo) {
  const fs::path used = dir / "used";
  fs::create_directories(used);
  std::vector<fs::path> files{File("e.txt"), File("b.txt"), dir / "gone.txt", File("d.txt"), File("a.txt")};
  env.failRenames = true;
  std::vector<FileFailure> failed = MoveFilesInto(files, used);
  EXPECT_TRUE(fs::exists(files[0]));
  ReportFailures(ui, "选择文件设定为已经使用过文件完成", "移动", failed, files.size());
  EXPECT_EQ(ui.LastStatus(), "5个文件移动失败：a.txt、b.txt、d.txt等");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].rfind("5个文件移动失败：\n" + (dir / "a.txt").string() + ": Input/output error\n", 0), 0u);

  env.failRenames = false;
  failed = MoveFilesInto(files, used);
  ReportFailures(ui, "done", "移动", failed, files.size());
  EXPECT_EQ(ui.LastStatus(), "done，1个文件移动失败：gone.txt");
  EXPECT_EQ(ui.messages.back(), "1个文件移动失败：\n" + (dir / "gone.txt").string() + ": No such file or directory");
  EXPECT_EQ(test::FileNames(used), (Strings{"a.txt", "b.txt", "d.txt", "e.txt"}));
}

// Across file systems a move is a copy and a removal: a copy that fails leaves both folders as
// they were; a file the copy replaced keeps its old bytes.
TEST_F(SelectionOperations, MovesAcrossFileSystemsCopy) {
  TwoFileSystems twoFileSystems(env);
  const fs::path used = dir / "used";
  test::WriteBytes(used / "a.txt", "old\r\n");
  const fs::path a = File("a.txt", "new\r\n");
  env.failWritesAfter = 2;
  std::vector<FileFailure> failed = MoveFilesInto({a}, used);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_NE(failed[0].why.find("No space left on device"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(used / "a.txt"), "old\r\n");
  EXPECT_EQ(test::ReadBytes(a), "new\r\n");

  env.failWritesAfter = -1;
  EXPECT_TRUE(MoveFilesInto({a}, used).empty());
  EXPECT_EQ(test::ReadBytes(used / "a.txt"), "new\r\n");
  EXPECT_FALSE(fs::exists(a));
}

}  // namespace
}  // namespace telqor
