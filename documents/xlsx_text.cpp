#include "documents/xlsx_text.h"

#include <algorithm>
#include <set>
#include <vector>

#include "core/text/gbk.h"
#include "core/text/text.h"
#include "documents/package_relationships.h"
#include "documents/xml_stream.h"

namespace telqor {
namespace {

constexpr std::string_view kSheetNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view kStrictSheetNs = "http://purl.oclc.org/ooxml/spreadsheetml/main";
constexpr std::string_view kRelationshipNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view kStrictRelationshipNs = "http://purl.oclc.org/ooxml/officeDocument/relationships";

bool IsSheetNs(std::string_view ns) { return ns == kSheetNs || ns == kStrictSheetNs; }

// A row number ("7"), or 0 when the text is none.
uint64_t NumberOf(std::string_view text) {
  uint64_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    number = number > UINT64_MAX / 10 - 9 ? UINT64_MAX / 10 : number * 10 + static_cast<uint64_t>(c - '0');
  }
  return number;
}

// ---- The workbook: its sheets and where they are --------------------------------------------

// The workbook's sheets in its order: their relationship ids, and how many it lists.
class WorkbookHandler : public XmlHandler {
 public:
  void Start(const XmlName& name, const XmlAttributes& attributes) override {
    if (!IsSheetNs(name.ns) || name.local != "sheet") return;
    ++sheets;
    std::optional<std::string_view> id = attributes.Get(kRelationshipNs, "id");
    if (!id) id = attributes.Get(kStrictRelationshipNs, "id");
    if (id) sheetIds.emplace_back(*id);
  }
  void End(const XmlName&) override {}
  void Text(std::string_view) override {}

  size_t sheets = 0;
  std::vector<std::string> sheetIds;
};

// ---- Shared strings --------------------------------------------------------------------------

// The workbook's strings, one after another in one block.
class SharedStrings : public XmlHandler {
 public:
  explicit SharedStrings(size_t limit) : limit_(limit) {}

  std::string_view At(std::string_view index) const {
    const uint64_t i = NumberOf(index);
    if (index.empty() || i >= ends_.size()) return {};
    const size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(text_).substr(begin, ends_[i] - begin);
  }

  void Start(const XmlName& name, const XmlAttributes&) override {
    if (skip_.Active()) return skip_.Start();
    if (!IsSheetNs(name.ns)) return;
    if (name.local == "si") current_.clear();
    if (name.local == "rPh") skip_.Enter();  // the reading of East Asian text, not the text
    if (name.local == "t") inText_ = true;
  }
  void End(const XmlName& name) override {
    if (skip_.Active()) return skip_.End();
    if (!IsSheetNs(name.ns)) return;
    if (name.local == "t") inText_ = false;
    if (name.local == "si") {
      const std::string string = UnescapeXstring(current_);
      if (text_.size() + string.size() > limit_)
        throw PackageError("共享字符串超过 " + SizeText(limit_) + "，不予读取");
      text_ += string;
      ends_.push_back(text_.size());
    }
  }
  void Text(std::string_view text) override {
    if (!inText_ || skip_.Active()) return;
    if (current_.size() + text.size() > limit_) throw PackageError("共享字符串超过 " + SizeText(limit_) + "，不予读取");
    current_ += text;
  }

 private:
  size_t limit_;
  std::string text_;
  std::vector<size_t> ends_;
  std::string current_;
  bool inText_ = false;
  SubtreeSkip skip_;
};

// ---- A worksheet -----------------------------------------------------------------------------

class WorksheetHandler : public XmlHandler {
 public:
  WorksheetHandler(PackageText& out, const SharedStrings& strings, size_t limit)
      : lines_(out), strings_(strings), limit_(limit) {}

  void Start(const XmlName& name, const XmlAttributes& attributes) override {
    if (skip_.Active()) return skip_.Start();
    if (!IsSheetNs(name.ns)) return;
    const std::string_view n = name.local;
    if (n == "row") {
      // Rows the sheet leaves out before this one are empty.
      if (const uint64_t row = NumberOf(attributes.Get("", "r").value_or("")); row > lines_.Row() + 1)
        lines_.SkipRows(row - 1 - lines_.Row());
    } else if (n == "c") {
      const uint64_t column = ColumnOf(attributes.Get("", "r").value_or(""));
      if (column != UINT64_MAX && column > lines_.Column()) lines_.SkipCells(column - lines_.Column());
      type_ = attributes.Get("", "t").value_or("n");
      value_.clear();
      inlineText_.clear();
    } else if (n == "v") {
      target_ = &value_;
    } else if (n == "t") {
      target_ = &inlineText_;  // inside is, or a rich text run of it
    } else if (n == "rPh") {
      skip_.Enter();
    }
  }

