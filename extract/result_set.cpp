#include "extract/result_set.h"

#include <string_view>

namespace telqor {

namespace {

uint64_t Mix(uint64_t h) {
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDULL;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ULL;
  h ^= h >> 33;
  return h;
}

}  // namespace

ResultSet::ResultSet(TSList& list) : list_(list) {
  size_t slots = 1024;
  while (slots < static_cast<size_t>(list.Count()) * 2) slots *= 2;
  Rehash(slots);
}

uint64_t ResultSet::HashOf(const ByteStr& item) {
  if (item.IsInline()) return Mix(item.Word(0) * 0x9E3779B97F4A7C15ULL ^ item.Word(1));
  uint64_t h = 0xCBF29CE484222325ULL;  // FNV-1a over the bytes
  for (char c : item.view()) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
  return Mix(h);
}

void ResultSet::Rehash(size_t slots) {
  slots_.assign(slots, 0);
  mask_ = slots - 1;
  for (int i = 0; i < list_.Count(); ++i) {
    uint64_t h = HashOf(list_[i]);
    size_t at = h & mask_;
    while (slots_[at]) at = (at + 1) & mask_;
    slots_[at] = (h >> 32 << 32) | static_cast<uint64_t>(i + 1);
  }
}

bool ResultSet::Add(const ByteStr& item) {
  uint64_t h = HashOf(item);
  uint64_t tag = h >> 32 << 32;
  for (size_t at = h & mask_;; at = (at + 1) & mask_) {
    uint64_t slot = slots_[at];
    if (!slot) break;
    if ((slot & ~0xFFFFFFFFULL) == tag && list_[static_cast<int>((slot & 0xFFFFFFFFULL) - 1)] == item) return false;
  }
  list_.Add(item);
  if (static_cast<size_t>(list_.Count()) * 2 > slots_.size()) {
    Rehash(slots_.size() * 2);
  } else {
    size_t at = h & mask_;
    while (slots_[at]) at = (at + 1) & mask_;
    slots_[at] = tag | static_cast<uint64_t>(list_.Count());
  }
  return true;
}

}  // namespace telqor
