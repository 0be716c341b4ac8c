#include "core/text/console_text.h"

#include <gtest/gtest.h>

#include "core/text/gbk.h"
#include "core/text/path_text.h"

namespace telqor {
namespace {

// A message in UTF-8 and a result in GBK both reach a console as the characters they hold, and
// a character flushed in two parts waits for its second part instead of showing as "�".
TEST(ConsoleText, WholeCharactersInEitherEncoding) {
  const std::string message = "号段库已更新\n", result = Utf8ToGbk("张三 13800138000\r\n");
  EXPECT_EQ(ConsoleTextOf(message).utf8, message);
  EXPECT_EQ(ConsoleTextOf(result).utf8, "张三 13800138000\r\n");
  EXPECT_EQ(ConsoleTextOf("\r\033[K50%").utf8, "\r\033[K50%");

  for (size_t cut = 1; cut < message.size(); ++cut) {
    ConsoleText first = ConsoleTextOf(std::string_view(message).substr(0, cut));
    ConsoleText rest = ConsoleTextOf(message.substr(first.used));
    EXPECT_EQ(first.utf8 + rest.utf8, message) << cut;
  }
  const std::string gbk = Utf8ToGbk("张三");
  ConsoleText first = ConsoleTextOf(gbk.substr(0, 3));  // 张 and the lead byte of 三
  EXPECT_EQ(first.utf8, "张");
  EXPECT_EQ(first.used, 2u);
  // At the end nothing waits.
  EXPECT_EQ(ConsoleTextOf("ab\xE5", true).utf8, "ab\xEF\xBF\xBD");
  EXPECT_EQ(ConsoleTextOf("", true).used, 0u);
}

// A Chinese name goes into a path and back unchanged, on Windows too, where a path's narrow
// string is the code page's and not UTF-8.
TEST(PathText, AChineseNameRoundTrips) {
  for (const char* name : {"号码/表 1.txt", "数据\xE2\x80\x94é😀.txt", "plain.txt"}) {
    EXPECT_EQ(PathToUtf8(PathFromUtf8(name)), PathToUtf8(PathFromUtf8(PathToUtf8(PathFromUtf8(name)))));
    EXPECT_EQ(PathFromUtf8(PathToUtf8(PathFromUtf8(name))), PathFromUtf8(name)) << name;
  }
  EXPECT_EQ(PathToUtf8(PathFromUtf8("号码.txt")), "号码.txt");
}

}  // namespace
}  // namespace telqor
