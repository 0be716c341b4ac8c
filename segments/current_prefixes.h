// Today's allocation of mobile-number prefixes to the four carriers, for the carrier settings
// (mobiletag, unicomtag, telecomtag, broadnettag). It is taken from the segment list shipped
// with the program: each three-digit prefix goes to the carrier that holds most of its segments,
// and a four-digit block whose segments mostly belong to another carrier is listed for that one.
// Virtual operators count with the carrier whose network they use; 192 is 广电's (China
// Broadnet); prefixes without segments belong to none. Where the list is wrong, the public
// numbering plan decides: 1703, 1705 and 1706 are China Mobile's resale blocks, which the list
// gives to 电信.
#pragma once

#include <string_view>

namespace telqor {

struct Settings;

struct CarrierPrefixes {
  std::string_view mobile, unicom, telecom, broadnet;
};

// The date of the data the table was taken from.
inline constexpr char kCurrentPrefixesDate[] = "2025-02-01";

inline constexpr CarrierPrefixes kCurrentPrefixes = {
    "134;135;136;137;138;139;142;143;144;147;148;150;151;152;157;158;159;160;165;168;172;178;179;182;183;184;187;"
    "188;195;197;198;1703;1705;1706",
    "130;131;132;140;145;146;155;156;166;167;170;171;175;176;185;186;196;1447",
    "133;141;149;153;154;161;162;163;164;169;173;174;177;180;181;189;190;191;193;194;199;1349;1700;1701;1702",
    "192",
};

// Puts the table into the four carrier settings.
void UseCurrentPrefixes(Settings& settings);
// Whether the carrier settings still hold what a first start wrote.
bool HasFirstRunPrefixes(const Settings& settings);

}  // namespace telqor
