#include "documents/binary_office.h"

#include "documents/package_text.h"
#include "documents/word_binary_text.h"
#include "documents/xls_text.h"

namespace telqor {

PackageContents ReadBinaryOffice(const CompoundFile& file, std::string_view eol) {
  PackageText out(std::string(eol), file.Limits().text);
  if (file.Has(u"WordDocument"))
    ReadWordBinaryText(file, out);
  else if (file.Has(u"Workbook") || file.Has(u"Book"))
    ReadXlsText(file, out);
  else
    throw UnsupportedFormat("格式不受支持（既不是 Word 文档也不是 Excel 工作簿）");
  PackageContents contents;
  contents.partEnds = out.PartEnds();
  contents.text = out.TakeText();
  return contents;
}

}  // namespace telqor
