#include "files/batch_rename.h"

#include <cinttypes>
#include <cstdio>
#include <exception>
#include <map>
#include <set>
#include <system_error>
#include <utility>

#include "core/program/data_folders.h"
#include "core/platform/env.h"
#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/io/list_files.h"
#include "core/text/str_to_int.h"
#include "core/text/text.h"

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

// before + the count + after, then the first ten texts, one a line, and "……" for the rest.
std::string Listing(const char* before, const char* after, const std::vector<std::string>& texts) {
  constexpr size_t kListed = 10;
  std::string out = before + std::to_string(texts.size()) + after;
  for (size_t i = 0; i < texts.size() && i < kListed; ++i) out += "\n" + texts[i];
  if (texts.size() > kListed) out += "\n……";
  return out;
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
  return useNewPath && !folder.empty() ? AsFolder(PathFromUtf8(folder)) : AsFolder(sourceFolder);
}

RenamePlan PlanRename(const RenameList& list, const fs::path& sourceFolder, const fs::path& outputFolder) {
  RenamePlan plan;
  plan.entries = list.size();
  const std::string from = FolderToUtf8(sourceFolder), to = FolderToUtf8(outputFolder);
  for (size_t i = 0; i < list.size(); ++i) {
    const fs::path source = PathFromUtf8(from + list[i].oldName), destination = PathFromUtf8(to + list[i].newName);
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) {
      plan.missing.push_back(list[i].oldName);
      continue;
    }
    bool itself = Key(source) == Key(destination) || fs::equivalent(source, destination, ec);
    plan.steps.push_back({i, std::move(source), std::move(destination), itself});
  }
  if (plan.steps.empty()) return plan;

  std::error_code ec;
  if (!fs::is_directory(outputFolder, ec))
    throw Error("输出目录\"" + PathToUtf8(outputFolder) + "\"" +
                (fs::exists(outputFolder, ec) ? "不是文件夹" : "不存在") + "，没有改名。");
  std::set<fs::path> sources, destinations;
  for (const RenameStep& step : plan.steps) sources.insert(Key(step.source));
  for (const RenameStep& step : plan.steps) {
    const fs::path destination = Key(step.destination);
    if (!destinations.insert(destination).second)
      throw Error("新文件名\"" + list[step.entry].newName + "\"重复，多个文件不能改成同一个名字，没有改名。");
    if (!step.itself && !sources.count(destination) && fs::exists(step.destination, ec) &&
        !fs::is_directory(step.destination, ec))
      plan.replaced.push_back(step.destination);
  }
  return plan;
}

std::string OverwriteQuestion(const RenamePlan& plan) {
  std::vector<std::string> names;
  for (const fs::path& file : plan.replaced) names.push_back(PathToUtf8(file));
  return Listing("将覆盖", "个已有文件，是否继续？", names);
}

namespace {

// One run of RenameFiles. Steps wait for the sources their new name would replace: a step runs
// once no step still to run reads the file under its new name. When every step left waits (the
// names go round in a circle), the file under the first one's new name is moved aside and its
// readers copy from there.
class RenameRun {
 public:
  RenameRun(const RenamePlan& plan, bool deleteSource, Ui& ui)
      : steps_(plan.steps), deleteSource_(deleteSource), ui_(ui), env_(CurrentEnv()) {}

  RenameOutcome Run() {
    const size_t n = steps_.size();
    sourceKey_.resize(n);
    destinationKey_.resize(n);
    from_.resize(n);
    for (size_t s = 0; s < n; ++s) {
      sourceKey_[s] = Key(steps_[s].source);
      destinationKey_[s] = Key(steps_[s].destination);
      from_[s] = steps_[s].source;
      destinations_.insert(destinationKey_[s]);
      if (steps_[s].itself) continue;
      pending_.insert(s);
      ++readers_[sourceKey_[s]];
      readersOf_[sourceKey_[s]].push_back(s);
      writer_[destinationKey_[s]] = s;
    }
    for (size_t s : pending_)
      if (!readers_.count(destinationKey_[s])) ready_.insert(s);
    const auto total = static_cast<int64_t>(pending_.size());
    while (!pending_.empty()) {
      ui_.Progress(total - static_cast<int64_t>(pending_.size()), total);
      size_t s;
      if (ready_.empty()) {
        s = *pending_.begin();
        if (!MoveAside(s)) continue;
      } else {
        s = *ready_.begin();
      }
      ready_.erase(s);
      pending_.erase(s);
      try {
        Copy(from_[s], steps_[s].destination);
      } catch (const std::exception& error) {
        Fail(s, error.what());
        continue;
      }
      outcome_.copied.push_back(steps_[s]);
      Release(s);
    }
    ui_.Progress(total, total);
    return std::move(outcome_);
  }

