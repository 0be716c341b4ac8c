#include "extract/extraction_request.h"

#include "core/text/gbk_regex.h"
#include "core/text/text.h"

namespace telqor {

bool ExtractionRequest::HasSources() const { return !files.empty() || !TrimBlanks(text).empty(); }

bool ExtractionRequest::WantsPattern() const { return pattern && !TrimBlanks(patternText).empty(); }

std::string ExtractionRequest::MissingAreaCodeTableNote() const {
  const bool keepsLandlines = WantsNumbers() && (landline || output == ExtractionOutput::kFilePerKind);
  if (!areaCodeTableMissing || !keepsLandlines) return {};
  return "基础数据中没有固话区号对照表.txt，固话按写出的区号（010、02X、0XXX）识别。"
         "启动程序时在提问中选“是”，或运行 telqor-cli make-default-data，即可写入该表。";
}

void ExtractionRequest::CheckPattern() const {
  if (!pattern) return;
  GbkRegex check;
  check.SetRegEx(TrimBlanks(patternText));
  check.Compile();
}

}  // namespace telqor
