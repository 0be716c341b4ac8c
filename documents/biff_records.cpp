#include "documents/biff_records.h"

#include <algorithm>
#include <cstring>

#include "core/text/gbk.h"
#include "documents/little_endian.h"

namespace telqor {
namespace {

constexpr uint16_t kContinue = 0x003C;

constexpr uint8_t kWide = 0x01;
constexpr uint8_t kPhonetic = 0x04;
constexpr uint8_t kRich = 0x08;

std::string Utf8(std::u16string_view utf16) {
  std::string utf8;
  utf8.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    uint32_t c = utf16[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    else if (c >= 0xD800 && c <= 0xDFFF)
      c = 0xFFFD;
    AppendUtf8(utf8, c);
  }
  return utf8;
}

}  // namespace

bool BiffRecords::Next(BiffRecord& record) {
  auto header = [&](size_t at, uint16_t& type, size_t& size) {
    if (!Within(stream_, at, 4)) return false;
    type = Le16(&stream_[at]);
    size = Le16(&stream_[at + 2]);
    return Within(stream_, at + 4, size);
  };
  uint16_t type;
  size_t size;
  if (!header(at_, type, size)) return false;
  record.type = type;
  record.data.assign(1, stream_.substr(at_ + 4, size));
  at_ += 4 + size;
  while (header(at_, type, size) && type == kContinue) {
    record.data.push_back(stream_.substr(at_ + 4, size));
    at_ += 4 + size;
  }
  return true;
}

bool BiffCursor::Ready() {
  while (part_ < data_.size() && at_ >= data_[part_].size()) {
    ++part_;
    at_ = 0;
  }
  return part_ < data_.size();
}

bool BiffCursor::AtEnd() { return !Ready(); }

uint8_t BiffCursor::U8() {
  if (!Ready()) throw RecordCutShort();
  return static_cast<uint8_t>(data_[part_][at_++]);
}

uint16_t BiffCursor::U16() {
  const uint16_t low = U8();
  return static_cast<uint16_t>(low | U8() << 8);
}

uint32_t BiffCursor::U32() {
  const uint32_t low = U16();
  return low | static_cast<uint32_t>(U16()) << 16;
}

double BiffCursor::F64() {
  const uint64_t bits = U32() | static_cast<uint64_t>(U32()) << 32;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void BiffCursor::Skip(uint64_t bytes) {
  while (bytes > 0) {
    if (!Ready()) throw RecordCutShort();
    const size_t step = static_cast<size_t>(std::min<uint64_t>(bytes, data_[part_].size() - at_));
    at_ += step;
    bytes -= step;
  }
}

void BiffCursor::Characters(uint64_t count, bool wide, std::u16string& out) {
  while (count > 0) {
    if (part_ >= data_.size()) throw RecordCutShort();
    if (at_ >= data_[part_].size()) {
      // Cut here: the next part says the width of the characters left.
      if (++part_ >= data_.size() || data_[part_].empty()) throw RecordCutShort();
      wide = (data_[part_][0] & kWide) != 0;
      at_ = 1;
      continue;
    }
    const std::string_view part = data_[part_];
    const size_t available = wide ? (part.size() - at_) / 2 : part.size() - at_;
    if (available == 0) throw RecordCutShort();  // half a character
    const size_t take = static_cast<size_t>(std::min<uint64_t>(count, available));
    for (size_t i = 0; i < take; ++i)
      out += wide ? static_cast<char16_t>(Le16(&part[at_ + 2 * i])) : static_cast<unsigned char>(part[at_ + i]);
    at_ += wide ? 2 * take : take;
    count -= take;
  }
}

std::string BiffCursor::String(bool shortCount, bool rich) {
  const uint64_t count = shortCount ? U8() : U16();
  const uint8_t flags = U8();
  uint64_t runs = 0, phonetic = 0;
  if (rich && (flags & kRich)) runs = U16();
  if (rich && (flags & kPhonetic)) phonetic = U32();
  std::u16string text;
  Characters(count, (flags & kWide) != 0, text);
  Skip(4 * runs + phonetic);
  return Utf8(text);
}

}  // namespace telqor
