#include "ui/kit/drop_site.h"

namespace telqor {

DropDelivery DropDeliveryFor(DropTarget target) {
  using K = DropDelivery::Kind;
  switch (target) {
    case DropTarget::kExtractionFiles:
    case DropTarget::kGeneralFiles:
      return {K::kAppendAll, kDropNone};
    case DropTarget::kNewFileField:
    case DropTarget::kReferenceFileField:
      return {K::kFirstPath, kDropNone};
    case DropTarget::kWorkspaceList:
      return {K::kConfirmThenPending, kDropToWorkspace};
    case DropTarget::kSourceList:
      return {K::kConfirmThenPending, kDropToSource};
    case DropTarget::kValidityList:
      return {K::kConfirmThenPending, kDropToValidityCheck};
    case DropTarget::kFormatList:
      return {K::kConfirmThenPending, kDropToFormatConversion};
    case DropTarget::kAnalysisList:
      return {K::kConfirmThenPending, kDropToDataAnalysis};
  }
  return {K::kAppendAll, kDropNone};
}

}  // namespace telqor
