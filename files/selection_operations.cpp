#include "files/selection_operations.h"

#include <algorithm>
#include <system_error>

#include "core/env.h"
#include "core/file_io.h"
#include "core/file_writer.h"
#include "core/text.h"
#include "files/file_operations.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

// Runs work within the frame described in the header.
void Framed(const FileSelection& selection, Ui& ui, std::string_view done, const std::function<void()>& work) {
  if (selection.files.empty()) {
    ui.Inform("请选择好文件");
    return;
  }
  auto finish = [&] {
    ui.Progress(1, 1);  // hides the bar
    if (selection.refresh) selection.refresh();
  };
  try {
    work();
  } catch (...) {
    finish();
    throw;
  }
  finish();
  ui.ShowStatus(done);
}

void ForEachFile(const FileSelection& selection, Ui& ui, std::string_view done,
                 const std::function<void(const fs::path& file)>& work) {
  Framed(selection, ui, done, [&] {
    const auto total = static_cast<int64_t>(selection.files.size());
    for (int64_t i = 0; i < total; ++i) {
      ui.Progress(i, total);
      work(selection.files[static_cast<size_t>(i)]);
    }
  });
}

bool LessIgnoringCase(const fs::path& a, const fs::path& b) {
  const std::string x = a.string(), y = b.string();
  auto less = [](char l, char r) {
    return static_cast<unsigned char>(AsciiLower(l)) < static_cast<unsigned char>(AsciiLower(r));
  };
  if (std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), less)) return true;
  if (std::lexicographical_compare(y.begin(), y.end(), x.begin(), x.end(), less)) return false;
  return x < y;  // the same but for case: a fixed order still
}

}  // namespace

void MergeSelection(const FileSelection& selection, Ui& ui, std::string_view done) {
  Framed(selection, ui, done, [&] {
    std::vector<fs::path> files = selection.files;
    if (selection.mergeAscending) std::sort(files.begin(), files.end(), LessIgnoringCase);
    MergeFiles(files, OutputPath(files.front(), selection.outputFolder(files.front()), kMergedEnding));
  });
}

void DedupeSelection(const FileSelection& selection, bool modeB, Ui& ui, std::string_view done) {
  ForEachFile(selection, ui, done, [&](const fs::path& file) {
    DedupeFile(file, OutputPath(file, selection.outputFolder(file), kDedupedEnding), modeB);
  });
}

void ShuffleSelection(const FileSelection& selection, Ui& ui, std::string_view done) {
  ForEachFile(selection, ui, done, [&](const fs::path& file) {
    ShuffleFile(file, OutputPath(file, selection.outputFolder(file), kShuffledEnding));
  });
}

void SplitSelection(const FileSelection& selection, int count, Ui& ui, std::string_view done) {
  ForEachFile(selection, ui, done,
              [&](const fs::path& file) { SplitFile(file, selection.outputFolder(file), count, ui); });
}

void MoveFilesInto(const std::vector<fs::path>& files, const fs::path& folder) {
  Env& env = CurrentEnv();
  for (const fs::path& file : files) {
    const fs::path target = folder / file.filename();
    try {
      env.Rename(file, target);
      continue;
    } catch (const std::system_error& error) {
      if (error.code() != std::errc::cross_device_link) continue;
    } catch (const std::exception&) {
      continue;
    }
    try {
      FileContents contents(file);
      FileWriter out(target);
      out.Write(contents.view());
      out.Commit();
      env.Remove(file);
    } catch (const std::exception&) {
      // Left where it is; the refreshed lists show it.
    }
  }
}

}  // namespace telqor
