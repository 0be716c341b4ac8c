// Splitting a line of the segment database files into fields.
//
// Fields are separated by "|" or by blanks and control characters (codes 1 to 32); a field in
// double quotes runs to its closing quote, with "" standing for one quote. "|" swallows the
// blanks around it, two in a row give an empty field, one at the end a final empty field.
// The line is walked in GBK: the second byte of a two-byte character never ends a field.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace telqor {

std::vector<std::string> SplitDataFields(std::string_view line);

// The first fields of a line as views into it, for lines read by the million: answers how
// many were found (at most max), or -1 when a field in quotes comes first, whose text differs
// from the line's bytes (SplitDataFields then).
int SplitFirstFields(std::string_view line, std::string_view* out, int max);

// The first three fields of a line (segment, province, city): views into the line or, when a
// field is quoted, into storage. Answers how many there are, at most three.
int FirstThreeFields(std::string_view line, std::string_view (&fields)[3], std::vector<std::string>& storage);

// The region file separates cities by "*", "#" and "," as well: each becomes "|", never the
// second byte of a two-byte character.
std::string RegionSeparatorsToBars(std::string_view line);

}  // namespace telqor
