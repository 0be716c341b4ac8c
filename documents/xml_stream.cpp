#include "documents/xml_stream.h"

#include <expat.h>

#include <cstring>
#include <exception>

namespace telqor {
namespace {

// Between a namespace and a local name in the names expat reports: no XML name or namespace
// holds it.
constexpr char kSeparator = '\x01';

XmlName Split(const char* name) {
  std::string_view whole(name);
  const size_t at = whole.find(kSeparator);
  if (at == std::string_view::npos) return {{}, whole};
  return {whole.substr(0, at), whole.substr(at + 1)};
}

}  // namespace

std::optional<std::string_view> XmlAttributes::Get(std::string_view ns, std::string_view local) const {
  for (const char** p = pairs_; *p; p += 2) {
    const XmlName name = Split(p[0]);
    if (name.local == local && name.ns == ns) return std::string_view(p[1]);
  }
  return std::nullopt;
}

struct XmlStream::Parser {
  Parser(XmlHandler& handler, std::string part, const PackageLimits& limits)
      : handler(handler), part(std::move(part)), limits(limits), expat(XML_ParserCreateNS(nullptr, kSeparator)) {
    if (!expat) throw std::bad_alloc();
    XML_SetUserData(expat, this);
    XML_SetParamEntityParsing(expat, XML_PARAM_ENTITY_PARSING_NEVER);
    XML_SetStartDoctypeDeclHandler(expat, [](void* self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
      static_cast<Parser*>(self)->Refuse();
    });
    XML_SetEntityDeclHandler(
        expat, [](void* self, const XML_Char*, int, const XML_Char*, int, const XML_Char*, const XML_Char*,
                  const XML_Char*, const XML_Char*) { static_cast<Parser*>(self)->Refuse(); });
    XML_SetElementHandler(
        expat,
        [](void* self, const XML_Char* name, const XML_Char** attributes) {
          auto* parser = static_cast<Parser*>(self);
          parser->Guard([&] {
            if (++parser->depth > parser->limits.xmlDepth)
              throw PackageError(parser->part + " 的元素嵌套超过 " + std::to_string(parser->limits.xmlDepth) +
                                 " 层，不予读取");
            parser->handler.Start(Split(name), XmlAttributes(attributes));
          });
        },
        [](void* self, const XML_Char* name) {
          auto* parser = static_cast<Parser*>(self);
          parser->Guard([&] {
            --parser->depth;
            parser->handler.End(Split(name));
          });
        });
    XML_SetCharacterDataHandler(expat, [](void* self, const XML_Char* text, int length) {
      auto* parser = static_cast<Parser*>(self);
      parser->Guard([&] { parser->handler.Text(std::string_view(text, static_cast<size_t>(length))); });
    });
    // Comments and processing instructions mean nothing here, but they end a token.
    XML_SetCommentHandler(expat, [](void* self, const XML_Char*) { static_cast<Parser*>(self)->quiet = 0; });
    XML_SetProcessingInstructionHandler(
        expat, [](void* self, const XML_Char*, const XML_Char*) { static_cast<Parser*>(self)->quiet = 0; });
  }
  ~Parser() { XML_ParserFree(expat); }

  // Runs a handler's work inside expat's callback: an exception may not cross expat's C frames,
  // so it stops the parse and is raised again once expat has returned.
  template <typename F>
  void Guard(F&& work) {
    quiet = 0;
    if (failure) return;
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
      XML_StopParser(expat, XML_FALSE);
    }
  }

  void Refuse() {
    doctype = true;
    XML_StopParser(expat, XML_FALSE);
  }

  void Parse(const char* data, size_t size, bool last) {
    quiet += size;
    const XML_Status status = XML_Parse(expat, data, static_cast<int>(size), last);
    if (failure) std::rethrow_exception(failure);
    if (doctype) throw PackageError(part + " 含有文档类型声明（DTD），不予读取");
    if (status != XML_STATUS_OK)
      throw PackageError("文件已损坏（" + part + " 不是正确的 XML：" + XML_ErrorString(XML_GetErrorCode(expat)) +
                         "，第 " + std::to_string(XML_GetCurrentLineNumber(expat)) + " 行）");
    // Expat holds an unfinished token whole and scans it again with every chunk: a tag (or a
    // comment) of megabytes is no office part's.
    if (quiet > limits.xmlToken)
      throw PackageError(part + " 中有超过 " + SizeText(limits.xmlToken) + " 的 XML 标记，不予读取");
  }

  XmlHandler& handler;
  const std::string part;
  const PackageLimits limits;
  XML_Parser expat;
  size_t depth = 0;
  size_t quiet = 0;  // bytes fed since the last event
  bool doctype = false;
  std::exception_ptr failure;
};

XmlStream::XmlStream(XmlHandler& handler, std::string part, const PackageLimits& limits)
    : parser_(std::make_unique<Parser>(handler, std::move(part), limits)) {}

XmlStream::~XmlStream() = default;

void XmlStream::Feed(std::string_view chunk) {
  // Expat takes an int length; chunks are far smaller, but a caller's piece need not be.
  constexpr size_t kMost = size_t{1} << 30;
  while (chunk.size() > kMost) {
    parser_->Parse(chunk.data(), kMost, false);
    chunk.remove_prefix(kMost);
  }
  parser_->Parse(chunk.data(), chunk.size(), false);
}

void XmlStream::Finish() { parser_->Parse(nullptr, 0, true); }

void ReadXmlPart(const ZipArchive& archive, std::string_view part, XmlHandler& handler) {
  XmlStream stream(handler, std::string(part), archive.Limits());
  archive.Read(part, [&](std::string_view chunk) { stream.Feed(chunk); });
  stream.Finish();
}

}  // namespace telqor
