#include "files/selection_operations.h"

#include <algorithm>
#include <system_error>

#include "core/platform/env.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/text.h"
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

void DedupeSelection(const FileSelection& selection, CompareMode mode, Ui& ui, std::string_view done) {
  ForEachFile(selection, ui, done, [&](const fs::path& file) {
    DedupeFile(file, OutputPath(file, selection.outputFolder(file), kDedupedEnding), mode);
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

std::vector<FileFailure> MoveFilesInto(const std::vector<fs::path>& files, const fs::path& folder) {
  Env& env = CurrentEnv();
  std::vector<FileFailure> failed;
  for (const fs::path& file : files) {
    const fs::path target = folder / file.filename();
    try {
      env.Rename(file, target);
      continue;
    } catch (const std::system_error& error) {
      if (error.code() != std::errc::cross_device_link) {
        failed.push_back({file, error.code().message()});
        continue;
      }
    } catch (const std::exception& error) {
      failed.push_back({file, error.what()});
      continue;
    }
    try {
      FileContents contents(file);
      FileWriter out(target);
      out.Write(contents.view());
      out.Commit();
    } catch (const std::exception& error) {
      failed.push_back({file, error.what()});
      continue;
    }
    if (std::error_code ec = env.Remove(file))
      failed.push_back({file, "已复制到" + PathToUtf8(folder) + "，但原文件无法删除: " + ec.message()});
  }
  return failed;
}

DeleteOutcome DeleteFiles(const std::vector<fs::path>& files, const TrashFile& trash, const ConfirmRemoval& confirm) {
  DeleteOutcome outcome;
  std::vector<fs::path> left;  // not taken by the trash
  std::string why;             // the trash's word on the first of them
  for (const fs::path& file : files) {
    std::string refused = trash(file);
    std::error_code ec;
    if (refused.empty() || !fs::exists(fs::symlink_status(file, ec))) {
      ++outcome.deleted;
      continue;
    }
    if (why.empty()) why = refused;
    left.push_back(file);
  }
  if (left.empty()) return outcome;

  const std::string count = std::to_string(left.size());
  const std::string question =
      left.size() == files.size()
          ? "无法移到回收站(" + why + ")。\n确定永久删除选择的" + count + "个文件吗？删除后无法恢复。"
          : count + "个文件无法移到回收站(" + why + ")。\n确定永久删除这" + count + "个文件吗？删除后无法恢复。";
  if (!confirm(question)) {
    outcome.kept = left.size();
    return outcome;
  }
  Env& env = CurrentEnv();
  for (const fs::path& file : left) {
    if (std::error_code ec = env.Remove(file)) {
      outcome.failed.push_back({file, ec.message()});
    } else {
      ++outcome.deleted;
    }
  }
  return outcome;
}

void ReportFailures(Ui& ui, std::string_view done, std::string_view verb, std::vector<FileFailure> failed,
                    size_t total) {
  if (failed.empty()) {
    if (!done.empty()) ui.ShowStatus(done);
    return;
  }
  // In the order the folder's list shows them.
  std::sort(failed.begin(), failed.end(),
            [](const FileFailure& a, const FileFailure& b) { return LessIgnoringCase(a.file, b.file); });
  const std::string count = std::to_string(failed.size()) + "个文件" + std::string(verb) + "失败";
  std::string status = done.empty() || failed.size() >= total ? count : std::string(done) + "，" + count;
  status += "：";
  constexpr size_t kNamesInStatus = 3, kLinesInBox = 20;
  for (size_t i = 0; i < failed.size() && i < kNamesInStatus; ++i) {
    if (i) status += "、";
    status += PathToUtf8(failed[i].file.filename());
  }
  if (failed.size() > kNamesInStatus) status += "等";
  ui.ShowStatus(status);

  std::string list = count + "：";
  for (size_t i = 0; i < failed.size() && i < kLinesInBox; ++i) {
    list += "\n";
    list += PathToUtf8(failed[i].file);
    list += ": ";
    list += failed[i].why;
  }
  if (failed.size() > kLinesInBox) list += "\n……";
  ui.Inform(list);
}

void ReportDeletion(Ui& ui, std::string_view done, const DeleteOutcome& outcome) {
  std::string status(done);
  if (outcome.kept > 0) {
    const std::string kept = std::to_string(outcome.kept) + "个文件未删除";
    status = outcome.deleted == 0 && outcome.failed.empty() ? "已取消删除，" + kept
             : status.empty()                               ? kept
                                                            : status + "，" + kept;
  }
  ReportFailures(ui, status, "删除", outcome.failed, outcome.deleted + outcome.kept + outcome.failed.size());
}

}  // namespace telqor
