#include "files/file_operations.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>

#include "core/platform/env.h"
#include "core/text/errors.h"
#include "core/io/file_access.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/lists/item_list.h"
#include "core/lists/list_hash.h"
#include "core/lists/list_sort.h"
#include "core/io/output_names.h"
#include "core/text/str_to_int.h"

namespace telqor {
namespace {

constexpr char kCountBelowOne[] = "分割行数必须是大于0的整数: ";

// The name of part k holding lines lines: folder + stem + "-分割<lines>-<k as %.4d>.txt".
std::filesystem::path PartPath(const std::filesystem::path& folder, const std::filesystem::path& stem, int64_t lines,
                               int k) {
  std::filesystem::path name = stem;
  name += PathFromUtf8("-分割" + std::to_string(lines) + "-" + BatchNumber(k) + ".txt").native();
  return folder / name;
}

}  // namespace

std::filesystem::path OutputPath(const std::filesystem::path& file, const std::filesystem::path& folder,
                                 std::string_view ending) {
  std::filesystem::path name = file.stem();
  name += PathFromUtf8(ending).native();
  return folder / name;
}

std::filesystem::path OutputFolderFor(const std::filesystem::path& file, bool fixedFolder,
                                      const std::filesystem::path& datedOutput) {
  return fixedFolder ? datedOutput : file.parent_path();
}

void MergeFiles(const std::vector<std::filesystem::path>& sources, const std::filesystem::path& target) {
  // The writer fills a new file beside target and moves it in only at Commit, after the last
  // source was read, so target may be one of the sources. One source is mapped at a time.
  FileWriter out(target);
  for (const auto& source : sources) {
    FileContents bytes(source);
    out.Write(bytes.view());
  }
  out.Commit();
}

void DedupeFile(const std::filesystem::path& source, const std::filesystem::path& target, CompareMode mode) {
  ItemList list;
  list.LoadBytesFromFile(source);
  if (mode == CompareMode::kByHash) {
    DedupeByHash(list);
  } else {
    DedupeBySort(list);
  }
  list.SaveToFile(target);
}

void ShuffleFile(const std::filesystem::path& source, const std::filesystem::path& target) {
  ItemList list;
  list.LoadBytesFromFile(source);
  ShuffleList(list);
  list.SaveToFile(target);
}

int SplitCount(std::string_view text) {
  int32_t count = StrToInt(text);
  if (count <= 0) throw Error(kCountBelowOne + std::string(text));
  return count;
}

std::vector<std::filesystem::path> SplitFile(const std::filesystem::path& source, const std::filesystem::path& folder,
                                             int count, Ui& ui) {
  std::vector<std::filesystem::path> written;
  SplitFile(source, folder, count, ui, written);
  return written;
}

void SplitFile(const std::filesystem::path& source, const std::filesystem::path& folder, int count, Ui& ui,
               std::vector<std::filesystem::path>& written) {
  if (count <= 0) throw Error(kCountBelowOne + std::to_string(count));
  // Lines go from the mapped file straight into the parts; a part's name carries its line
  // count, so the lines are counted first.
  FileContents text(source);
  int64_t total = 0;
  ForEachLine(text.view(), [&](std::string_view) { ++total; });

  const std::filesystem::path stem = source.stem();
  std::optional<FileWriter> part;
  int64_t inPart = 0, done = 0;
  int k = 0;
  ForEachLine(text.view(), [&](std::string_view line) {
    if (!part) part.emplace(PartPath(folder, stem, std::min<int64_t>(count, total - done), ++k));
    part->Write(line);
    part->Write("\r\n");
    ++done;
    if (++inPart == count || done == total) {
      part->Commit();
      written.push_back(PartPath(folder, stem, inPart, k));
      part.reset();
      inPart = 0;
      ui.ShowStatus("保存文件:" + PathToUtf8(written.back()));
    }
  });
}

void CheckReadable(const std::vector<std::filesystem::path>& files) {
  for (const auto& file : files) {
    std::FILE* f = OpenStreamForReading(file);
    int err = f ? 0 : errno;
    if (f) std::fclose(f);
    std::error_code ec;
    if (!err && std::filesystem::is_directory(file, ec)) err = EISDIR;
    if (err) throw FileError("Cannot open file \"" + PathToUtf8(file) + "\". " + SystemErrorText(err));
  }
}

RunOutputs::~RunOutputs() {
  if (keep_) return;
  for (const auto& file : files) CurrentEnv().Remove(file);
}

}  // namespace telqor
