#include "extract/extraction_request.h"

#include "core/text/gbk_regex.h"
#include "core/text/text.h"

namespace telqor {

bool ExtractionRequest::HasSources() const { return !files.empty() || !TrimBlanks(text).empty(); }

bool ExtractionRequest::WantsPattern() const { return pattern && !TrimBlanks(patternText).empty(); }

void ExtractionRequest::CheckPattern() const {
  if (!pattern) return;
  GbkRegex check;
  check.SetRegEx(TrimBlanks(patternText));
  check.Compile();
}

}  // namespace telqor
