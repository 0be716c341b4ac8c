#include "segments/current_prefixes.h"

#include "core/settings.h"

namespace telqor {

void UseCurrentPrefixes(Settings& settings) {
  settings.mobiletag = kCurrentPrefixes.mobile;
  settings.unicomtag = kCurrentPrefixes.unicom;
  settings.telecomtag = kCurrentPrefixes.telecom;
  settings.broadnettag = kCurrentPrefixes.broadnet;
}

bool HasFirstRunPrefixes(const Settings& settings) {
  const Settings first = FirstRunSettings();
  return settings.mobiletag == first.mobiletag && settings.unicomtag == first.unicomtag &&
         settings.telecomtag == first.telecomtag && settings.broadnettag == first.broadnettag;
}

}  // namespace telqor
