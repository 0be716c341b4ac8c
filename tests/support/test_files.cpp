#include "tests/support/test_files.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unordered_set>

namespace telqor::test {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto candidate = base / ("telqor-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write test file " + file.string());
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read test file " + file.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> Items(const ItemList& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.emplace_back(list.View(i));
  return items;
}

std::vector<std::string> FirstOccurrences(const std::vector<std::string>& items) {
  std::unordered_set<std::string> seen;
  std::vector<std::string> kept;
  for (const auto& s : items)
    if (seen.insert(s).second) kept.push_back(s);
  return kept;
}

void Fill(ItemList& list, const std::vector<std::string>& items) {
  bool loading = list.Loading();
  list.SetLoading(true);
  for (const auto& s : items) list.Add(std::string_view(s));
  list.SetLoading(loading);
}

}  // namespace telqor::test

namespace telqor::test {

void SetVariable(const char* name, const std::optional<std::string>& value) {
#ifdef _WIN32
  _wputenv_s(PathFromUtf8(name).c_str(), value ? PathFromUtf8(*value).c_str() : L"");
#else
  if (value)
    ::setenv(name, value->c_str(), 1);
  else
    ::unsetenv(name);
#endif
}

}  // namespace telqor::test
