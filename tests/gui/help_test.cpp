// The "帮助" menu: the user guide read inside the program (its pictures and its contents' links
// working from the resources, outside links going nowhere) and "关于 Telqor" (version, the segment
// data in use, the licences).
#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

#include "core/text/gbk.h"
#include "shell/main_window_names.h"
#include "tests/gui/gui_test_support.h"
#include "ui/help/about_dialog.h"
#include "ui/help/about_dialog_names.h"
#include "ui/help/help_dialog.h"
#include "ui/help/help_dialog_names.h"

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;
using telqor::test::Control;
using telqor::test::TempHome;
using telqor::test::U8Path;
using namespace telqor::names::about;
using namespace telqor::names::help;
namespace window = telqor::names::window;

namespace {

QTextBrowser* OpenGuide(const std::unique_ptr<telqor::test::RecordingWindow>& w) {
  telqor::test::Trigger(w, window::kHelpGuideItem);
  QDialog* help = telqor::test::Dialog(w, kHelpDialog);
  if (!help) qFatal("no help dialog");
  return Control<QTextBrowser>(help, kBrowser);
}

// The guide's Markdown as built into the program.
QString GuideText() {
  QFile file(u":/docs/使用说明.md"_s);
  if (!file.open(QIODevice::ReadOnly)) qFatal("the guide is not among the resources");
  return QString::fromUtf8(file.readAll());
}

QStringList AnchorNames(const QTextDocument* document) {
  QStringList names;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) names << it.fragment().charFormat().anchorNames();
  return names;
}

QStringList PictureNames(const QTextDocument* document) {
  QStringList names;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (QTextImageFormat image = it.fragment().charFormat().toImageFormat(); image.isValid()) names << image.name();
  return names;
}

