#include "documents/converter_advice.h"

namespace telqor {

std::string MissingOfficeSuite() { return "没有找到 LibreOffice，请安装 LibreOffice 后再读取此类文件"; }
std::string MissingPdfConverter() { return "没有找到 pdftotext.exe，请把 pdftotext.exe 放在程序所在的文件夹中"; }

}  // namespace telqor
