// Binary office files read natively, from any bytes: a whole compound file as given, or streams
// packed into one of a kind the first byte chooses (so mutations reach the Word and workbook
// readers rather than the container's tables). Reading never crashes or hangs; it ends in text
// or a refusal, and the sheets' ends lie in order within the text.
#include <cstdio>
#include <cstdlib>

#include "documents/binary_office.h"
#include "fuzz/fuzz_input.h"
#include "tests/documents/cfb_maker.h"

namespace {

using namespace telqor;

// Small limits, so that every input ends in a moment whatever it holds.
PackageLimits Limits() {
  PackageLimits limits;
  limits.entries = 2000;
  limits.partSize = 16 << 20;
  limits.text = 16 << 20;
  limits.sharedStrings = 4 << 20;
  return limits;
}

void Read(std::string_view bytes) {
  try {
    const CompoundFile file(bytes, Limits());
    const PackageContents contents = ReadBinaryOffice(file, "\r\n");
    size_t previous = 0;
    for (size_t end : contents.partEnds) {
      FUZZ_CHECK(previous <= end);
      previous = end;
    }
    FUZZ_CHECK(previous <= contents.text.size());
  } catch (const PackageError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input = fuzz::AsText(data, size);
  if (IsCompoundFile(input)) {
    Read(input);
    return 0;
  }
  const unsigned kind = fuzz::TakeByte(input) % 3;
  if (kind == 0) {
    // A Word document: the table stream's size in two bytes, the table stream, the WordDocument
    // stream (whose flag names the table stream: both names are given it).
    const size_t low = fuzz::TakeByte(input);
    const size_t tableSize = low | fuzz::TakeByte(input) << 8;
    const std::string_view table = fuzz::Sub(input, 0, tableSize);
    const std::string_view word = fuzz::Sub(input, tableSize, std::string_view::npos);
    Read(test::CompoundBytes(
        {{u"WordDocument", std::string(word)}, {u"0Table", std::string(table)}, {u"1Table", std::string(table)}}));
  } else {
    Read(test::CompoundBytes({{kind == 1 ? u"Workbook" : u"Book", std::string(input)}}));
  }
  return 0;
}
