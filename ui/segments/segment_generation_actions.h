// The generation from segments that the two buttons of the source list's tool bar on the tab
// "号码生成㈡" ask for: "  输入号段   " (segments typed in SegmentInputDialog) and
// "   导入号段   " (segments chosen in the segment library). The shell connects the lists
// tab's requests to it once.
#pragma once

#include <QObject>

#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

namespace telqor {

class SegmentInputDialog;
class SegmentLibraryDialog;

class SegmentGenerationActions : public QObject {
  Q_OBJECT
 public:
  SegmentGenerationActions(AppContext& context, NumberList& source, SegmentInputDialog* segmentInputDialog,
                           SegmentLibraryDialog* segmentLibraryDialog, QObject* parent = nullptr);

  // Appends to the source list the numbers of the segments typed in the input dialog;
  // nothing when it is cancelled.
  void InputSegments();
  // Appends to the source list the numbers of the segments chosen in the segment library;
  // nothing when it is cancelled.
  void ImportSegments();

 private:
  AppContext& context_;
  NumberList& source_;
  SegmentInputDialog* segmentInputDialog_;
  SegmentLibraryDialog* segmentLibraryDialog_;
};

}  // namespace telqor
