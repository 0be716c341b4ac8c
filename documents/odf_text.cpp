#include "documents/odf_text.h"

#include <set>
#include <vector>

#include "documents/package_relationships.h"
#include "documents/xml_stream.h"

namespace telqor {
namespace {

constexpr std::string_view kOfficeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kTextNs = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr std::string_view kTableNs = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kStyleNs = "urn:oasis:names:tc:opendocument:xmlns:style:1.0";
constexpr std::string_view kDrawNs = "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0";
constexpr std::string_view kSvgNs = "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0";
constexpr std::string_view kDcNs = "http://purl.org/dc/elements/1.1/";
constexpr std::string_view kMetaNs = "urn:oasis:names:tc:opendocument:xmlns:meta:1.0";
constexpr std::string_view kManifestNs = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";

// A repeat count: at least 1.
uint64_t Repeat(const XmlAttributes& attributes, std::string_view name) {
  const std::optional<std::string_view> text = attributes.Get(kTableNs, name);
  if (!text) return 1;
  uint64_t count = 0;
  for (char c : *text) {
    if (c < '0' || c > '9') return 1;
    count = count > UINT64_MAX / 10 - 9 ? UINT64_MAX / 10 : count * 10 + static_cast<uint64_t>(c - '0');
  }
  return count == 0 ? 1 : count;
}

uint64_t SpaceCount(const XmlAttributes& attributes) {
  const std::optional<std::string_view> text = attributes.Get(kTextNs, "c");
  if (!text) return 1;
  uint64_t count = 0;
  for (char c : *text) {
    if (c < '0' || c > '9') return 1;
    count = count > UINT64_MAX / 10 - 9 ? UINT64_MAX / 10 : count * 10 + static_cast<uint64_t>(c - '0');
  }
  return count;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Appends text to out with each run of white space as one space; none at all after a space (or
// at the start of a paragraph: *space is then true).
void AppendCollapsed(std::string_view text, bool& space, std::string& out) {
  for (char c : text) {
    if (!IsBlank(c)) {
      out += c;
      space = false;
    } else if (!space) {
      out += ' ';
      space = true;
    }
  }
}

// Elements whose content is no text of the document: a note's number (it would stick to the
// number it follows), tracked deletions, a comment's author and date, pictures' descriptions
// and data, and the templates of an index.
bool Unread(const XmlName& name) {
  if (name.ns == kDcNs || name.ns == kMetaNs || name.ns == kSvgNs) return true;
  if (name.ns == kOfficeNs) return name.local == "binary-data";
  if (name.ns == kTextNs)
    return name.local == "note-citation" || name.local == "tracked-changes" || name.local.ends_with("-source");
  return false;
}

// A story inside a paragraph: the lines of a text box, a note or a comment come before the
// paragraph's own.
bool IsStory(const XmlName& name) {
  return name.Is(kDrawNs, "text-box") || name.Is(kTextNs, "note-body") || name.Is(kOfficeNs, "annotation");
}

bool IsParagraph(const XmlName& name) { return name.Is(kTextNs, "p") || name.Is(kTextNs, "h"); }
bool IsCell(const XmlName& name) { return name.Is(kTableNs, "table-cell") || name.Is(kTableNs, "covered-table-cell"); }

// ---- A text document ----------------------------------------------------------------------

class TextDocumentHandler {
 public:
  explicit TextDocumentHandler(PackageText& out) : lines_(out) {}

  void Start(const XmlName& name, const XmlAttributes& attributes) {
    if (skip_.Active()) return skip_.Start();
    if (Unread(name)) return skip_.Enter();
    Story& story = stories_.back();
    if (IsParagraph(name)) {
      ++story.paragraphs;
      story.space = true;
    } else if (name.Is(kTextNs, "s")) {
      if (story.paragraphs > 0) lines_.Spaces(SpaceCount(attributes));
      story.space = false;
    } else if (name.Is(kTextNs, "tab")) {
      if (story.paragraphs > 0) lines_.Tab();
      story.space = false;
    } else if (name.Is(kTextNs, "line-break")) {
      if (story.paragraphs > 0) lines_.Break();
      story.space = true;
    } else if (name.Is(kTableNs, "table-row")) {
      repeats_.push_back(Repeat(attributes, "number-rows-repeated"));
      lines_.StartRow();
    } else if (IsCell(name)) {
      repeats_.push_back(Repeat(attributes, "number-columns-repeated"));
      lines_.StartCell();
    } else if (IsStory(name)) {
      lines_.StartStory();
      stories_.emplace_back();
    }
  }

  void End(const XmlName& name) {
    if (skip_.Active()) return skip_.End();
    Story& story = stories_.back();
    if (IsParagraph(name)) {
      if (story.paragraphs > 0) --story.paragraphs;
      lines_.EndParagraph();
    } else if (name.Is(kTableNs, "table-row")) {
      lines_.EndRow(repeats_.back());
      repeats_.pop_back();
    } else if (IsCell(name)) {
      lines_.EndCell(repeats_.back());
      repeats_.pop_back();
    } else if (IsStory(name) && stories_.size() > 1) {
      stories_.pop_back();
      lines_.EndStory();
    }
  }

  void Text(std::string_view text) {
    Story& story = stories_.back();
    if (skip_.Active() || story.paragraphs == 0) return;
    collapsed_.clear();
    AppendCollapsed(text, story.space, collapsed_);
    lines_.Text(collapsed_);
  }

  void Finish() { lines_.Finish(); }

 private:
  struct Story {
    size_t paragraphs = 0;  // open here
    bool space = true;      // the last character written was white space
  };
  DocumentLines lines_;
  std::vector<Story> stories_{Story{}};
  std::vector<uint64_t> repeats_;  // of the open rows and cells
  std::string collapsed_;
  SubtreeSkip skip_;
};

// ---- A spreadsheet ------------------------------------------------------------------------

class SpreadsheetHandler {
 public:
  SpreadsheetHandler(PackageText& out, size_t limit) : lines_(out), limit_(limit) {}

  void Start(const XmlName& name, const XmlAttributes& attributes) {
    if (skip_.Active()) return skip_.Start();
    if (name.Is(kTableNs, "table")) {
      ++tables_;
      return;
    }
    if (tables_ != 1) return;  // a table inside a cell is only that cell's text
    if (name.Is(kTableNs, "table-row")) {
      rowRepeat_ = Repeat(attributes, "number-rows-repeated");
    } else if (IsCell(name)) {
      cellRepeat_ = Repeat(attributes, "number-columns-repeated");
      const std::string_view type = attributes.Get(kOfficeNs, "value-type").value_or("");
      const std::optional<std::string_view> value = attributes.Get(kOfficeNs, "value");
      // A number as the General format shows it, whatever the cell's format (13800138000, never
      // 1.38E+10).
      number_ = (type == "float" || type == "currency" || type == "percentage") && value
                    ? std::optional<std::string>(ShownNumber(*value))
                    : std::nullopt;
      inCell_ = true;
      text_.clear();
      paragraphs_ = 0;
    } else if (!inCell_) {
      return;
    } else if (name.Is(kOfficeNs, "annotation") || name.ns == kDrawNs || Unread(name)) {
      skip_.Enter();  // a comment or a shape on the cell: not its value
    } else if (IsParagraph(name)) {
      if (paragraphs_++ > 0) Add("\n");
      inParagraph_ = true;
      space_ = true;
    } else if (name.Is(kTextNs, "s")) {
      const uint64_t count = SpaceCount(attributes);
      if (count > limit_ || text_.size() + count > limit_) Refuse();
      text_.append(count, ' ');
      space_ = false;
    } else if (name.Is(kTextNs, "tab")) {
      Add("\t");
      space_ = false;
    } else if (name.Is(kTextNs, "line-break")) {
      Add("\n");
      space_ = true;
    }
  }

  void End(const XmlName& name) {
    if (skip_.Active()) return skip_.End();
    if (name.Is(kTableNs, "table")) {
      if (--tables_ == 0) {
        lines_.EndSheet();
        ++sheets_;
      }
      return;
    }
    if (tables_ != 1) return;
    if (name.Is(kTableNs, "table-row")) {
      lines_.EndRow(rowRepeat_);
    } else if (IsCell(name)) {
      lines_.Cell(number_ ? *number_ : text_, cellRepeat_);
      inCell_ = false;
    } else if (IsParagraph(name)) {
      inParagraph_ = false;
    }
  }

  size_t Sheets() const { return sheets_; }

  void Text(std::string_view text) {
    if (skip_.Active() || !inCell_ || !inParagraph_) return;
    if (text_.size() + text.size() > limit_) Refuse();
    AppendCollapsed(text, space_, text_);
  }

 private:
  void Add(std::string_view text) {
    if (text_.size() + text.size() > limit_) Refuse();
    text_ += text;
  }
  [[noreturn]] static void Refuse() { throw PackageError("单元格文本过长，不予读取"); }

  SheetLines lines_;
  size_t limit_;
  size_t tables_ = 0;  // open
  size_t sheets_ = 0;  // read
  uint64_t rowRepeat_ = 1, cellRepeat_ = 1;
  bool inCell_ = false, inParagraph_ = false, space_ = true;
  size_t paragraphs_ = 0;  // of the cell so far
  std::string text_;
  std::optional<std::string> number_;
  SubtreeSkip skip_;
};

// ---- The parts ----------------------------------------------------------------------------

// content.xml: the body tells a text document from a spreadsheet.
class ContentHandler : public XmlHandler {
 public:
  ContentHandler(PackageText& out, size_t limit) : out_(out), limit_(limit) {}

  void Start(const XmlName& name, const XmlAttributes& attributes) override {
    if (name.Is(kOfficeNs, "spreadsheet") && !document_ && !sheets_) sheets_.emplace(out_, limit_);
    if (name.ns == kOfficeNs && name.local != "spreadsheet" && !document_ && !sheets_ &&
        (name.local == "text" || name.local == "presentation" || name.local == "drawing"))
      document_.emplace(out_);
    if (sheets_) sheets_->Start(name, attributes);
    if (document_) document_->Start(name, attributes);
  }
  void End(const XmlName& name) override {
    if (sheets_) sheets_->End(name);
    if (document_) document_->End(name);
  }
  void Text(std::string_view text) override {
    if (sheets_) sheets_->Text(text);
    if (document_) document_->Text(text);
  }
  void Finish() {
    if (document_) document_->Finish();
  }
  bool IsTextDocument() const { return document_.has_value(); }
  bool IsSpreadsheet() const { return sheets_.has_value(); }
  size_t Sheets() const { return sheets_ ? sheets_->Sheets() : 0; }

 private:
  PackageText& out_;
  size_t limit_;
  std::optional<TextDocumentHandler> document_;
  std::optional<SpreadsheetHandler> sheets_;
};

// styles.xml of a text document: the text of its page styles' headers and footers.
class HeadersHandler : public XmlHandler {
 public:
  explicit HeadersHandler(PackageText& out) : document_(out) {}

  void Start(const XmlName& name, const XmlAttributes& attributes) override {
    if (IsRegion(name)) ++regions_;
    if (regions_ > 0) document_.Start(name, attributes);
  }
  void End(const XmlName& name) override {
    if (regions_ > 0) document_.End(name);
    if (IsRegion(name)) --regions_;
  }
  void Text(std::string_view text) override {
    if (regions_ > 0) document_.Text(text);
  }
  void Finish() { document_.Finish(); }

 private:
  static bool IsRegion(const XmlName& name) {
    return name.ns == kStyleNs &&
           (name.local == "header" || name.local == "footer" || name.local == "header-left" ||
            name.local == "footer-left" || name.local == "header-first" || name.local == "footer-first");
  }
  TextDocumentHandler document_;
  size_t regions_ = 0;
};

// META-INF/manifest.xml: the parts of the package and whether they are encrypted with a password.
class ManifestHandler : public XmlHandler {
 public:
  void Start(const XmlName& name, const XmlAttributes& attributes) override {
    encrypted = encrypted || name.Is(kManifestNs, "encryption-data");
    if (name.Is(kManifestNs, "file-entry"))
      if (const std::optional<std::string_view> path = attributes.Get(kManifestNs, "full-path"))
        parts.insert(ResolvePartName("", *path));
  }
  void End(const XmlName&) override {}
  void Text(std::string_view) override {}
  bool Lists(const std::string& part) const { return parts.contains(part); }

  bool encrypted = false;
  std::set<std::string> parts;
};

}  // namespace

void ReadOdfText(const ZipArchive& archive, PackageText& out) {
  ManifestHandler manifest;
  ReadXmlPart(archive, kOdfManifest, manifest);
  if (manifest.encrypted) throw PackageError("受密码保护");
  if (!manifest.Lists(kOdfContent))
    throw PackageError(std::string("文件已损坏（") + kOdfManifest + " 未列出 " + kOdfContent + "）");
  ContentHandler content(out, archive.Limits().text);
  ReadXmlPart(archive, kOdfContent, content);
  content.Finish();
  // No text would pass for a file without numbers.
  if (content.IsSpreadsheet() && content.Sheets() == 0) throw PackageError("文件已损坏（工作簿中没有工作表）");
  if (!content.IsSpreadsheet() && !content.IsTextDocument())
    throw PackageError(std::string("格式不受支持（") + kOdfContent + " 既不是文本文档也不是电子表格）");
  if (!content.IsTextDocument()) return;
  if (manifest.Lists(kOdfStyles) && archive.Has(kOdfStyles)) {
    HeadersHandler headers(out);
    ReadXmlPart(archive, kOdfStyles, headers);
    headers.Finish();
  }
  out.EndPart();
}

}  // namespace telqor