 private:
  // Moves the file under step s's new name aside, for its readers to copy from there; false
  // (and s failed) when it cannot be.
  bool MoveAside(size_t s) {
    const fs::path& name = steps_[s].destination;
    try {
      for (int k = 1;; ++k) {
        fs::path aside = name;
        aside += k == 1 ? std::string(".telqor-rename.tmp") : ".telqor-rename-" + std::to_string(k) + ".tmp";
        if (!env_.RenameNoReplace(name, aside)) continue;
        aside_[destinationKey_[s]] = aside;
        for (size_t r : readersOf_[destinationKey_[s]]) from_[r] = aside;
        return true;
      }
    } catch (const std::system_error& error) {
      Fail(s, "没有复制到\"" + PathToUtf8(name) + "\"：无法先把它移开（" + error.code().message() + "）。");
      return false;
    }
  }

  // Step s has read its source: once no step is left to read it, the source is deleted (when
  // asked, and unless its name is a new name of the plan) and its name may be written.
  void Release(size_t s) {
    const fs::path& key = sourceKey_[s];
    if (--readers_[key] > 0 || kept_.count(key)) return;
    if (auto aside = aside_.find(key); aside != aside_.end()) {
      Remove(aside->second, "删除临时文件");
      return;
    }
    if (deleteSource_ && !destinations_.count(key)) Remove(steps_[s].source, "删除原文件");
    if (auto w = writer_.find(key); w != writer_.end() && pending_.count(w->second)) ready_.insert(w->second);
  }

  // Step s was not carried out: its source stays as it is, so the step writing onto that
  // source's name is not carried out either, and so on down the chain.
  void Fail(size_t s, std::string message) {
    for (;;) {
      pending_.erase(s);
      ready_.erase(s);
      RestoreAside(s, message);
      const fs::path& key = sourceKey_[s];
      if (auto aside = aside_.find(key); aside != aside_.end())
        message +=
            "；\"" + PathToUtf8(steps_[s].source) + "\"原来的内容保留在\"" + PathToUtf8(aside->second) + "\"。";
      outcome_.failures.push_back(std::move(message));
      --readers_[key];
      kept_.insert(key);
      auto w = writer_.find(key);
      if (w == writer_.end() || !pending_.count(w->second)) return;
      s = w->second;
      message = "没有复制到\"" + PathToUtf8(steps_[s].destination) + "\"：它自己的复制失败，已保留。";
    }
  }

  // The file moved aside for step s, which failed, goes back under its name.
  void RestoreAside(size_t s, std::string& message) {
    auto aside = aside_.find(destinationKey_[s]);
    if (aside == aside_.end()) return;
    try {
      if (env_.RenameNoReplace(aside->second, steps_[s].destination)) {
        for (size_t r : readersOf_[destinationKey_[s]]) from_[r] = steps_[r].source;
        aside_.erase(aside);
        return;
      }
    } catch (const std::system_error&) {
    }
    message +=
        "；\"" + PathToUtf8(steps_[s].destination) + "\"原来的内容保留在\"" + PathToUtf8(aside->second) + "\"。";
  }

  void Remove(const fs::path& file, const char* what) {
    if (std::error_code error = env_.Remove(file))
      outcome_.deleteFailures.push_back(std::string(what) + "\"" + PathToUtf8(file) + "\"失败：" + error.message());
  }

  const std::vector<RenameStep>& steps_;
  const bool deleteSource_;
  Ui& ui_;
  Env& env_;
  std::vector<fs::path> sourceKey_, destinationKey_;
  std::vector<fs::path> from_;        // where each step copies from: its source or a file moved aside
  std::set<size_t> pending_, ready_;  // steps still to run; those of them free to run
  std::map<fs::path, int> readers_;   // a source -> the steps still to read it
  std::map<fs::path, std::vector<size_t>> readersOf_;
  std::map<fs::path, size_t> writer_;   // a new name -> the step writing it
  std::set<fs::path> destinations_;     // every new name of the plan
  std::map<fs::path, fs::path> aside_;  // a source moved aside -> where it is now
  std::set<fs::path> kept_;             // sources that stay as they are
  RenameOutcome outcome_;
};

}  // namespace

RenameOutcome RenameFiles(const RenamePlan& plan, bool deleteSource, Ui& ui) {
  RenameOutcome outcome = RenameRun(plan, deleteSource, ui).Run();
  if (!outcome.failures.empty())
    ui.ShowStatus(std::to_string(outcome.failures.size()) + "个文件复制失败，原文件保留：" + outcome.failures.front());
  else
    ui.ShowStatus(std::to_string(outcome.copied.size()) + "个文件更名完成。");
  if (plan.entries > 0) ui.Inform(RenameReport(plan, outcome));
  return outcome;
}

std::string RenameReport(const RenamePlan& plan, const RenameOutcome& outcome) {
  if (outcome.failures.empty() && outcome.deleteFailures.empty() && plan.missing.empty())
    return "更名完成,请重新刷新显示！";
  std::string report;
  auto add = [&](const char* heading, const std::vector<std::string>& texts) {
    if (texts.empty()) return;
    report += Listing("", heading, texts) + "\n";
  };
  add("个文件复制失败，原文件保留：", outcome.failures);
  add("个原文件删除失败：", outcome.deleteFailures);
  add("个原文件不存在，已跳过：", plan.missing);
  return report + (outcome.copied.empty() ? std::string("没有文件更名。")
                                          : std::to_string(outcome.copied.size()) + "个文件更名完成,请重新刷新显示！");
}

}  // namespace telqor
