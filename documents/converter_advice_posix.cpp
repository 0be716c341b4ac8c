#include "documents/converter_advice.h"

namespace telqor {

std::string MissingOfficeSuite() { return "没有找到 LibreOffice（soffice）"; }
std::string MissingPdfConverter() { return "没有找到 pdftotext（poppler-utils）"; }

}  // namespace telqor
