#include "documents/package_relationships.h"

#include "documents/xml_stream.h"

namespace telqor {
namespace {

class RelationshipsHandler : public XmlHandler {
 public:
  RelationshipsHandler(std::string folder, Relationships& out) : folder_(std::move(folder)), out_(out) {}

  void Start(const XmlName& name, const XmlAttributes& attributes) override {
    if (name.local != "Relationship" || attributes.Get("", "TargetMode") == "External") return;
    const std::optional<std::string_view> id = attributes.Get("", "Id"), target = attributes.Get("", "Target");
    if (id && target)
      out_.list.push_back(Relationship{std::string(*id), std::string(attributes.Get("", "Type").value_or("")),
                                       ResolvePartName(folder_, *target)});
  }
  void End(const XmlName&) override {}
  void Text(std::string_view) override {}

 private:
  std::string folder_;
  Relationships& out_;
};

// Ends the read of a part at its first element.
struct RootFound {};

class RootHandler : public XmlHandler {
 public:
  void Start(const XmlName& name, const XmlAttributes&) override {
    root = {std::string(name.ns), std::string(name.local)};
    throw RootFound{};
  }
  void End(const XmlName&) override {}
  void Text(std::string_view) override {}

  RootElement root;
};

}  // namespace

const Relationship* Relationships::Find(std::string_view id) const {
  for (const Relationship& relationship : list)
    if (relationship.id == id) return &relationship;
  return nullptr;
}

std::vector<std::string> Relationships::PartsOf(std::string_view type) const {
  std::vector<std::string> parts;
  for (const Relationship& relationship : list)
    if (IsOfType(relationship.type, type)) parts.push_back(relationship.part);
  return parts;
}

bool IsOfType(std::string_view type, std::string_view name) {
  return type.size() > name.size() && type.ends_with(name) && type[type.size() - name.size() - 1] == '/';
}

std::string FolderOf(std::string_view part) {
  const size_t slash = part.rfind('/');
  return std::string(slash == std::string_view::npos ? std::string_view() : part.substr(0, slash + 1));
}

std::string RelationshipsPartOf(std::string_view part) {
  const std::string folder = FolderOf(part);
  return folder + "_rels/" + std::string(part.substr(folder.size())) + ".rels";
}

Relationships RelationshipsOf(const ZipArchive& archive, std::string_view part) {
  Relationships relationships;
  const std::string rels = RelationshipsPartOf(part);
  if (!archive.Has(rels)) return relationships;
  relationships.found = true;
  RelationshipsHandler handler(FolderOf(part), relationships);
  ReadXmlPart(archive, rels, handler);
  return relationships;
}

std::string ResolvePartName(std::string_view folder, std::string_view target) {
  std::string path =
      target.starts_with('/') ? std::string(target.substr(1)) : std::string(folder) + std::string(target);
  std::vector<std::string> names;
  size_t from = 0;
  while (from <= path.size()) {
    size_t slash = path.find('/', from);
    if (slash == std::string::npos) slash = path.size();
    const std::string name = path.substr(from, slash - from);
    if (name == "..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != ".") {
      names.push_back(name);
    }
    from = slash + 1;
  }
  std::string resolved;
  for (const std::string& name : names) resolved += (resolved.empty() ? "" : "/") + name;
  return resolved;
}

RootElement RootElementOf(const ZipArchive& archive, std::string_view part) {
  RootHandler handler;
  try {
    ReadXmlPart(archive, part, handler);
  } catch (const RootFound&) {
  }
  return handler.root;
}

}  // namespace telqor