QString AboutText(QDialog* about, const QString& label) { return Control<QLabel>(about, label)->text(); }

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { telqor::test::ResetHooks(); }

  void AnchorsAreThoseGitHubGivesTheHeadings() {
    QCOMPARE(telqor::HeadingAnchor(u"1. 开始使用"_s), u"1-开始使用"_s);
    QCOMPARE(telqor::HeadingAnchor(u"号码生成㈠：号码提取"_s), u"号码生成号码提取"_s);
    QCOMPARE(telqor::HeadingAnchor(u"telqor-cli 命令行"_s), u"telqor-cli-命令行"_s);
    QCOMPARE(telqor::HeadingAnchor(u"Email/正则 (Regex_1)"_s), u"email正则-regex_1"_s);
    QTextDocument document;
    document.setMarkdown(u"# 保存\n\ntext\n\n## 保存\n\n## 其它\n\n### 保存\n"_s);
    telqor::AnchorHeadings(&document);
    QCOMPARE(AnchorNames(&document), (QStringList{u"保存"_s, u"保存-1"_s, u"其它"_s, u"保存-2"_s}));
  }

  void GuideOpensModelessWithItsPictures() {
    TempHome home;
    auto w = home.OpenWindow();
    QTextBrowser* browser = OpenGuide(w);
    QDialog* help = telqor::test::Dialog(w, kHelpDialog);
    QVERIFY(help->isVisible());
    QVERIFY(!help->isModal());
    QCOMPARE(help->windowTitle(), u"Telqor 使用说明"_s);
    QVERIFY(browser->toPlainText().contains(u"号码整理框"_s));
    QVERIFY(AnchorNames(browser->document()).contains(u"1-开始使用"_s));

    // Every picture loads from the resources under the name the guide gives it, the name that
    // also works beside the file in the repository.
    const QStringList pictures = PictureNames(browser->document());
    QVERIFY(pictures.size() >= 3);
    for (const QString& name : pictures) {
      QVERIFY2(QUrl(name).isRelative() && !name.startsWith(u'/'), qPrintable(name));
      const QVariant data = browser->loadResource(QTextDocument::ImageResource, QUrl(name));
      QVERIFY2(!QImage::fromData(data.toByteArray()).isNull(), qPrintable(name));
    }
    // A wide screenshot is shown scaled to the page.
    const QImage shown = browser->document()
                             ->resource(QTextDocument::ImageResource, QUrl(u"screenshots/main-tab1.png"_s))
                             .value<QImage>();
    QCOMPARE(QImage(u":/docs/screenshots/main-tab1.png"_s).width(), 1280);
    QCOMPARE(shown.width(), 760);

    // The one dialog comes back.
    help->close();
    telqor::test::Trigger(w, window::kHelpGuideItem);
    QCOMPARE(w->findChildren<QDialog*>(kHelpDialog).size(), 1);
    QVERIFY(help->isVisible());
  }

  // Each "#…" link of the guide names a heading, so its contents work inside the program as on
  // GitHub; a link leading outside shows nothing and leaves the guide where it was.
  void LinksOfTheContentsScrollAndOutsideLinksGoNowhere() {
    TempHome home;
    auto w = home.OpenWindow();
    QTextBrowser* browser = OpenGuide(w);
    const QStringList anchors = AnchorNames(browser->document());
    QStringList linked;
    static const QRegularExpression link(u"\\]\\(#([^)\\s]+)\\)"_s);
    for (const QRegularExpressionMatch& match : link.globalMatch(GuideText())) linked << match.captured(1);
    QVERIFY(linked.size() >= 10);
    for (const QString& anchor : linked) QVERIFY2(anchors.contains(anchor), qPrintable(anchor));

    QScrollBar* scroll = browser->verticalScrollBar();
    QCOMPARE(scroll->value(), 0);
    emit browser->anchorClicked(QUrl(u"#"_s + linked.last()));
    const int scrolled = scroll->value();
    QVERIFY(scrolled > 0);

    const QUrl source = browser->source();
    const QString text = browser->toPlainText();
    for (const QString& outside : {u"https://www.example.com/"_s, u"../README.md"_s, u"mailto:a@b.cn"_s})
      emit browser->anchorClicked(QUrl(outside));
    QCOMPARE(browser->source(), source);
    QCOMPARE(browser->toPlainText(), text);
    QCOMPARE(scroll->value(), scrolled);
  }

  void AboutShowsVersionShippedSegmentsAndLicences() {
    TempHome home;
    auto w = home.OpenWindow(true);
    telqor::test::Trigger(w, window::kAboutItem);
    QDialog* about = telqor::test::Dialog(w, kAboutDialog);
    QVERIFY(about && about->isVisible());
    // One version for the window's title and the dialog: the project's.
    QCOMPARE(w->windowTitle(), u"Telqor "_s + telqor::ProgramVersion());
    QVERIFY(AboutText(about, kVersionLabel).contains(u"Telqor "_s + telqor::ProgramVersion()));
    const QString segments = AboutText(about, kSegmentsLabel);
    QVERIFY2(segments.contains(u"已载入 517,258 个号段"_s), qPrintable(segments));
    QVERIFY(segments.contains(telqor::test::PathToQString(home / U8Path("基础数据") / U8Path("手机号段.txt"))));
    QVERIFY(segments.contains(u"2025年公开号段库"_s));
    const QString licences = AboutText(about, kLicencesLabel);
    for (const QString& part : {u"GPL-3.0-or-later"_s, u"Apache License 2.0"_s, u"Qt 6：LGPL-3.0"_s,
                                u"PCRE2：BSD-3-Clause"_s, u"ICU：Unicode License"_s, u"0BSD"_s, u"CLI11"_s,
                                u"libzip"_s, u"Expat：MIT"_s, u"libxlsxwriter"_s, u"Nettle"_s, u"Poppler"_s})
      QVERIFY2(licences.contains(part), qPrintable(part));
    QVERIFY(licences.contains(u"modood/Administrative-divisions-of-China"_s));
    // Every library's and the shipped data's licences in full.
    const QString full = Control<QPlainTextEdit>(about, kLicenceText)->toPlainText();
    QVERIFY(full.contains(u"Apache License"_s));
    QVERIFY(full.contains(u"END OF TERMS AND CONDITIONS"_s));
    QVERIFY(full.contains(u"行政区划数据的许可"_s));
    QVERIFY(full.contains(u"Version 2, December 2004"_s));
    QVERIFY(full.contains(u"GNU LESSER GENERAL PUBLIC LICENSE"_s));
    QVERIFY(full.contains(u"libxlsxwriter"_s));
  }

  void AboutTellsTheUsersOwnSegmentsAndMissingOnes() {
    TempHome home;
    const fs::path base = home / U8Path("基础数据");
    telqor::test::WriteBytes(base / U8Path("地区.txt"), telqor::Utf8ToGbk("北京|北京\r\n"));
    telqor::test::WriteBytes(base / U8Path("手机号段.txt"),
                             telqor::Utf8ToGbk("1380000|北京|北京\r\n1390000|北京|北京\r\n"));
    auto w = home.OpenWindow();
    telqor::test::Trigger(w, window::kAboutItem);
    QString segments = AboutText(telqor::test::Dialog(w, kAboutDialog), kSegmentsLabel);
    QVERIFY2(segments.contains(u"已载入 2 个号段"_s) && segments.contains(u"用户数据"_s), qPrintable(segments));
    QVERIFY(!segments.contains(u"2025"_s));

    TempHome empty;
    w = empty.OpenWindow();
    telqor::test::Trigger(w, window::kAboutItem);
    segments = AboutText(telqor::test::Dialog(w, kAboutDialog), kSegmentsLabel);
    QVERIFY2(segments.startsWith(u"没有载入号段"_s), qPrintable(segments));
  }
};

TELQOR_GUI_SUITE("help", HelpTest)

#include "help_test.moc"
