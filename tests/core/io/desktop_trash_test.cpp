#include "core/io/desktop_trash.h"

#include <gtest/gtest.h>

#include "core/text/path_text.h"
#include "tests/support/test_env.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

// The home of a new account: XDG_DATA_HOME names a folder that does not exist yet.
class NewHome : public test::TestEnv {
 public:
  explicit NewHome(fs::path data) : data_(std::move(data)) {}
  std::optional<std::string> Variable(const char* name) override {
    if (std::string_view(name) == "XDG_DATA_HOME") return PathToUtf8(data_);
    return Target().Variable(name);
  }

 private:
  fs::path data_;
};

TEST(DesktopTrash, ANewAccountGetsItsTrashInItsHomeAndNowhereElse) {
#ifdef _WIN32
  GTEST_SKIP() << "the desktop trash of freedesktop.org systems";
#endif
  test::TempDir dir;
  NewHome env(dir / "home" / "share");
  env.FixClock(2026, 12, 8, 9, 5, 7);
  const fs::path work = dir / "work";
  test::WriteBytes(work / "a b%.txt", "1");
  test::WriteBytes(work / "sub" / "a b%.txt", "2");

  EXPECT_EQ(HomeTrashFolder(), dir / "home" / "share" / "Trash");
  EXPECT_EQ(MoveToHomeTrash(work / "a b%.txt"), "");
  EXPECT_EQ(MoveToHomeTrash(work / "sub" / "a b%.txt"), "");  // the same name: another in the trash

  const fs::path trash = dir / "home" / "share" / "Trash";
  EXPECT_EQ(test::FileNames(trash / "files"), (std::vector<std::string>{"a b%.2.txt", "a b%.txt"}));
  EXPECT_EQ(test::ReadBytes(trash / "files" / "a b%.2.txt"), "2");
  EXPECT_EQ(test::ReadBytes(trash / "info" / "a b%.txt.trashinfo"),
            "[Trash Info]\nPath=" + (work / "a%20b%25.txt").generic_string() + "\nDeletionDate=2026-12-08T09:05:07\n");
  // Nothing beside the files: no "files" or "info" folder in the folder they came from.
  EXPECT_EQ(test::FileNames(work), (std::vector<std::string>{"sub"}));
  EXPECT_EQ(test::FileNames(work / "sub"), (std::vector<std::string>{}));
  EXPECT_EQ(fs::status(trash).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST(DesktopTrash, AFileThatCannotGoLeavesNoRecord) {
  test::TempDir dir;
  NewHome env(dir / "share");
  EXPECT_EQ(MoveToHomeTrash(dir / "gone.txt"), "文件不存在");
  EXPECT_FALSE(fs::exists(dir / "share"));
  env.failRenames = true;
  test::WriteBytes(dir / "a.txt", "1");
  EXPECT_NE(MoveToHomeTrash(dir / "a.txt"), "");
  EXPECT_EQ(test::ReadBytes(dir / "a.txt"), "1");
  EXPECT_EQ(test::FileNames(dir / "share" / "Trash" / "info"), (std::vector<std::string>{}));
}

}  // namespace
}  // namespace telqor
