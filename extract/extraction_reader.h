// The reading stage of extraction: an item of a run (the pasted text or a file) turned into the
// GBK text its scanners walk. Office documents and pdf go through their converters, any other
// file is read as text in its encoding (core/io/text_encoding.h; a GBK file is mapped, not
// copied), and a large plain GBK file is left to be read a part at a time, never held whole.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/io/file_io.h"

namespace telqor {

// One item of a run.
struct ExtractionItem {
  bool isText = false;
  std::string text;            // the pasted text, when isText
  std::filesystem::path path;  // else the file
  uint64_t bytes = 0;          // what it counts for in the run's bytes
};

// Turns a file into GBK text in place of the converters and the decoding (tests); the stop
// flag turns true when the run is being stopped.
using ExtractionFileReader = std::function<std::string(const std::filesystem::path&, const std::atomic<bool>& stop)>;

struct ItemReading {
  const ExtractionFileReader* reader = nullptr;  // null or empty: the converters and decoding
  uint64_t streamFrom = 0;                       // a plain GBK file this large is read a part at a time...
  bool mayStream = true;                         // ...unless a pattern must see the whole text
};

// The text of an item, held while it is scanned.
class ItemText {
 public:
  ItemText() = default;
  ItemText(const ItemText&) = delete;
  ItemText& operator=(const ItemText&) = delete;

  // Reads item (its pasted text is moved in). Throws what the reading or conversion throws.
  void Read(ExtractionItem& item, const ItemReading& reading, const std::atomic<bool>& stop);

  // The text; empty when the file is to be read a part at a time.
  std::string_view Text() const { return text_; }
  // The file to read a part at a time, or empty.
  const std::filesystem::path& LargeFile() const { return largeFile_; }
  // The bytes of the text (of the large file).
  uint64_t Length() const { return length_; }

 private:
  std::string owned_;
  std::unique_ptr<FileContents> mapped_;
  std::string_view text_;
  std::filesystem::path largeFile_;
  uint64_t length_ = 0;
};

}  // namespace telqor
