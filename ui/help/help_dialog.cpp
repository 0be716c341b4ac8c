#include "ui/help/help_dialog.h"

#include <QHash>
#include <QImage>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/help/help_dialog_names.h"
#include "ui/kit/controls.h"
#include "ui/kit/named.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::help;

namespace {

// Pictures wider than this are shown scaled down to it, so a screenshot of the whole window
// fits the page without scrolling sideways.
constexpr int kMaxPictureWidth = 760;

// Letters, marks, digits and letter-like numbers stay; other numbers ("㈠", "²"), punctuation
// but "_" and "-", symbols and every space but " " go.
bool KeptInAnchor(char32_t c) {
  if (c == U' ' || c == U'-' || c == U'_') return true;
  switch (QChar::category(c)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Punctuation_Connector:
      return true;
    default:
      return false;
  }
}

// The picture a guide's image name stands for, as a resource path (":/docs/…"); empty when the
// name leads outside the resources.
QString ResourcePath(const QUrl& guide, const QString& name) {
  const QUrl url = guide.resolved(QUrl(name));
  return url.scheme() == u"qrc"_s ? u':' + url.path(QUrl::FullyDecoded) : QString();
}

}  // namespace

QUrl GuideUrl() { return QUrl(u"qrc:/docs/使用说明.md"_s); }

QString HeadingAnchor(const QString& heading) {
  std::u32string anchor;
  for (char32_t c : heading.toUcs4())
    if (KeptInAnchor(c)) anchor += c == U' ' ? U'-' : QChar::toLower(c);
  return QString::fromUcs4(anchor.data(), static_cast<qsizetype>(anchor.size()));
}

void AnchorHeadings(QTextDocument* document) {
  QHash<QString, int> seen;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 0 || block.length() <= 1) continue;
    QString anchor = HeadingAnchor(block.text());
    int& repeats = seen[anchor];
    if (repeats > 0) anchor += u'-' + QString::number(repeats);
    ++repeats;
    QTextCursor heading(block);
    heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat named;
    named.setAnchor(true);
    named.setAnchorNames({anchor});
    heading.mergeCharFormat(named);
  }
}

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(kHelpDialog);
  setWindowTitle(u"Telqor 使用说明"_s);
  setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  browser_ = Named<QTextBrowser>(kBrowser);
  // Links are followed here, never by the browser: a page of the web would blank the guide.
  browser_->setOpenLinks(false);
  browser_->setOpenExternalLinks(false);
  closeButton_ = Button(kCloseButton, u"关闭"_s);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_, 1);
  layout->addLayout(Row({closeButton_}));
  Wire(closeButton_, this, &HelpDialog::CloseClicked);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpDialog::LinkClicked);
  resize(kMaxPictureWidth + 120, 720);

  browser_->setSource(GuideUrl(), QTextDocument::MarkdownResource);
  GuideLoaded();
}

void HelpDialog::GuideLoaded() {
  QTextDocument* document = browser_->document();
  AnchorHeadings(document);
  // A wide picture goes into the document already scaled, smoothly: the browser would scale it
  // pixel by pixel when drawing, and the captions in a screenshot would not read.
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
      if (!image.isValid()) continue;
      const QImage picture(ResourcePath(browser_->source(), image.name()));
      if (picture.width() > kMaxPictureWidth)
        document->addResource(QTextDocument::ImageResource, document->baseUrl().resolved(QUrl(image.name())),
                              picture.scaledToWidth(kMaxPictureWidth, Qt::SmoothTransformation));
    }
  }
}

void HelpDialog::LinkClicked(const QUrl& url) {
  const QUrl guide = browser_->source().adjusted(QUrl::RemoveFragment);
  const QUrl target = guide.resolved(url);
  if (target.hasFragment() && target.adjusted(QUrl::RemoveFragment) == guide)
    browser_->scrollToAnchor(target.fragment(QUrl::FullyDecoded));
}

void HelpDialog::CloseClicked() { close(); }

}  // namespace telqor
