// The compound file reader: streams in sectors and in the mini stream, read from a file or from
// memory, and damaged files refused with their reason, never a crash or unbounded memory.
#include "documents/compound_file.h"

#include <gtest/gtest.h>

#include "tests/documents/cfb_maker.h"
#include "tests/support/test_files.h"

namespace telqor {
namespace {

using test::CfbStream;
using test::CompoundLayout;
using test::MakeCompound;

// Bytes that tell where they came from: position i of stream `seed` is (seed * 31 + i * 7) % 251.
std::string Pattern(size_t size, int seed) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((seed * 31 + i * 7) % 251);
  return bytes;
}

// The message of the PackageError that read raises, or "no error".
template <typename F>
std::string Refusal(F read) {
  try {
    read();
  } catch (const PackageError& e) {
    return e.what();
  }
  return "no error";
}

TEST(CompoundFile, StreamsInSectorsAndInTheMiniStreamAreReadWhole) {
  // Small streams share the mini stream's sectors; one of exactly 4 KB is the first kept in
  // sectors of its own; one spans many.
  const std::vector<CfbStream> streams = {{u"small", Pattern(100, 1)},
                                          {u"empty", ""},
                                          {u"Just4K", Pattern(4096, 2)},
                                          {u"WordDocument", Pattern(70000, 3)},
                                          {u"tiny", Pattern(3, 4)},
                                          {u"almost4K", Pattern(4095, 5)}};
  const std::string bytes = test::CompoundBytes(streams);
  test::TempDir dir;
  test::WriteBytes(dir / "a.doc", bytes);
  for (bool fromFile : {false, true}) {
    SCOPED_TRACE(fromFile ? "file" : "memory");
    CompoundFile file = fromFile ? CompoundFile(dir / "a.doc") : CompoundFile(std::string_view(bytes));
    for (const CfbStream& stream : streams) EXPECT_EQ(file.Read(stream.name), stream.bytes);
    EXPECT_TRUE(file.Has(u"WORDDOCUMENT"));  // names compare without case
    EXPECT_EQ(file.Read(u"worddocument"), streams[3].bytes);
    EXPECT_FALSE(file.Has(u"Workbook"));
    EXPECT_FALSE(file.Has(u"Root Entry"));  // the root is no stream
    EXPECT_EQ(Refusal([&] { file.Read(u"Workbook"); }), "文件已损坏（缺少 Workbook）");
  }
}

// Past 109 sectors of allocation table (a file of 7 MB), the header's list goes on in sectors of
// its own.
TEST(CompoundFile, ALargeFileListsItsAllocationTableInAChain) {
  const std::string big = Pattern(7600000, 6);
  const std::string bytes = test::CompoundBytes({{u"Workbook", big}, {u"small", "abc"}});
  CompoundFile file{std::string_view(bytes)};
  EXPECT_EQ(file.Read(u"Workbook"), big);
  EXPECT_EQ(file.Read(u"small"), "abc");
}

TEST(CompoundFile, DamagedFilesAreRefusedWithTheirReason) {
  const std::vector<CfbStream> streams = {{u"WordDocument", Pattern(9000, 1)}, {u"1Table", Pattern(200, 2)}};
  const CompoundLayout good = MakeCompound(streams);
  auto open = [](const std::string& bytes) { CompoundFile file{std::string_view(bytes)}; };
  auto read = [](const std::string& bytes, std::u16string_view name) {
    CompoundFile file{std::string_view(bytes)};
    file.Read(name);
  };

  EXPECT_EQ(Refusal([&] { open("not a compound file at all"); }), "文件已损坏（不是有效的复合文档）");
  EXPECT_EQ(Refusal([&] { open(good.bytes.substr(0, 300)); }), "文件已损坏（不是有效的复合文档）");

  // Cut short: the stream's sectors lie past the end.
  const uint32_t first = good.firstSector.at(u"WordDocument");
  EXPECT_EQ(Refusal([&] { read(good.bytes.substr(0, good.SectorOffset(first + 3)), u"WordDocument"); }),
            "文件已损坏（复合文档的扇区链指向文件之外）");

  // A chain that comes back to its own first sector, and one pointing far away.
  CompoundLayout looped = good;
  looped.SetNext(first + 5, first);
  EXPECT_EQ(Refusal([&] { read(looped.bytes, u"WordDocument"); }), "文件已损坏（复合文档的扇区链首尾相接）");
  CompoundLayout away = good;
  away.SetNext(first + 2, 0x00FFFFFF);
  EXPECT_EQ(Refusal([&] { read(away.bytes, u"WordDocument"); }), "文件已损坏（复合文档的扇区链指向文件之外）");
  EXPECT_EQ(Refusal([&] { read(away.bytes, u"1Table"); }), "no error");  // other streams still read

  // A directory whose chain loops on itself.
  CompoundLayout directory = good;
  directory.SetNext(directory.directorySector, directory.directorySector);
  EXPECT_EQ(Refusal([&] { open(directory.bytes); }), "文件已损坏（复合文档的扇区链首尾相接）");

  // An allocation table of more sectors than the file has.
  CompoundLayout table = good;
  table.Put32(0x2C, 1000000);
  EXPECT_EQ(Refusal([&] { open(table.bytes); }), "文件已损坏（不是有效的复合文档）");

  // A stream stating more than it has gives what its chain holds; one stating more than the
  // limit is refused before anything is read.
  CompoundLayout overstated = good;
  overstated.Put32(overstated.SectorOffset(overstated.directorySector) + 128 + 120, 20000);
  EXPECT_EQ(CompoundFile{std::string_view(overstated.bytes)}.Read(u"WordDocument").size(), 18u * 512);
  PackageLimits limits;
  limits.partSize = 8192;
  EXPECT_EQ(Refusal([&] { CompoundFile(std::string_view(good.bytes), limits).Read(u"WordDocument"); }),
            "WordDocument 超过 8192 字节，不予读取");
  limits = PackageLimits{};
  limits.entries = 3;
  std::vector<CfbStream> many(10, {u"s", "x"});
  EXPECT_EQ(Refusal([&] { CompoundFile(std::string_view(test::CompoundBytes(many)), limits); }),
            "复合文档的目录项过多（超过 3 个）");
}

TEST(CompoundFile, StopIsSeenWhileALargeStreamIsRead) {
  const std::string bytes = test::CompoundBytes({{u"Workbook", Pattern(300000, 1)}});
  std::atomic<bool> stop = true;
  CompoundFile file(std::string_view(bytes), PackageLimits{}, &stop);
  EXPECT_THROW(file.Read(u"Workbook"), PackageStopped);
}

}  // namespace
}  // namespace telqor
