#include "documents/word_paragraphs.h"

#include <algorithm>

#include "documents/little_endian.h"

namespace telqor {
namespace {

constexpr size_t kPage = 512;
constexpr size_t kPageEnd = kPage - 1;  // the page's last byte counts its runs

// The paragraph properties that tell tables.
constexpr uint16_t kInTable = 0x2416;
constexpr uint16_t kRowEnd = 0x2417;
constexpr uint16_t kDepth = 0x6649;
// Properties whose operand states its own size in two bytes, or in a layout of its own.
constexpr uint16_t kTableDefinition = 0xD608;
constexpr uint16_t kOldTableDefinition = 0xD606;
constexpr uint16_t kTabChanges = 0xC615;

// The size of a property's operand, which starts at operand; SIZE_MAX when it runs past the end.
size_t OperandSize(uint16_t sprm, std::string_view operand) {
  switch (sprm >> 13) {
    case 0:
    case 1:
      return 1;
    case 2:
    case 4:
    case 5:
      return 2;
    case 3:
      return 4;
    case 7:
      return 3;
    default:
      break;
  }
  if (operand.empty()) return SIZE_MAX;
  if (sprm == kTableDefinition || sprm == kOldTableDefinition)
    return operand.size() < 2 ? SIZE_MAX : size_t{Le16(operand.data())} + 1;
  const size_t size = static_cast<unsigned char>(operand[0]);
  if (sprm != kTabChanges || size != 255) return 1 + size;
  // Tab stops removed (two positions each) and added (a position and a kind each).
  if (operand.size() < 2) return SIZE_MAX;
  const size_t removed = static_cast<unsigned char>(operand[1]);
  const size_t addedAt = 2 + 4 * removed;
  if (operand.size() <= addedAt) return SIZE_MAX;
  return addedAt + 1 + 3 * static_cast<size_t>(static_cast<unsigned char>(operand[addedAt]));
}

TableMark MarkOf(std::string_view properties) {
  TableMark mark;
  for (size_t at = 0; at + 2 <= properties.size();) {
    const uint16_t sprm = Le16(&properties[at]);
    const std::string_view operand = properties.substr(at + 2);
    const size_t size = OperandSize(sprm, operand);
    if (size > operand.size()) break;
    if (sprm == kInTable) mark.inTable = operand[0] != 0;
    if (sprm == kRowEnd) mark.rowEnd = operand[0] != 0;
    if (sprm == kDepth) mark.inTable = mark.inTable || Le32(operand.data()) != 0;
    at += 2 + size;
  }
  mark.inTable = mark.inTable || mark.rowEnd;
  return mark;
}

}  // namespace

WordParagraphs::WordParagraphs(std::string_view wordDocument, std::string_view bins) : word_(wordDocument) {
  if (bins.size() < 4) return;
  const size_t pages = (bins.size() - 4) / 8;
  for (size_t i = 0; i <= pages; ++i) fcs_.push_back(Le32(&bins[4 * i]));
  for (size_t i = 0; i < pages; ++i) pages_.push_back(Le32(&bins[4 * (pages + 1) + 4 * i]) & 0x3FFFFF);
}

std::optional<TableMark> WordParagraphs::At(uint32_t fc) const {
  const auto after = std::upper_bound(fcs_.begin(), fcs_.end(), fc);
  if (after == fcs_.begin() || after == fcs_.end()) return std::nullopt;
  const uint64_t offset = uint64_t{pages_[static_cast<size_t>(after - fcs_.begin() - 1)]} * kPage;
  if (!Within(word_, offset, kPage)) return std::nullopt;
  const std::string_view page = word_.substr(offset, kPage);
  // The page: the runs' bounds, a byte per run saying (in words) where its properties are, and
  // the properties themselves; the paragraph is the run whose bounds hold fc.
  const size_t runs = static_cast<unsigned char>(page[kPageEnd]);
  const size_t offsets = 4 * (runs + 1);
  if (runs == 0 || offsets + 13 * runs > kPageEnd) return std::nullopt;
  size_t run = 0;
  while (run < runs && !(Le32(&page[4 * run]) <= fc && fc < Le32(&page[4 * run + 4]))) ++run;
  if (run == runs) return std::nullopt;
  const size_t at = 2 * static_cast<size_t>(static_cast<unsigned char>(page[offsets + 13 * run]));
  if (at == 0) return TableMark{};  // no properties of its own
  if (at + 1 >= kPageEnd) return std::nullopt;
  // A count of words, less one byte; a zero count is followed by the count in words.
  size_t size = 2 * static_cast<size_t>(static_cast<unsigned char>(page[at]));
  size_t from = at + 1;
  if (size == 0) {
    size = 2 * static_cast<size_t>(static_cast<unsigned char>(page[at + 1]));
    from = at + 2;
  } else {
    --size;
  }
  if (from + size > kPageEnd || size < 2) return std::nullopt;
  return MarkOf(page.substr(from + 2, size - 2));  // after the paragraph's style
}

}  // namespace telqor
