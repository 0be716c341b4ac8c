#include "ui/tools/converter_actions.h"

#include <QWidget>

#include "documents/office_text.h"
#include "ui/kit/qt_ui.h"

namespace telqor {

ConverterActions::ConverterActions(AppContext& context, QWidget* window)
    : QObject(window), context_(context), window_(window) {}

void ConverterActions::ConvertOfficeFiles() {
  OfficeFilesToText(ChooseFilesToOpen(window_, context_.OpenDialogFolder()), context_.ui);
}

void ConverterActions::Rewrite(TextTarget target) {
  RewriteFilesAs(ChooseFilesToOpen(window_, context_.OpenDialogFolder()), target, context_.ui);
}

void ConverterActions::CleanBinaryFiles() {
  CleanBytesFiles(ChooseFilesToOpen(window_, context_.OpenDialogFolder()), context_.ui);
}

}  // namespace telqor
