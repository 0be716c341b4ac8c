#include "ui/kit/drop_site.h"

namespace telqor {

DropDelivery DropDeliveryFor(DropTarget target) {
  using K = DropDelivery::Kind;
  switch (target) {
    case DropTarget::kListBoxF:
    case DropTarget::kLB1:
      return {K::kAppendAll, kDropNone};
    case DropTarget::kEditA:
    case DropTarget::kEditB:
      return {K::kFirstPath, kDropNone};
    case DropTarget::kLv0:
      return {K::kConfirmThenPending, kDropToWorkspace};
    case DropTarget::kLv1:
      return {K::kConfirmThenPending, kDropToSource};
    case DropTarget::kInvailLv0:
      return {K::kConfirmThenPending, kDropToValidityCheck};
    case DropTarget::kFormatLv0:
      return {K::kConfirmThenPending, kDropToFormatConversion};
    case DropTarget::kAnalysisLv1:
      return {K::kConfirmThenPending, kDropToDataAnalysis};
  }
  return {K::kAppendAll, kDropNone};
}

}  // namespace telqor
