// Office packages read without a converter: the text of .docx, .xlsx, .odt and .ods archives the
// tests make, and hostile archives refused (or read) in bounded memory and time.
#include "documents/office_package.h"

#include <gtest/gtest.h>

#include <chrono>

#include "core/text/gbk.h"
#include "tests/documents/zip_maker.h"
#include "documents/xml_stream.h"

namespace telqor {
namespace {

using test::OdfManifest;
using test::PackageRelationships;
using test::RelationshipsXml;
using test::RelationshipXml;
using test::Xml;
using test::ZipBytes;
using test::ZipEntry;

const std::string kW = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
const std::string kMc = "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"";
const std::string kWps = "xmlns:wps=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\"";
const std::string kS = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
const std::string kR = "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
const std::string kOdf =
    "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
    "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
    "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
    "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" "
    "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"";

std::string Para(const std::string& runs) { return "<w:p>" + runs + "</w:p>"; }
std::string TextRun(const std::string& text) { return "<w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>"; }
std::string WordPart(const std::string& root, const std::string& body) { return Xml(root, kW + " " + kMc, body); }

// The text in UTF-8 (the package gives GBK) with its sheets' ends.
struct Read {
  std::string text;
  std::vector<size_t> partEnds;
};

Read ReadPackage(const std::string& bytes, const std::string& eol = "\r", const PackageLimits& limits = {}) {
  ZipArchive archive(std::string_view(bytes), limits);
  PackageContents contents = ReadOfficePackage(archive, eol, "_rels/.rels");
  return {GbkToUtf8(contents.text), contents.partEnds};
}

// What reading the package raises.
std::string Refusal(const std::string& bytes, const PackageLimits& limits = {}) {
  try {
    ReadPackage(bytes, "\r", limits);
  } catch (const PackageError& e) {
    return e.what();
  }
  return "no error";
}

// A package whose main part is word/document.xml, as given.
std::string WordPackage(const std::string& document, std::vector<ZipEntry> more = {}, bool stored = false) {
  more.push_back(PackageRelationships("word/document.xml"));
  more.push_back({"word/document.xml", document, stored});
  return ZipBytes(more);
}

// A document of that body, with the parts of more that its relationships name.
std::string Docx(const std::string& body, std::vector<ZipEntry> more = {}, const std::string& relationships = "") {
  if (!relationships.empty()) more.push_back({"word/_rels/document.xml.rels", RelationshipsXml(relationships)});
  return WordPackage(WordPart("w:document", "<w:body>" + body + "<w:sectPr/></w:body>"), more);
}

// ---- Word-processing packages ---------------------------------------------------------------

TEST(DocxText, ParagraphsTablesAndTextBoxesOfTheBody) {
  const std::string textBox = "<w:txbxContent>" + Para(TextRun("框内 13700137000")) + "</w:txbxContent>";
  const std::string body =
      // A paragraph's tab stops are no tab; deleted text and field codes are not shown.
      Para("<w:pPr><w:tabs><w:tab w:val=\"left\" w:pos=\"720\"/></w:tabs></w:pPr>" + TextRun("电话") +
           "<w:r><w:tab/><w:t>0755</w:t><w:noBreakHyphen/><w:t>23456789</w:t></w:r>"
           "<w:del><w:r><w:delText>13900139000</w:delText></w:r></w:del>") +
      Para(TextRun("邮箱 ") + "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>" +
           "<w:r><w:instrText> HYPERLINK \"mailto:old@example.com\" </w:instrText></w:r>" +
           "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" + TextRun("a@example.com") +
           "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>") +
      Para("<w:r><w:t>line1</w:t><w:br/><w:t>line2</w:t><w:cr/><w:t>line3</w:t></w:r>") + Para("") +
      "<w:tbl><w:tblGrid><w:gridCol/><w:gridCol/></w:tblGrid>"
      "<w:tr><w:tc>" +
      Para(TextRun("张三")) + "</w:tc><w:tc>" + Para(TextRun("13800138000")) + Para(TextRun("备用")) +
      "</w:tc></w:tr>"
      "<w:tr><w:tc><w:p/></w:tc><w:tc>" +
      Para(TextRun("x")) +
      "</w:tc></w:tr></w:tbl>"
      // A text box stands twice, for newer and for older readers; it is read once.
      + Para(TextRun("见") + "<w:r><mc:AlternateContent><mc:Choice Requires=\"wps\"><w:drawing><wps:txbx " + kWps +
             ">" + textBox + "</wps:txbx></w:drawing></mc:Choice><mc:Fallback><w:pict>" + textBox +
             "</w:pict></mc:Fallback></mc:AlternateContent></w:r>" + TextRun("右")) +
      Para("<w:moveFrom>" + TextRun("moved ") + "</w:moveFrom><w:moveTo>" + TextRun("moved ") + "</w:moveTo>" +
           TextRun("here"));
  EXPECT_EQ(ReadPackage(Docx(body)).text,
            "电话\t0755-23456789\r邮箱 a@example.com\rline1\rline2\rline3\r\r张三\t13800138000 备用\r\tx\r"
            "框内 13700137000\r见右\rmoved here\r");
}

TEST(DocxText, HeadersFootersNotesAndCommentsFollowTheBodyWhateverTheirPrefix) {
  // Elements are told by namespace: a part may bind WordprocessingML to any prefix, or none.
  const std::string x = "xmlns:x=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
  const std::string plain = "xmlns=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
  const std::string separators =
      "<w:footnote w:type=\"separator\" w:id=\"-1\"><w:p><w:r><w:separator/></w:r></w:p></w:footnote>"
      "<w:footnote w:type=\"continuationSeparator\" w:id=\"0\"><w:p><w:r><w:continuationSeparator/></w:r></w:p>"
      "</w:footnote>";
  const std::string bytes = Docx(
      Para(TextRun("正文")) + "<w:p xmlns:w=\"urn:not-word\"><w:r><w:t>not Word's</w:t></w:r></w:p>",
      {{"word/header10.xml", Xml("x:hdr", x,
                                 "<x:p><x:r><x:t>页眉十</x:t><x:ptab x:relativeTo=\"margin\" x:alignment=\"right\"/>"
                                 "<x:t>电话</x:t></x:r></x:p>")},
       {"word/header2.xml", Xml("hdr", plain, "<p><r><t>页眉 0571-88888888</t></r></p>")},
       {"word/footer1.xml", WordPart("w:ftr", Para(TextRun("页脚")))},
       {"word/footnotes.xml",
        WordPart("w:footnotes", separators + "<w:footnote w:id=\"1\">" + Para(TextRun("脚注")) + "</w:footnote>")},
       {"word/endnotes.xml", WordPart("w:endnotes", "<w:endnote w:id=\"1\">" + Para(TextRun("尾注")) + "</w:endnote>")},
       {"word/comments.xml", WordPart("w:comments", "<w:comment w:id=\"0\" w:author=\"某人\">" +
                                                        Para(TextRun("批注 13600136000")) + "</w:comment>")},
       {"word/headers.xml", WordPart("w:hdr", Para(TextRun("not a header part")))},
       {"word/styles.xml", WordPart("w:styles", Para(TextRun("not text")))}},
      // The parts are the ones the relationships name, each once, headers in the order of their
      // numbers; word/headers.xml is named by none, styles hold no text, header3.xml is lost.
      RelationshipXml("rId1", "styles", "styles.xml") + RelationshipXml("rId2", "comments", "comments.xml") +
          RelationshipXml("rId3", "header", "header10.xml") + RelationshipXml("rId4", "header", "/word/header2.xml") +
          RelationshipXml("rId5", "header", "header3.xml") + RelationshipXml("rId6", "footer", "footer1.xml") +
          RelationshipXml("rId7", "footer", "./footer1.xml") + RelationshipXml("rId8", "endnotes", "endnotes.xml") +
          RelationshipXml("rId9", "http://purl.oclc.org/ooxml/officeDocument/relationships/footnotes", "footnotes.xml"));
  EXPECT_EQ(ReadPackage(bytes).text, "正文\r页眉 0571-88888888\r页眉十\t电话\r页脚\r脚注\r尾注\r批注 13600136000\r");
}

// The main part is the one _rels/.rels names, wherever it is and whatever it is called (Word
// Online writes word/document2.xml); its own relationships name the rest.
TEST(DocxText, TheMainPartIsTheOneThePackageNames) {
  const std::vector<ZipEntry> online = {
      PackageRelationships("/word/document2.xml"),
      {"word/document2.xml", WordPart("w:document", "<w:body>" + Para(TextRun("正文 13800138000")) + "</w:body>")},
      {"word/_rels/document2.xml.rels", RelationshipsXml(RelationshipXml("rId1", "footer", "footer9.xml"))},
      {"word/footer9.xml", WordPart("w:ftr", Para(TextRun("页脚 0755-23456789")))},
      // Parts by the usual names that the package does not name are not its text.
      {"word/document.xml", WordPart("w:document", "<w:body>" + Para(TextRun("旧稿")) + "</w:body>")},
      {"word/_rels/document.xml.rels", RelationshipsXml(RelationshipXml("rId1", "footer", "footer1.xml"))},
      {"word/footer1.xml", WordPart("w:ftr", Para(TextRun("旧页脚")))}};
  EXPECT_EQ(ReadPackage(ZipBytes(online)).text, "正文 13800138000\r页脚 0755-23456789\r");

  // Without the package's relationships nothing is assumed: no part is its main part.
  EXPECT_EQ(Refusal(ZipBytes({online.begin() + 1, online.end()})), "文件已损坏（缺少 _rels/.rels）");
  EXPECT_EQ(Refusal(ZipBytes({PackageRelationships("word/document2.xml", "styles"), online[1]})),
            "文件已损坏（_rels/.rels 未指明主部件）");
  EXPECT_EQ(Refusal(ZipBytes({PackageRelationships("word/document3.xml"), online[1]})),
            "文件已损坏（缺少 word/document3.xml）");
  // A main part of no kind read here.
  EXPECT_EQ(Refusal(ZipBytes({PackageRelationships("ppt/presentation.xml"),
                              {"ppt/presentation.xml",
                               Xml("p:presentation",
                                   "xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"", "")}})),
            "格式不受支持（ppt/presentation.xml 既不是 Word 文档也不是 Excel 工作簿）");
}

// ---- Spreadsheet packages -------------------------------------------------------------------

std::string Sheet(const std::string& rows) { return Xml("worksheet", kS, "<sheetData>" + rows + "</sheetData>"); }

std::string Xlsx(std::vector<ZipEntry> sheets, const std::string& workbookSheets, const std::string& relationships) {
  sheets.push_back({"xl/workbook.xml", Xml("workbook", kS + " " + kR, "<sheets>" + workbookSheets + "</sheets>")});
  sheets.push_back({"xl/_rels/workbook.xml.rels", RelationshipsXml(relationships)});
  sheets.push_back(PackageRelationships("xl/workbook.xml"));
  return ZipBytes(sheets);
}

TEST(XlsxText, SheetsInWorkbookOrderWithTheirValues) {
  const std::string strings = Xml("sst", kS,
                                  "<si><t>张三</t></si>"
                                  "<si><r><t>138</t></r><r><rPr><b/></rPr><t>00138000</t></r>"
                                  "<rPh sb=\"0\" eb=\"1\"><t>チョウ</t></rPh><phoneticPr fontId=\"1\"/></si>"
                                  "<si><t>备注_x000D_</t></si>");
  const std::string first = Sheet(
      "<row r=\"2\"><c r=\"B2\" t=\"s\"><v>0</v></c><c r=\"D2\" t=\"s\"><v>1</v></c></row>"
      "<row r=\"3\" spans=\"1:9\"><c r=\"A3\"><v>13800138000</v></c><c r=\"B3\" s=\"3\"><v>1.3800138E10</v></c>"
      "<c r=\"C3\" t=\"b\"><v>1</v></c><c r=\"D3\" t=\"str\"><f>A1&amp;\"\"</f><v>公式</v></c>"
      "<c r=\"E3\" t=\"inlineStr\"><is><r><t>内</t></r><r><t>联</t></r><rPh><t>x</t></rPh></is></c>"
      "<c r=\"F3\" s=\"1\"/><c r=\"G3\" t=\"e\"><f>NA()</f><v>#N/A</v></c><c r=\"H3\" t=\"b\"><v>0</v></c>"
      "<c r=\"I3\" s=\"2\"/></row>"
      "<row r=\"5\" ht=\"20\" customHeight=\"1\"/>");
  // Cells and rows without references follow the ones before them.
  const std::string second = Sheet("<row><c><v>1</v></c><c t=\"s\"><v>2</v></c></row><row><c><v>3.25</v></c></row>");
  const std::string bytes =
      Xlsx({{"xl/worksheets/sheet1.xml", second}, {"xl/worksheets/sheet2.xml", first}, {"xl/strings.xml", strings}},
           "<sheet name=\"甲\" sheetId=\"2\" r:id=\"rId2\"/><sheet name=\"图\" sheetId=\"3\" r:id=\"rId3\"/>"
           "<sheet name=\"乙\" sheetId=\"1\" r:id=\"rId1\"/><sheet name=\"丢\" sheetId=\"4\" r:id=\"rId9\"/>",
           RelationshipXml("rId1", "worksheet", "worksheets/sheet1.xml") +
               RelationshipXml("rId2", "worksheet", "/xl/worksheets/sheet2.xml") +
               RelationshipXml("rId3", "chartsheet", "chartsheets/sheet1.xml") +
               RelationshipXml("rId4", "sharedStrings", "strings.xml"));
  const Read read = ReadPackage(bytes, "\r\n");
  const std::string sheets[] = {
      "\r\n\t张三\t\t13800138000\r\n13800138000\t13800138000\tTRUE\t公式\t内联\t\t#N/A\tFALSE\r\n",
      "1\t\"备注\r\n\"\r\n3.25\r\n"};
  EXPECT_EQ(read.text, sheets[0] + sheets[1]);
  EXPECT_EQ(read.partEnds, (std::vector<size_t>{Utf8ToGbk(sheets[0]).size(), Utf8ToGbk(sheets[0] + sheets[1]).size()}));
}

// Its sheets and strings are what the workbook's relationships name, from the workbook's own
// folder, wherever that is.
TEST(XlsxText, AWorkbookAtThePackagesRootAndOneWithoutStrings) {
  const std::string sheet = Sheet("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\"><v>7</v></c></row>");
  const std::vector<ZipEntry> root = {
      PackageRelationships("workbook.xml"),
      {"workbook.xml", Xml("workbook", kS + " " + kR, "<sheets><sheet name=\"a\" sheetId=\"1\" r:id=\"rId1\"/></sheets>")},
      {"_rels/workbook.xml.rels", RelationshipsXml(RelationshipXml("rId1", "worksheet", "worksheets/sheet1.xml") +
                                                   RelationshipXml("rId2", "sharedStrings", "sharedStrings.xml"))},
      {"worksheets/sheet1.xml", sheet},
      {"sharedStrings.xml", Xml("sst", kS, "<si><t>电话</t></si>")},
      // Where a workbook usually keeps them, named by nothing.
      {"xl/worksheets/sheet1.xml", Sheet("<row><c><v>1</v></c></row>")},
      {"xl/sharedStrings.xml", Xml("sst", kS, "<si><t>别处</t></si>")}};
  EXPECT_EQ(ReadPackage(ZipBytes(root), "\r\n").text, "电话\t7\r\n");
  // No strings named: a string cell is empty.
  EXPECT_EQ(ReadPackage(Xlsx({{"xl/worksheets/sheet1.xml", sheet}, {"xl/sharedStrings.xml", root[4].bytes}},
                             "<sheet name=\"a\" sheetId=\"1\" r:id=\"rId1\"/>",
                             RelationshipXml("rId1", "worksheet", "worksheets/sheet1.xml")),
                        "\r\n")
                .text,
            "\t7\r\n");
}

// A workbook with no sheet to read is refused with its reason: no text would pass for a
// workbook without numbers.
TEST(XlsxText, WorkbooksWithNoSheetToReadAreRefused) {
  const std::string sheet = Sheet("<row><c><v>13800138000</v></c></row>");
  const std::string one = "<sheet name=\"a\" sheetId=\"1\" r:id=\"rId1\"/>";
  const std::string toSheet = RelationshipXml("rId1", "worksheet", "worksheets/sheet1.xml");
  EXPECT_EQ(Refusal(Xlsx({{"xl/worksheets/sheet1.xml", sheet}}, "", toSheet)), "文件已损坏（工作簿中没有工作表）");
  EXPECT_EQ(Refusal(ZipBytes({PackageRelationships("xl/workbook.xml"),
                              {"xl/workbook.xml", Xml("workbook", kS + " " + kR, "<sheets>" + one + "</sheets>")},
                              {"xl/worksheets/sheet1.xml", sheet}})),
            "文件已损坏（缺少 xl/_rels/workbook.xml.rels）");
  EXPECT_EQ(Refusal(Xlsx({}, one, toSheet)), "文件已损坏（缺少 xl/worksheets/sheet1.xml）");
  EXPECT_EQ(Refusal(Xlsx({{"xl/chartsheets/sheet1.xml", "<chartsheet/>"}}, one,
                         RelationshipXml("rId1", "chartsheet", "chartsheets/sheet1.xml"))),
            "工作簿中没有可读取的工作表");
  // A sheet lost beside one that is there: the one there is read.
  EXPECT_EQ(ReadPackage(Xlsx({{"xl/worksheets/sheet2.xml", sheet}}, one + "<sheet name=\"b\" sheetId=\"2\" r:id=\"rId2\"/>",
                             toSheet + RelationshipXml("rId2", "worksheet", "worksheets/sheet2.xml")),
                        "\r\n")
                .text,
            "13800138000\r\n");
  // A workbook of the 2007 beta: its parts are in namespaces of their own.
  const std::string beta =
      "xmlns=\"http://schemas.microsoft.com/office/excel/2006/2\" "
      "xmlns:r=\"http://schemas.microsoft.com/office/2006/relationships\"";
  EXPECT_EQ(Refusal(ZipBytes(
                {PackageRelationships("xl/workbook.xml", "http://schemas.microsoft.com/office/2006/relationships/officeDocument"),
                 {"xl/workbook.xml", Xml("workbook", beta, "<sheets>" + one + "</sheets>")},
                 {"xl/_rels/workbook.xml.rels",
                  RelationshipsXml(RelationshipXml(
                      "rId1", "http://schemas.microsoft.com/office/2006/relationships/worksheet", "worksheets/sheet1.xml"))},
                 {"xl/worksheets/sheet1.xml", Xml("worksheet", beta, "<sheetData/>")}})),
            "格式不受支持（xl/workbook.xml 既不是 Word 文档也不是 Excel 工作簿）");
}

// Numbers as the General format shows them: fifteen significant digits, in full digits.
TEST(PackageNumbers, CellsAsTheGeneralFormatShowsThem) {
  const std::string stored[] = {"324374.15999999997", "13912345678", "-1.5E-7", "1E+20", "1234567890123456789"};
  const std::string shown =
      "324374.16\t13912345678\t-0.00000015\t100000000000000000000\t1234567890123460000\r\n";
  std::string cells, odsCells;
  for (const std::string& value : stored) {
    cells += "<c><v>" + value + "</v></c>";
    odsCells += "<table:table-cell office:value-type=\"float\" office:value=\"" + value + "\"><text:p>" + value +
                "</text:p></table:table-cell>";
  }
  EXPECT_EQ(ReadPackage(Xlsx({{"xl/worksheets/sheet1.xml", Sheet("<row>" + cells + "</row>")}},
                             "<sheet name=\"a\" sheetId=\"1\" r:id=\"rId1\"/>",
                             RelationshipXml("rId1", "worksheet", "worksheets/sheet1.xml")),
                        "\r\n")
                .text,
            shown);
  EXPECT_EQ(ReadPackage(ZipBytes({OdfManifest(),
                                  {"content.xml", Xml("office:document-content", kOdf,
                                                      "<office:body><office:spreadsheet><table:table><table:table-row>" +
                                                          odsCells +
                                                          "</table:table-row></table:table></office:spreadsheet>"
                                                          "</office:body>")}}),
                        "\r\n")
                .text,
            shown);
}

// ---- OpenDocument packages ------------------------------------------------------------------

std::string Odf(const std::string& body, const std::string& styles = "") {
  std::vector<ZipEntry> entries = {
      {"mimetype", "application/vnd.oasis.opendocument.text", true}, OdfManifest(),
      {"content.xml", Xml("office:document-content", kOdf, "<office:body>" + body + "</office:body>")}};
  if (!styles.empty()) entries.push_back({"styles.xml", Xml("office:document-styles", kOdf, styles)});
  return ZipBytes(entries);
}

TEST(OdfText, TextDocumentParagraphsTablesStoriesAndHeaders) {
  const std::string body =
      "<office:text><text:sequence-decls><text:sequence-decl text:name=\"Table\"/></text:sequence-decls>"
      "<text:tracked-changes><text:changed-region><text:deletion><text:p>删除 13900139000</text:p>"
      "</text:deletion></text:changed-region></text:tracked-changes>"
      "<text:h text:outline-level=\"1\">标题</text:h>"
      // White space counts once and not at a paragraph's start; text:s, text:tab and
      // text:line-break are written as they say.
      "<text:p>\n   手机   13800138000\n   座机<text:s text:c=\"3\"/>0755-23456789<text:tab/>x"
      "<text:line-break/>  y <text:span>z</text:span></text:p>"
      "<text:p>脚注<text:note text:note-class=\"footnote\"><text:note-citation>1</text:note-citation>"
      "<text:note-body><text:p>注 13600136000</text:p></text:note-body></text:note>后文</text:p>"
      "<text:p>框<draw:frame><svg:title>图题</svg:title><draw:text-box><text:p>框内 13700137000</text:p>"
      "</draw:text-box></draw:frame>外</text:p>"
      "<table:table><table:table-column table:number-columns-repeated=\"2\"/>"
      "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>张三</text:p></table:table-cell>"
      "<table:table-cell><text:p>a</text:p><text:list><text:list-item><text:p>b</text:p></text:list-item>"
      "</text:list></table:table-cell></table:table-row>"
      "<table:table-row><table:covered-table-cell/><table:table-cell><text:p>c</text:p></table:table-cell>"
      "</table:table-row></table:table>"
      "<text:p><office:annotation><dc:creator>某人</dc:creator><dc:date>2024-01-01</dc:date>"
      "<text:p>批注 0571-88888888</text:p></office:annotation>正文</text:p>"
      "<text:p/></office:text>";
  const std::string styles =
      "<office:styles><style:style style:name=\"P\"><style:paragraph-properties/></style:style></office:styles>"
      "<office:master-styles><style:master-page style:name=\"Standard\"><style:header>"
      "<text:p>页眉 400-800-8888</text:p></style:header><style:footer-left><text:p>页脚</text:p>"
      "</style:footer-left></style:master-page></office:master-styles>";
  EXPECT_EQ(ReadPackage(Odf(body, styles)).text,
            "标题\r手机 13800138000 座机   0755-23456789\tx\ry z\r注 13600136000\r脚注后文\r框内 13700137000\r框外\r"
            "张三\ta b\r\tc\r批注 0571-88888888\r正文\r\r页眉 400-800-8888\r页脚\r");
}

TEST(OdfText, SpreadsheetValuesRepeatsAndEmptyEdgesThatCostNothing) {
  const std::string body =
      "<office:spreadsheet><table:table table:name=\"甲\">"
      "<table:table-column table:number-columns-repeated=\"1024\"/>"
      "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell table:number-columns-repeated=\"1024\"/>"
      "</table:table-row>"
      "<table:table-row><table:table-cell office:value-type=\"float\" office:value=\"13800138000\">"
      "<text:p>1.38E+10</text:p></table:table-cell><table:table-cell table:number-columns-repeated=\"2\"/>"
      "<table:table-cell office:value-type=\"string\"><text:p>张三</text:p><office:annotation><text:p>批注</text:p>"
      "</office:annotation></table:table-cell><table:table-cell table:number-columns-repeated=\"16000\"/>"
      "</table:table-row>"
      "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell office:value-type=\"percentage\" "
      "office:value=\"0.5\"><text:p>50%</text:p></table:table-cell><table:table-cell "
      "table:number-columns-repeated=\"3\" office:value-type=\"string\"><text:p>x</text:p></table:table-cell>"
      "</table:table-row>"
      "<table:table-row><table:table-cell><text:p>a<text:s text:c=\"2\"/>b<text:tab/>c</text:p>"
      "<draw:frame><draw:text-box><text:p>shape</text:p></draw:text-box></draw:frame></table:table-cell>"
      "<table:covered-table-cell><text:p>覆盖</text:p></table:covered-table-cell></table:table-row>"
      "<table:table-row table:number-rows-repeated=\"1048570\"><table:table-cell "
      "table:number-columns-repeated=\"1024\"/></table:table-row></table:table>"
      "<table:table table:name=\"乙\"><table:table-row><table:table-cell office:value-type=\"currency\" "
      "office:currency=\"CNY\" office:value=\"1.5E-3\"><text:p>¥0.00</text:p></table:table-cell>"
      "<table:table-cell office:value-type=\"date\" office:date-value=\"2024-01-02\"><text:p>2024年1月2日</text:p>"
      "</table:table-cell></table:table-row></table:table>"
      "<table:named-expressions/></office:spreadsheet>";
  const auto start = std::chrono::steady_clock::now();
  const Read read = ReadPackage(Odf(body), "\r\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  const std::string first = "\r\n\r\n13800138000\t\t\t张三\r\n0.5\tx\tx\tx\r\n0.5\tx\tx\tx\r\n\"a  b\tc\"\t覆盖\r\n";
  EXPECT_EQ(read.text, first + "0.0015\t2024年1月2日\r\n");
  EXPECT_EQ(read.partEnds.size(), 2u);
}

TEST(OdfText, PasswordProtectedPackageIsSaidToBeSo) {
  const std::string manifest = Xml(
      "manifest:manifest", "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\"",
      "<manifest:file-entry manifest:full-path=\"content.xml\"><manifest:encryption-data manifest:checksum-type=\"x\"/>"
      "</manifest:file-entry>");
  EXPECT_EQ(Refusal(ZipBytes({{"META-INF/manifest.xml", manifest}, {"content.xml", "\x8F\x01 encrypted"}})),
            "受密码保护");
}

// The parts read are the ones the manifest lists; content.xml must be one, and must hold a text
// document or a spreadsheet with a sheet.
TEST(OdfText, TheManifestNamesThePartsRead) {
  auto content = [](const std::string& body) {
    return ZipEntry{"content.xml", Xml("office:document-content", kOdf, "<office:body>" + body + "</office:body>")};
  };
  const ZipEntry styles{"styles.xml", Xml("office:document-styles", kOdf,
                                          "<office:master-styles><style:master-page><style:footer><text:p>页脚</text:p>"
                                          "</style:footer></style:master-page></office:master-styles>")};
  const ZipEntry text = content("<office:text><text:p>正文</text:p></office:text>");
  EXPECT_EQ(ReadPackage(ZipBytes({OdfManifest(), text, styles})).text, "正文\r页脚\r");
  EXPECT_EQ(ReadPackage(ZipBytes({OdfManifest({"content.xml"}), text, styles})).text, "正文\r");
  EXPECT_EQ(Refusal(ZipBytes({OdfManifest({"styles.xml"}), text, styles})),
            "文件已损坏（META-INF/manifest.xml 未列出 content.xml）");
  EXPECT_EQ(Refusal(ZipBytes({OdfManifest(), styles})), "文件已损坏（缺少 content.xml）");
  EXPECT_EQ(Refusal(ZipBytes({OdfManifest(), content("<office:spreadsheet/>")})), "文件已损坏（工作簿中没有工作表）");
  EXPECT_EQ(Refusal(ZipBytes({OdfManifest(), content("<office:chart/>")})),
            "格式不受支持（content.xml 既不是文本文档也不是电子表格）");
}

// ---- Archives and XML that are damaged or hostile -------------------------------------------

TEST(HostilePackages, DamagedArchivesAndMissingOrBrokenParts) {
  EXPECT_EQ(Refusal("PK\x03\x04 not really an archive"), "文件已损坏（不是有效的压缩包）");
  EXPECT_EQ(Refusal(ZipBytes({{"readme.txt", "hi"}})), "文件已损坏（缺少 _rels/.rels）");
  EXPECT_EQ(Refusal(WordPackage("<w:document " + kW + "><w:body>")),
            "文件已损坏（word/document.xml 不是正确的 XML：no element found，第 1 行）");
  // An entity no declaration defines is an error, not an empty string.
  EXPECT_EQ(Refusal(WordPackage(WordPart("w:document", Para(TextRun("&ext;"))))),
            "文件已损坏（word/document.xml 不是正确的 XML：undefined entity，第 2 行）");
  // An entry whose checksum is wrong.
  std::string bytes = WordPackage(WordPart("w:document", Para(TextRun("13800138000"))), {}, true);
  bytes[bytes.find("13800138000")] = '2';
  EXPECT_EQ(Refusal(bytes), "文件已损坏（CRC error）");
}

TEST(HostilePackages, NoDocumentTypeDeclarationIsEverRead) {
  const std::string laughs =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE w:document [<!ENTITY a \"13800138000\">"
      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
      "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
      "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">"
      "<!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;\"><!ENTITY i \"&h;&h;&h;&h;&h;&h;&h;&h;&h;&h;\">]>"
      "<w:document " +
      kW + "><w:body><w:p><w:r><w:t>&i;</w:t></w:r></w:p></w:body></w:document>";
  const std::string external =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE w:document [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
      "<w:document " +
      kW + "><w:body><w:p><w:r><w:t>&x;</w:t></w:r></w:p></w:body></w:document>";
  const std::string externalDtd =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE w:document SYSTEM \"http://example.com/x.dtd\">"
      "<w:document " +
      kW + "/>";
  for (const std::string& part : {laughs, external, externalDtd})
    EXPECT_EQ(Refusal(WordPackage(part)), "word/document.xml 含有文档类型声明（DTD），不予读取");
  // The same in a part read after the main one.
  EXPECT_EQ(Refusal(Docx(Para(TextRun("x")), {{"word/comments.xml", laughs}},
                            RelationshipXml("rId1", "comments", "comments.xml"))),
            "word/comments.xml 含有文档类型声明（DTD），不予读取");
}

TEST(HostilePackages, EntriesBeyondTheLimitsAreRefusedBeforeTheyCostMuch) {
  // A hundred thousand entries are refused before any is read; 20,000 are refused too.
  std::vector<ZipEntry> many;
  for (int i = 0; i <= 20000; ++i) many.push_back({std::to_string(i) + ".xml", "", true});
  EXPECT_EQ(Refusal(ZipBytes(many)), "压缩包内的文件过多（20001 个，最多 20000 个）");

  // An entry that inflates far more than XML does: refused by its stated size, or once it has
  // inflated past the size from which the ratio counts.
  const std::string document = Docx(Para(TextRun(std::string(1 << 20, '1'))));
  PackageLimits limits;
  limits.partSize = 100000;
  EXPECT_EQ(Refusal(document, limits), "word/document.xml 解压后超过 100000 字节，不予读取");
  limits = {};
  limits.ratioFrom = 64 * 1024;
  limits.ratio = 100;
  EXPECT_EQ(Refusal(document, limits), "word/document.xml 的压缩率异常（超过 100 倍），可能是恶意构造的文件，不予读取");
  EXPECT_EQ(ReadPackage(document).text.size(), (1u << 20) + 1);  // within the real limits it reads

  // An entry whose stated size lies: the bytes inflated are counted, and more than it states is
  // refused at once.
  std::string lying = document;
  const std::string name = "word/document.xml";
  for (size_t at = lying.find("PK\x01\x02"); at != std::string::npos; at = lying.find("PK\x01\x02", at + 1))
    if (lying.compare(at + 46, name.size(), name) == 0) lying.replace(at + 24, 4, std::string("\x10\0\0\0", 4));
  EXPECT_EQ(Refusal(lying), "文件已损坏（word/document.xml 解压后的大小与记录不符）");
}

TEST(HostilePackages, EntriesTogetherStayWithinTheLimitsOfOne) {
  // A hundred headers, each inflating too little for the ratio to count, and too much together.
  std::vector<ZipEntry> headers;
  std::string relationships;
  for (int i = 1; i <= 100; ++i) {
    const std::string name = "header" + std::to_string(i) + ".xml";
    headers.push_back({"word/" + name, WordPart("w:hdr", Para(TextRun(std::string(100000, 'h'))))});
    relationships += RelationshipXml("rId" + std::to_string(i), "header", name);
  }
  const std::string bytes = Docx(Para(TextRun("body")), headers, relationships);
  PackageLimits limits;
  limits.ratioFrom = 1 << 20;
  limits.ratio = 100;
  EXPECT_EQ(Refusal(bytes, limits), "压缩包的压缩率异常（超过 100 倍），可能是恶意构造的文件，不予读取");
  limits = {};
  limits.partSize = 1 << 20;
  EXPECT_EQ(Refusal(bytes, limits), "压缩包解压后共超过 1 MB，不予读取");
  EXPECT_EQ(ReadPackage(bytes).text.size(), 5 + 100 * 100001);
}

TEST(HostilePackages, TextTagsNestingAndSharedStringsStayWithinTheirLimits) {
  PackageLimits limits;
  limits.text = 1000;
  EXPECT_EQ(Refusal(Docx(Para(TextRun(std::string(2000, 'x')))), limits), "文本超过 1000 字节，文件过大，不予读取");
  // One shared string referred to by many cells makes much text from little XML.
  std::string rows;
  for (int i = 0; i < 200; ++i) rows += "<row><c t=\"s\"><v>0</v></c></row>";
  const std::string workbook =
      Xlsx({{"xl/worksheets/sheet1.xml", Sheet(rows)},
            {"xl/sharedStrings.xml", Xml("sst", kS, "<si><t>" + std::string(100, 'y') + "</t></si>")}},
           "<sheet r:id=\"rId1\"/>",
           RelationshipXml("rId1", "worksheet", "worksheets/sheet1.xml") +
               RelationshipXml("rId2", "sharedStrings", "sharedStrings.xml"));
  EXPECT_EQ(Refusal(workbook, limits), "文本超过 1000 字节，文件过大，不予读取");
  limits = {};
  limits.sharedStrings = 50;
  EXPECT_EQ(Refusal(workbook, limits), "共享字符串超过 50 字节，不予读取");

  std::string deep;
  for (int i = 0; i < 3000; ++i) deep += "<w:sdt>";
  EXPECT_EQ(Refusal(WordPackage("<w:document " + kW + ">" + deep)),
            "word/document.xml 的元素嵌套超过 2000 层，不予读取");
  limits = {};
  limits.xmlToken = 1 << 20;
  EXPECT_EQ(Refusal(Docx("<w:p w:rsidR=\"" + std::string(2 << 20, 'A') + "\"/>"), limits),
            "word/document.xml 中有超过 1 MB 的 XML 标记，不予读取");
  EXPECT_EQ(Refusal(Docx("<!--" + std::string(2 << 20, 'c') + "-->"), limits),
            "word/document.xml 中有超过 1 MB 的 XML 标记，不予读取");
  // Text is no tag: expat hands it over as it comes, however long.
  EXPECT_EQ(ReadPackage(Docx(Para(TextRun(std::string(4 << 20, 't')))), "\r", limits).text.size(), (4u << 20) + 1);
}

TEST(HostilePackages, StopIsSeenBetweenChunks) {
  const std::string bytes = Docx(Para(TextRun("13800138000")));
  std::atomic<bool> stop = true;
  ZipArchive archive(std::string_view(bytes), {}, &stop);
  EXPECT_THROW(ReadOfficePackage(archive, "\r", "_rels/.rels"), PackageStopped);
}

// An XML stream fed in pieces of any size gives what one piece gives.
TEST(XmlStream, ChunkBoundariesAnywhereGiveTheSameEvents) {
  struct Recorder : XmlHandler {
    void Start(const XmlName& name, const XmlAttributes& attributes) override {
      events += "<" + std::string(name.local) + "|" + std::string(attributes.Get("", "a").value_or("-")) + ">";
    }
    void End(const XmlName& name) override { events += "</" + std::string(name.local) + ">"; }
    void Text(std::string_view text) override { events += text; }
    std::string events;
  };
  const std::string xml =
      "<?xml version=\"1.0\"?><r xmlns=\"urn:x\"><e a=\"1&amp;2\">张三 &lt;13800138000&gt;</e>"
      "<![CDATA[<raw>]]><!-- note --><?pi x?></r>";
  Recorder whole;
  XmlStream one(whole, "p", {});
  one.Feed(xml);
  one.Finish();
  EXPECT_EQ(whole.events, "<r|-><e|1&2>张三 <13800138000></e><raw></r>");
  for (size_t size : {1, 2, 3, 7}) {
    Recorder pieces;
    XmlStream stream(pieces, "p", {});
    for (size_t at = 0; at < xml.size(); at += size) stream.Feed(std::string_view(xml).substr(at, size));
    stream.Finish();
    EXPECT_EQ(pieces.events, whole.events) << size;
  }
}

}  // namespace
}  // namespace telqor
