#include "workspace/output_format.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <system_error>

#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/gbk.h"
#include "core/io/list_files.h"
#include "core/io/output_names.h"
#include "core/text/text.h"

namespace telqor {

namespace fs = std::filesystem;

namespace {

bool IsTrail(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// The size of the character at pos: two for a lead byte followed by a trail byte, else one.
size_t CharSize(std::string_view text, size_t pos) {
  return pos + 1 < text.size() && IsGbkLead(static_cast<unsigned char>(text[pos])) &&
                 IsTrail(static_cast<unsigned char>(text[pos + 1]))
             ? 2
             : 1;
}

bool MatchesAt(std::string_view text, size_t pos, std::string_view pattern) {
  if (text.size() - pos < pattern.size()) return false;
  for (size_t i = 0; i < pattern.size(); ++i)
    if (AsciiLower(text[pos + i]) != AsciiLower(pattern[i])) return false;
  return true;
}

// Every occurrence of pattern (ASCII) replaced by by, letters compared without regard to case;
// the scan goes character by character, so a match never starts inside a character, and goes
// on after the text it put in.
std::string ReplaceEvery(std::string_view text, std::string_view pattern, std::string_view by) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    if (MatchesAt(text, pos, pattern)) {
      out += by;
      pos += pattern.size();
    } else {
      size_t n = CharSize(text, pos);
      out.append(text.substr(pos, n));
      pos += n;
    }
  }
  return out;
}

std::string Printed(const char* format, int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

// name.ext -> name + insert + .ext, the extension being what follows the last dot.
fs::path Beside(const fs::path& file, const char* insert) {
  std::string name = file.filename().string();
  size_t dot = name.rfind('.');
  if (dot == std::string::npos) dot = name.size();
  return file.parent_path() / PathFromUtf8(name.substr(0, dot) + insert + name.substr(dot));
}

bool IsFile(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error) && !fs::is_directory(path, error);
}

}  // namespace

fs::path FormatFolder(const DataFolders& folders) { return folders.baseData / "Format"; }

fs::path MakeFormatFolder(const DataFolders& folders) {
  fs::path folder = FormatFolder(folders);
  CreateFolders(folder);
  return folder;
}

std::string TemplateWithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\r\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string LoadTemplate(const fs::path& file) { return TemplateWithCrLf(ReadWholeFile(file)); }

std::vector<fs::path> TemplateNames(const fs::path& folder) {
  std::vector<fs::path> names;
  ListFiles(folder, "*.*", names, false, false);
  std::erase_if(names, [](const fs::path& name) {
    std::string text = name.string();
    return text.find(".Head.") != std::string::npos || text.find(".Tail.") != std::string::npos;
  });
  return names;
}

fs::path HeadPath(const fs::path& templateFile) { return Beside(templateFile, ".Head"); }
fs::path TailPath(const fs::path& templateFile) { return Beside(templateFile, ".Tail"); }

std::string FrameText(const fs::path& file) {
  if (!IsFile(file)) return {};
  ItemList lines;
  lines.LoadFromFile(file);
  return lines.Count() == 1 ? lines.Get(0).str() : lines.GetText();
}

Frames FramesOf(const fs::path& templateFile) {
  return {FrameText(HeadPath(templateFile)), FrameText(TailPath(templateFile))};
}

std::string FillTemplate(std::string_view templ, std::string_view item, int n, int sequence) {
  std::string text = ReplaceEvery(templ, "%N%", Printed("%d", n));
  text = ReplaceEvery(text, "%NN%", Printed("%.2d", n));
  text = ReplaceEvery(text, "%NNN%", Printed("%.3d", n));
  text = ReplaceEvery(text, "12345678901", item);
  return ReplaceEvery(text, "MyNo", Printed("%d", sequence));
}

std::string_view CutEnd(std::string_view text, int cut) {
  if (cut <= 0) return text;
  if (static_cast<size_t>(cut) >= text.size()) return {};
  // Character starts are only known from the front: keep the last one that leaves cut bytes.
  const size_t limit = text.size() - static_cast<size_t>(cut);
  size_t keep = 0;
  while (keep < limit) {
    size_t next = keep + CharSize(text, keep);
    if (next > limit) break;
    keep = next;
  }
  return text.substr(0, keep);
}

void ConvertToFormat(const ItemList& source, std::string_view templ, const FormatOptions& options, ItemList& output) {
  if (options.maxNumber == 0) throw Error("最大编号不能为0");
  const int stack = options.stack <= 0 ? 1 : options.stack;
  output.Clear();
  int n = 0, left = stack;
  std::string stacked;
  for (int s = 1; s <= source.Count(); ++s) {
    ++n;
    stacked += FillTemplate(templ, source.View(s - 1), n, s);
    if (n % options.maxNumber == 0) n = 0;
    if (--left == 0) {
      output.Add(CutEnd(stacked, options.cut));
      left = stack;
      stacked.clear();
    } else if (s == source.Count() && !stacked.empty()) {
      output.Add(CutEnd(stacked, options.cut));
    }
  }
}

void SaveFormatted(const ItemList& output, const fs::path& base, int perFile, const Frames& frames,
                   std::vector<fs::path>& written) {
  if (perFile == 0) throw Error("每文件保存数不能为0");
  const int64_t size = perFile < 0 ? -static_cast<int64_t>(perFile) : perFile;
  ItemList tail;
  if (!frames.tail.empty()) tail.Add(frames.tail);
  const int extra = (frames.head.empty() ? 0 : 1) + tail.Count();
  int k = 1;
  for (int64_t from = 0; from < output.Count(); from += size, ++k) {
    const int lines = static_cast<int>(std::min<int64_t>(size, output.Count() - from));
    const int64_t count = lines == size ? size : lines + extra;
    fs::path file = fs::path(base).concat(
        PathFromUtf8(".格式化." + std::to_string(count) + "." + BatchNumber(k) + ".txt").native());
    FileWriter writer(file);
    if (!frames.head.empty()) {
      writer.Write(frames.head);
      writer.Write("\r\n");
    }
    output.SaveTo(writer, static_cast<int>(from), lines);
    tail.SaveTo(writer);
    writer.Commit();
    written.push_back(file);
  }
}

}  // namespace telqor
