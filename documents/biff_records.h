// The records of a BIFF8 workbook stream (.xls, and WPS's .et, which is the same format): each
// a type and up to 8 KB of data. Data too long for one record goes on in CONTINUE records after
// it, and a string's characters may be cut there: the continuation then starts with a byte
// saying again whether they are 8-bit (Latin-1) or UTF-16.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace telqor {

struct BiffRecord {
  uint16_t type = 0;
  std::vector<std::string_view> data;  // its own, then each CONTINUE record's that follows it
};

// The records from a place in the stream on; the views must outlive them.
class BiffRecords {
 public:
  BiffRecords(std::string_view stream, size_t from) : stream_(stream), at_(from) {}
  // The next record with its continuations; false at the stream's end or where a record is cut
  // short by it.
  bool Next(BiffRecord& record);

 private:
  std::string_view stream_;
  size_t at_;
};

// Reading past the end of a record's data.
struct RecordCutShort {};

// A record's data read in order across its continuations (RecordCutShort past their end).
class BiffCursor {
 public:
  explicit BiffCursor(const BiffRecord& record) : data_(record.data) {}

  bool AtEnd();
  uint8_t U8();
  uint16_t U16();
  uint32_t U32();
  double F64();
  void Skip(uint64_t bytes);

  // A string of the workbook as UTF-8: a character count (16 bits, or 8 with shortCount), a byte
  // of flags, and the characters. With rich (the shared strings' form), flags may announce
  // formatting runs and phonetic data after the characters, which are skipped.
  std::string String(bool shortCount = false, bool rich = false);

 private:
  // Moves past used-up parts; false at the end of the data.
  bool Ready();
  void Characters(uint64_t count, bool wide, std::u16string& out);

  const std::vector<std::string_view>& data_;
  size_t part_ = 0, at_ = 0;
};

}  // namespace telqor