  void End(const XmlName& name) override {
    if (skip_.Active()) return skip_.End();
    if (!IsSheetNs(name.ns)) return;
    const std::string_view n = name.local;
    if (n == "v" || n == "t") {
      target_ = nullptr;
    } else if (n == "c") {
      lines_.Cell(Value());
    } else if (n == "row") {
      lines_.EndRow();
    }
  }

  void Text(std::string_view text) override {
    if (!target_ || skip_.Active()) return;
    if (target_->size() + text.size() > limit_) throw PackageError("单元格文本过长，不予读取");
    target_->append(text);
  }

  void Finish() { lines_.EndSheet(); }

 private:
  std::string Value() const {
    if (type_ == "s") return std::string(strings_.At(value_));
    if (type_ == "inlineStr") return UnescapeXstring(inlineText_);
    if (type_ == "b") return value_ == "1" ? "TRUE" : value_ == "0" ? "FALSE" : value_;
    if (type_ == "str") return UnescapeXstring(value_);
    if (type_ == "n") return ShownNumber(value_);
    return value_;  // an error ("#N/A") or a date as stored
  }

  SheetLines lines_;
  const SharedStrings& strings_;
  size_t limit_;
  std::string type_, value_, inlineText_;
  std::string* target_ = nullptr;
  SubtreeSkip skip_;
};

}  // namespace

uint64_t ColumnOf(std::string_view reference) {
  uint64_t column = 0;
  size_t letters = 0;
  for (char c : reference) {
    const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    if (upper < 'A' || upper > 'Z') break;
    if (column > UINT64_MAX / 32) return UINT64_MAX;
    column = column * 26 + static_cast<uint64_t>(upper - 'A' + 1);
    ++letters;
  }
  return letters == 0 ? UINT64_MAX : column - 1;
}

std::string UnescapeXstring(std::string_view text) {
  if (text.find("_x") == std::string_view::npos) return std::string(text);
  auto hex = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && text[i + 6] == '_') {
      uint32_t code = 0;
      bool valid = true;
      for (size_t k = 2; k < 6; ++k) {
        const int digit = hex(text[i + k]);
        valid = valid && digit >= 0;
        code = code * 16 + static_cast<uint32_t>(digit < 0 ? 0 : digit);
      }
      if (valid) {
        if (code >= 0xD800 && code <= 0xDFFF) code = 0xFFFD;
        if (code != 0) AppendUtf8(out, code);
        i += 6;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

void ReadXlsxText(const ZipArchive& archive, std::string_view workbookPart, PackageText& out) {
  WorkbookHandler workbook;
  ReadXmlPart(archive, workbookPart, workbook);
  if (workbook.sheets == 0) throw PackageError("文件已损坏（工作簿中没有工作表）");
  const Relationships relationships = RelationshipsOf(archive, workbookPart);
  if (!relationships.found) throw PackageError("文件已损坏（缺少 " + RelationshipsPartOf(workbookPart) + "）");

  // The cells index one table of strings: the first named that is there.
  SharedStrings strings(archive.Limits().sharedStrings);
  for (const std::string& part : relationships.PartsOf("sharedStrings"))
    if (archive.Has(part)) {
      ReadXmlPart(archive, part, strings);
      break;
    }

  // A sheet of another kind (a chart sheet) holds no cells; a part is read once, however often
  // a damaged workbook names it. A sheet a damaged workbook lost is left out while another can be
  // read; a workbook with none to read is refused, since no text would pass for no numbers.
  std::set<std::string> read;
  std::string missing;
  for (const std::string& id : workbook.sheetIds) {
    const Relationship* sheet = relationships.Find(id);
    if (!sheet || !IsOfType(sheet->type, "worksheet")) continue;
    std::string key = sheet->part;
    std::transform(key.begin(), key.end(), key.begin(), AsciiLower);
    if (!archive.Has(sheet->part)) {
      if (missing.empty()) missing = sheet->part;
      continue;
    }
    if (!read.insert(key).second) continue;
    WorksheetHandler handler(out, strings, archive.Limits().text);
    ReadXmlPart(archive, sheet->part, handler);
    handler.Finish();
  }
  if (read.empty() && !missing.empty()) throw PackageError("文件已损坏（缺少 " + missing + "）");
  if (read.empty()) throw PackageError("工作簿中没有可读取的工作表");
}

}  // namespace telqor
