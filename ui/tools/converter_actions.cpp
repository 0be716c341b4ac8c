#include "ui/tools/converter_actions.h"

#include <QAction>
#include <QWidget>

#include "tools/office_text.h"
#include "ui/kit/controls.h"
#include "ui/kit/find_control.h"
#include "ui/kit/qt_ui.h"

namespace telqor {

using namespace Qt::StringLiterals;

ConverterActions::ConverterActions(AppContext& context, QWidget* window)
    : QObject(window), context_(context), window_(window) {}

void ConverterActions::Attach(QWidget* root) {
  Wire(FindControl<QAction>(root, u"wordexceltxt1"_s), this, &ConverterActions::wordexceltxt1Click);
  Wire(FindControl<QAction>(root, u"Ansi1"_s), this, &ConverterActions::Ansi1Click);
  Wire(FindControl<QAction>(root, u"Ansi2"_s), this, &ConverterActions::Ansi2Click);
  Wire(FindControl<QAction>(root, u"Ansi3"_s), this, &ConverterActions::Ansi3Click);
  Wire(FindControl<QAction>(root, u"N41"_s), this, &ConverterActions::N41Click);
}

void ConverterActions::wordexceltxt1Click() {
  OfficeFilesToText(ChooseFilesToOpen(window_, context_.OpenDialogFolder()), context_.ui);
}

void ConverterActions::Rewrite(TextTarget target) {
  RewriteFilesAs(ChooseFilesToOpen(window_, context_.OpenDialogFolder()), target, context_.ui);
}

void ConverterActions::N41Click() {
  CleanBytesFiles(ChooseFilesToOpen(window_, context_.OpenDialogFolder()), context_.ui);
}

}  // namespace telqor
