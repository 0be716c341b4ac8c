#include "extract/extraction_reader.h"

#include <system_error>

#include "core/text/gbk.h"
#include "documents/office_text.h"
#include "core/io/text_encoding.h"

namespace telqor {

namespace fs = std::filesystem;

void ItemText::Read(ExtractionItem& item, const ItemReading& reading, const std::atomic<bool>& stop) {
  std::error_code error;
  if (item.isText) {
    owned_ = std::move(item.text);
    text_ = owned_;
  } else if (!fs::is_regular_file(item.path, error)) {
    // Not a file (gone, or a folder): the path itself is the text.
    owned_ = Utf8ToGbk(item.path.string());
    text_ = owned_;
  } else if (reading.reader && *reading.reader) {
    owned_ = (*reading.reader)(item.path, stop);
    text_ = owned_;
  } else if (OfficeKindOf(item.path) != OfficeKind::kNone) {
    owned_ = OfficeFileToText(item.path, false, &stop);
    text_ = owned_;
  } else if (fs::file_size(item.path, error) >= reading.streamFrom && reading.mayStream &&
             DetectFileEncoding(item.path) == TextEncoding::kGbk) {
    largeFile_ = item.path;
    length_ = fs::file_size(item.path, error);
    if (error) length_ = 0;
    return;
  } else {
    mapped_ = std::make_unique<FileContents>(item.path);
    std::string_view bytes = mapped_->view();
    const TextEncoding encoding = DetectTextEncoding(bytes);
    if (encoding == TextEncoding::kGbk) {
      text_ = bytes;
    } else {
      owned_ = DecodeToAnsi(bytes, encoding);
      mapped_.reset();
      text_ = owned_;
    }
  }
  length_ = text_.size();
}

}  // namespace telqor
