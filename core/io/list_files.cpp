#include "core/io/list_files.h"

#include <algorithm>
#include <string>

#include "core/text/text.h"

namespace telqor {
namespace {

bool Glob(std::string_view name, std::string_view mask) {
  size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || AsciiLower(mask[m]) == AsciiLower(name[n]))) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
  if (mask == "*.*" || mask == "*") return true;
  return Glob(name, mask);
}

void ListFiles(const std::filesystem::path& folder, std::string_view mask, std::vector<std::filesystem::path>& out,
               bool fullPaths, bool recursive) {
  std::error_code ec;
  std::vector<std::filesystem::directory_entry> entries;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    // A link to a folder is not walked: it may lead out of the folder or round in a circle.
    // A link to a file is listed and read like the file.
    std::error_code linkEc;
    if (it->is_symlink(linkEc) && it->is_directory(linkEc)) continue;
    entries.push_back(*it);
  }
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
  for (const auto& e : entries) {
    std::string name = e.path().filename().string();
    if (name.find('.') == std::string::npos || !MatchesMask(name, mask)) continue;
    out.push_back(fullPaths ? e.path() : e.path().filename());
  }
  if (!recursive) return;
  for (const auto& e : entries) {
    std::error_code dirEc;
    if (e.is_directory(dirEc) && MatchesMask(e.path().filename().string(), mask))
      ListFiles(e.path(), mask, out, fullPaths, recursive);
  }
}

}  // namespace telqor
