#include "segments/current_prefixes.h"

#include "core/program/settings.h"

namespace telqor {

void UseCurrentPrefixes(Settings& settings) {
  settings.mobilePrefixes = kCurrentPrefixes.mobile;
  settings.unicomPrefixes = kCurrentPrefixes.unicom;
  settings.telecomPrefixes = kCurrentPrefixes.telecom;
  settings.broadnetPrefixes = kCurrentPrefixes.broadnet;
}

bool HasFirstRunPrefixes(const Settings& settings) {
  const Settings first = FirstRunSettings();
  return settings.mobilePrefixes == first.mobilePrefixes && settings.unicomPrefixes == first.unicomPrefixes &&
         settings.telecomPrefixes == first.telecomPrefixes && settings.broadnetPrefixes == first.broadnetPrefixes;
}

}  // namespace telqor
