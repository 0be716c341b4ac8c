#include "documents/docx_text.h"

#include <algorithm>
#include <set>

#include "core/text/text.h"
#include "documents/package_relationships.h"
#include "documents/xml_stream.h"

namespace telqor {
namespace {

constexpr std::string_view kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr std::string_view kStrictWordNs = "http://purl.oclc.org/ooxml/wordprocessingml/main";
constexpr std::string_view kCompatibilityNs = "http://schemas.openxmlformats.org/markup-compatibility/2006";

// The elements that mean something here; the rest only hold them.
enum class Element : uint8_t { kOther, kParagraph, kRun, kText, kRow, kCell, kTextBox };

class DocxHandler : public XmlHandler {
 public:
  explicit DocxHandler(PackageText& out) : lines_(out) {}

  void Start(const XmlName& name, const XmlAttributes& attributes) override {
    if (skip_.Active()) return skip_.Start();
    const Element parent = open_.empty() ? Element::kOther : open_.back();
    Element element = Element::kOther;
    if (name.ns == kWordNs || name.ns == kStrictWordNs) {
      const std::string_view n = name.local;
      if (n == "p") {
        element = Element::kParagraph;
      } else if (n == "r") {
        element = Element::kRun;
      } else if (n == "t") {
        element = Element::kText;
      } else if (n == "tr") {
        element = Element::kRow;
        lines_.StartRow();
      } else if (n == "tc") {
        element = Element::kCell;
        lines_.StartCell();
      } else if (n == "txbxContent") {
        element = Element::kTextBox;
        lines_.StartStory();
      } else if (n == "moveFrom") {
        return skip_.Enter();  // the old place of moved text: it stands again where it went
      } else if ((n == "footnote" || n == "endnote") &&
                 attributes.Get(name.ns, "type").value_or("normal") != "normal") {
        return skip_.Enter();  // the separator lines above the notes, no note of the text
      } else if (parent == Element::kRun) {
        // A run's tab (also one set at a position, as headers use), break or hyphen; a
        // paragraph's tab stops are w:tab too, but not in a run.
        if (n == "tab" || n == "ptab") lines_.Tab();
        if (n == "br" || n == "cr") lines_.Break();
        if (n == "noBreakHyphen") lines_.Text("-");
      }
    } else if (name.Is(kCompatibilityNs, "Fallback")) {
      return skip_.Enter();  // what older readers get instead of the mc:Choice just read
    }
    open_.push_back(element);
  }

  void End(const XmlName&) override {
    if (skip_.Active()) return skip_.End();
    const Element element = open_.back();
    open_.pop_back();
    switch (element) {
      case Element::kParagraph:
        lines_.EndParagraph();
        break;
      case Element::kRow:
        lines_.EndRow();
        break;
      case Element::kCell:
        lines_.EndCell();
        break;
      case Element::kTextBox:
        lines_.EndStory();
        break;
      default:
        break;
    }
  }

  void Text(std::string_view text) override {
    if (!skip_.Active() && !open_.empty() && open_.back() == Element::kText) lines_.Text(text);
  }

  void Finish() { lines_.Finish(); }

 private:
  DocumentLines lines_;
  std::vector<Element> open_;
  SubtreeSkip skip_;
};

// The number a part's name ends with before its extension ("word/header12.xml": 12), for
// ordering header2 before header10; names without one first.
uint64_t NumberOf(std::string_view part) {
  const size_t dot = part.rfind('.');
  const std::string_view stem = part.substr(0, dot == std::string_view::npos ? part.size() : dot);
  size_t from = stem.size();
  while (from > 0 && stem[from - 1] >= '0' && stem[from - 1] <= '9') --from;
  uint64_t number = 0;
  for (size_t i = from; i < stem.size() && number < UINT64_MAX / 10; ++i)
    number = number * 10 + static_cast<uint64_t>(stem[i] - '0');
  return number;
}

// The parts of one kind the document's relationships name, in the order of their numbers.
std::vector<std::string> NumberedParts(const Relationships& relationships, std::string_view type) {
  std::vector<std::string> parts = relationships.PartsOf(type);
  std::stable_sort(parts.begin(), parts.end(),
                   [](const std::string& a, const std::string& b) { return NumberOf(a) < NumberOf(b); });
  return parts;
}

}  // namespace

void ReadDocxText(const ZipArchive& archive, std::string_view documentPart, PackageText& out) {
  std::vector<std::string> parts = {std::string(documentPart)};
  const Relationships relationships = RelationshipsOf(archive, documentPart);
  for (const char* type : {"header", "footer"})
    for (std::string& part : NumberedParts(relationships, type)) parts.push_back(std::move(part));
  for (const char* type : {"footnotes", "endnotes", "comments"})
    for (std::string& part : relationships.PartsOf(type)) parts.push_back(std::move(part));
  // A part is read once, however often the relationships name it; one they name that the
  // package lacks holds nothing to read.
  std::set<std::string> read;
  for (const std::string& part : parts) {
    std::string key = part;
    std::transform(key.begin(), key.end(), key.begin(), AsciiLower);
    if (!read.insert(key).second || (part != documentPart && !archive.Has(part))) continue;
    DocxHandler handler(out);
    ReadXmlPart(archive, part, handler);
    handler.Finish();
  }
  out.EndPart();
}

}  // namespace telqor
