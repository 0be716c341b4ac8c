// The four items of an export menu (by region; carrier; region and carrier; region, carrier and
// segment), each wired to ask its owner for its kind of export.
#pragma once

#include <QAction>
#include <array>
#include <utility>

#include "segments/region_export.h"
#include "ui/kit/controls.h"

namespace telqor {

template <typename Owner>
void WireExportItems(QAction* byRegion, QAction* byCarrier, QAction* byRegionCarrier, QAction* byRegionCarrierSegment,
                     Owner* owner, void (Owner::*handler)(ExportKind)) {
  for (auto [item, kind] :
       std::array{std::pair{byRegion, ExportKind::Region}, std::pair{byCarrier, ExportKind::Carrier},
                  std::pair{byRegionCarrier, ExportKind::RegionCarrier},
                  std::pair{byRegionCarrierSegment, ExportKind::RegionCarrierSegment}})
    Wire(item, owner, [owner, handler, k = kind] { (owner->*handler)(k); });
}

}  // namespace telqor
