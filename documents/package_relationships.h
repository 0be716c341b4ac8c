// The relationships of an Office Open XML package: _rels/.rels names the package's main part, and
// a part's own relationships (word/_rels/document.xml.rels) name the parts it uses, so a reader
// finds every part through them and assumes no part's name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "documents/zip_archive.h"

namespace telqor {

// The part that names a package's main part.
inline constexpr char kPackageRelationships[] = "_rels/.rels";

struct Relationship {
  std::string id;
  std::string type;  // the whole URI; compared by its last name (IsOfType)
  std::string part;  // the target resolved to a part name ("xl/worksheets/sheet1.xml")
};

// A part's relationships in the order they are written; external targets are left out.
struct Relationships {
  bool found = false;  // whether the part's relationships part exists
  std::vector<Relationship> list;

  // The relationship with that id, or null.
  const Relationship* Find(std::string_view id) const;
  // The parts of the relationships of a type, in order.
  std::vector<std::string> PartsOf(std::string_view type) const;
};

// Whether a relationship's type is name ("worksheet"), whichever edition of the format wrote it:
// the transitional and strict URIs end alike, ".../relationships/worksheet".
bool IsOfType(std::string_view type, std::string_view name);

// The relationships part of a part ("xl/workbook.xml": "xl/_rels/workbook.xml.rels"; the package
// itself, "": "_rels/.rels").
std::string RelationshipsPartOf(std::string_view part);

// The relationships of a part, or of the package for "".
Relationships RelationshipsOf(const ZipArchive& archive, std::string_view part);

// The part a relationship's target names, from the folder of the part that holds it: "xl/" and
// "worksheets/sheet1.xml" give "xl/worksheets/sheet1.xml", "/xl/a.xml" is "xl/a.xml", "../x" climbs.
std::string ResolvePartName(std::string_view folder, std::string_view target);

// The folder of a part, with its "/" ("xl/workbook.xml": "xl/"; "workbook.xml": "").
std::string FolderOf(std::string_view part);

// The root element of an XML part, read no further than it: its namespace and local name.
struct RootElement {
  std::string ns, local;
};
RootElement RootElementOf(const ZipArchive& archive, std::string_view part);

}  // namespace telqor
