#include "tools/batch_rename.h"

#include <cinttypes>
#include <cstdio>
#include <exception>
#include <map>
#include <set>
#include <system_error>
#include <utility>

#include "core/data_folders.h"
#include "core/env.h"
#include "core/errors.h"
#include "core/file_io.h"
#include "core/file_writer.h"
#include "core/list_files.h"
#include "core/str_to_int.h"
#include "core/text.h"

namespace telqor {

namespace fs = std::filesystem;

namespace {

std::string ReplaceEvery(std::string_view text, std::string_view from, std::string_view to, bool ignoreCase) {
  if (from.empty()) return std::string(text);
  std::string out;
  size_t i = 0;
  while (i + from.size() <= text.size()) {
    std::string_view here = text.substr(i, from.size());
    if (ignoreCase ? EqualIgnoringAsciiCase(here, from) : here == from) {
      out += to;
      i += from.size();
    } else {
      out += text[i++];
    }
  }
  out += text.substr(i);
  return out;
}

// The counter as printf's "%.<digits>d" writes it; digits 0 is plain "%d" (not "%.0d", which
// writes nothing for 0).
std::string Digits(int64_t counter, int digits) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*" PRId64, digits == 0 ? 1 : digits, counter);
  return buffer;
}

// The file a path names, for telling whether two paths name the same one.
fs::path Key(const fs::path& path) {
  std::error_code ec;
  fs::path key = fs::weakly_canonical(path, ec);
  return ec ? path.lexically_normal() : key;
}

void Copy(const fs::path& source, const fs::path& destination) {
  FileContents contents(source);
  FileWriter out(destination);
  out.Write(contents.view());
  out.Commit();
}

}  // namespace

void TakeNames(const fs::path& folder, std::string_view match, bool append, RenameList& list) {
  const std::string_view wanted = TrimBlanks(match);
  if (!append) list.clear();
  std::vector<fs::path> names;
  ListFiles(folder, "*.*", names, false, false);
  for (const fs::path& name : names) {
    std::string text = name.string();
    if (wanted.empty() || text.find(wanted) != std::string::npos) list.push_back({std::move(text)});
  }
}

void SetEntry(RenameList& list, int64_t index, RenameEntry entry) {
  if (index < 0 || static_cast<uint64_t>(index) >= list.size())
    throw Error("List index out of bounds (" + std::to_string(index) + ")");
  list[static_cast<size_t>(index)] = std::move(entry);
}

std::string FillPattern(std::string_view pattern, int64_t counter) {
  static constexpr std::pair<std::string_view, int> kRuns[] = {
      {"#####", 5}, {"####", 4}, {"###", 3}, {"##", 2}, {"#", 0}};
  std::string name(pattern);
  for (const auto& [run, digits] : kRuns) name = ReplaceEvery(name, run, Digits(counter, digits), false);
  return name;
}

std::string WithCase(std::string_view name, NameCase letterCase) {
  std::string out(name);
  if (letterCase == NameCase::Lower)
    for (char& c : out) c = AsciiLower(c);
  if (letterCase == NameCase::Upper)
    for (char& c : out) c = AsciiUpper(c);
  return out;
}

void PreviewNames(RenameList& list, const NameDefinition& definition) {
  // Unsigned, so that counting past the largest value wraps instead of being undefined.
  uint64_t counter = static_cast<uint64_t>(StrToInt64(definition.start));
  for (RenameEntry& entry : list) {
    if (definition.replace) entry.newName = ReplaceEvery(entry.oldName, definition.from, definition.to, true);
    if (definition.usePattern) entry.newName = FillPattern(definition.pattern, static_cast<int64_t>(counter++));
    entry.newName = WithCase(entry.newName, definition.letterCase);
  }
}

fs::path RenameOutputFolder(const fs::path& sourceFolder, bool useNewPath, std::string_view typed) {
  std::string_view folder = TrimBlanks(typed);
  return useNewPath && !folder.empty() ? AsFolder(fs::path(folder)) : AsFolder(sourceFolder);
}

std::vector<RenameStep> PlanRename(const RenameList& list, const fs::path& sourceFolder, const fs::path& outputFolder,
                                   bool deleteSource) {
  std::vector<RenameStep> plan;
  const std::string from = FolderText(sourceFolder), to = FolderText(outputFolder);
  for (size_t i = 0; i < list.size(); ++i) {
    fs::path source(from + list[i].oldName), destination(to + list[i].newName);
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) continue;
    bool itself = Key(source) == Key(destination) || fs::equivalent(source, destination, ec);
    plan.push_back({i, std::move(source), std::move(destination), itself});
  }
  if (!deleteSource) return plan;

  // Sources still to be copied, by the last step that copies each.
  std::map<fs::path, size_t> lastUse;
  for (size_t s = 0; s < plan.size(); ++s) lastUse[Key(plan[s].source)] = s;
  std::map<fs::path, size_t> written;  // destination -> first step writing it
  for (size_t s = 0; s < plan.size(); ++s) {
    const fs::path destination = Key(plan[s].destination);
    const std::string& name = list[plan[s].entry].newName;
    if (!written.emplace(destination, s).second)
      throw Error("新文件名\"" + name + "\"重复，勾选\"删除原来文件\"时改名会丢失文件，没有改名。");
    auto later = lastUse.find(destination);
    if (!plan[s].itself && later != lastUse.end() && later->second > s)
      throw Error("新文件名\"" + name + "\"是后面要改名的原文件，勾选\"删除原来文件\"时改名会丢失文件，没有改名。");
  }
  return plan;
}

RenameOutcome RenameFiles(const RenameList& list, const fs::path& sourceFolder, const fs::path& outputFolder,
                          bool deleteSource, Ui& ui) {
  const std::vector<RenameStep> plan = PlanRename(list, sourceFolder, outputFolder, deleteSource);
  RenameOutcome outcome;
  std::set<fs::path> kept;  // sources whose copy failed: never overwritten by a later copy
  Env& env = CurrentEnv();
  for (size_t s = 0; s < plan.size(); ++s) {
    const RenameStep& step = plan[s];
    ui.Progress(static_cast<int64_t>(s), static_cast<int64_t>(plan.size()));
    if (step.itself) continue;
    if (deleteSource && kept.count(Key(step.destination))) {
      outcome.failures.push_back("没有复制到\"" + DisplayPath(step.destination) + "\"：它自己的复制失败，已保留。");
      kept.insert(Key(step.source));
      continue;
    }
    try {
      Copy(step.source, step.destination);
    } catch (const std::exception& error) {
      outcome.failures.emplace_back(error.what());
      kept.insert(Key(step.source));
      continue;
    }
    if (deleteSource) env.Remove(step.source);
    outcome.copied.push_back(step);
  }
  ui.Progress(static_cast<int64_t>(plan.size()), static_cast<int64_t>(plan.size()));
  if (!outcome.failures.empty())
    ui.ShowStatus(std::to_string(outcome.failures.size()) + "个文件复制失败，原文件保留：" + outcome.failures.front());
  if (!list.empty()) ui.Inform("更名完成,请重新刷新显示！");
  return outcome;
}

}  // namespace telqor
