// ResultSet: the distinct results of one kind during an extraction run. Add appends an item to
// the list only when it is not there yet, found through an open-addressing table of indices
// with a hash tag beside each, so that results repeated across millions of lines cost one
// probe each and the list holds every result once, in the order first found. Sorting is left
// to the end of the run (once). Not synchronised: the engine holds its result lock.
#pragma once

#include <cstdint>
#include <vector>

#include "core/byte_str.h"
#include "core/ts_list.h"

namespace telqor {

class ResultSet {
 public:
  // list must be plain and unsorted for the run, and stay otherwise untouched meanwhile; its
  // items are taken as distinct.
  explicit ResultSet(TSList& list);

  // Appends item unless an equal one is held; true when appended.
  bool Add(const ByteStr& item);

 private:
  void Rehash(size_t slots);

  TSList& list_;
  std::vector<uint64_t> slots_;  // (tag << 32) | (index + 1); 0 is empty
  uint64_t mask_ = 0;
};

}  // namespace telqor
