// XML parts read as a stream of events with expat, fed a chunk at a time: nothing is kept but what
// the handler keeps. Elements are told by namespace and local name, never by prefix. A part with
// a document type declaration is refused before any of it is expanded, so no entity (internal,
// nested or external) is ever defined, let alone loaded.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "documents/zip_archive.h"

namespace telqor {

struct XmlName {
  std::string_view ns;  // empty for an element without a namespace
  std::string_view local;
  bool Is(std::string_view space, std::string_view name) const { return local == name && ns == space; }
};

class XmlAttributes {
 public:
  explicit XmlAttributes(const char** pairs) : pairs_(pairs) {}
  // The value of the attribute; ns is empty for an attribute without a prefix (which has no
  // namespace, whatever the element's).
  std::optional<std::string_view> Get(std::string_view ns, std::string_view local) const;

 private:
  const char** pairs_;
};

class XmlHandler {
 public:
  virtual ~XmlHandler() = default;
  virtual void Start(const XmlName& name, const XmlAttributes& attributes) = 0;
  virtual void End(const XmlName& name) = 0;
  // Character data, in pieces of any length (UTF-8).
  virtual void Text(std::string_view text) = 0;
};

// One part's parse. An exception of the handler ends it and comes out of Feed or Finish.
// PackageError names the part: not well-formed, a document type declaration, elements nested
// deeper or a tag longer than the limits allow.
class XmlStream {
 public:
  XmlStream(XmlHandler& handler, std::string part, const PackageLimits& limits);
  ~XmlStream();
  XmlStream(const XmlStream&) = delete;
  XmlStream& operator=(const XmlStream&) = delete;

  void Feed(std::string_view chunk);
  void Finish();

 private:
  struct Parser;
  std::unique_ptr<Parser> parser_;
};

// The part of the archive through the handler, a chunk at a time.
void ReadXmlPart(const ZipArchive& archive, std::string_view part, XmlHandler& handler);

// Skips an element with all it holds: Enter at the element's start, then Start/End for every
// element while Active.
class SubtreeSkip {
 public:
  bool Active() const { return depth_ > 0; }
  void Enter() { depth_ = 1; }
  void Start() { ++depth_; }
  void End() { --depth_; }

 private:
  size_t depth_ = 0;
};

}  // namespace telqor
