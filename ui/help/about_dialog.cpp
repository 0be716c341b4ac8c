#include "ui/help/about_dialog.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <system_error>

#include "core/io/file_io.h"
#include "segments/default_data.h"
#include "segments/segment_database.h"
#include "ui/help/about_dialog_names.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::about;
namespace fs = std::filesystem;

namespace {

// What the program uses and ships, each with its licence in full, built in beside the guide
// (THIRD-PARTY-NOTICES.txt, made by scripts/third_party_notices.sh).
QString Notices() {
  QFile file(u":/THIRD-PARTY-NOTICES.txt"_s);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString SegmentText(const SegmentDataFacts& facts) {
  const QString file = PathToQString(facts.segmentFile);
  if (facts.segmentCount == 0) return u"没有载入号段(文件不存在或其中没有号段)\n文件：%1"_s.arg(file);
  const QString source =
      facts.shipped ? u"程序附带的2025年公开号段库(版本 %1，Apache License 2.0)"_s.arg(FromUtf8(kDefaultDataVersion))
                    : u"用户数据"_s;
  // Grouped by thousands as the start-up question writes the shipped list's size.
  return u"已载入 %1 个号段\n文件：%2\n来源：%3"_s.arg(QLocale(QLocale::English).toString(facts.segmentCount), file,
                                                       source);
}

}  // namespace

QString ProgramVersion() { return QStringLiteral(TELQOR_VERSION); }

SegmentDataFacts SegmentDataFactsOf(const DataFolders& folders, int segmentCount) {
  std::error_code error;
  return {segmentCount, folders.baseData / PathFromUtf8(kSegmentFileName),
          fs::exists(folders.baseData / PathFromUtf8(kDefaultDataNoticeFileName), error)};
}

AboutDialog::AboutDialog(const SegmentDataFacts& facts, QWidget* parent) : QDialog(parent) {
  setObjectName(kAboutDialog);
  setWindowTitle(u"关于 Telqor"_s);
  setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);
  versionLabel_ =
      Named<QLabel>(kVersionLabel, u"<b>Telqor %1</b><br>号码提取、生成、整理与文件管理"_s.arg(ProgramVersion()));
  segmentsLabel_ = Named<QLabel>(kSegmentsLabel, SegmentText(facts));
  segmentsLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  segmentsLabel_->setWordWrap(true);
  licencesLabel_ = Named<QLabel>(kLicencesLabel,
                                 u"Telqor：GPL-3.0-or-later(自由软件，见 LICENSE)\n"
                                 u"附带的号段数据(来自开源项目 ALI1416/phone2region)：Apache License 2.0\n"
                                 u"附带的行政区划(国家统计局2023年统计用区划代码，来自开源项目 "
                                 u"modood/Administrative-divisions-of-China)：其附带的许可\n"
                                 u"Qt 6：LGPL-3.0　PCRE2：BSD-3-Clause　ICU：Unicode License\n"
                                 u"liblzma (XZ Utils)：0BSD / 公有领域　libzip：BSD-3-Clause　zlib：Zlib\n"
                                 u"Expat：MIT　libxlsxwriter：BSD-2-Clause　Nettle：LGPL-3.0 / GPL-2.0\n"
                                 u"CLI11(仅 telqor-cli)：BSD-3-Clause\n"
                                 u"Poppler 的 pdftotext 与 FreeType(仅 Windows 版附带)：GPL-2.0\n"
                                 u"各项的版权与许可全文见下"_s);
  licenceText_ = Named<QPlainTextEdit>(kLicenceText, Notices());
  licenceText_->setReadOnly(true);
  licenceText_->setLineWrapMode(QPlainTextEdit::NoWrap);
  closeButton_ = Button(kCloseButton, u"关闭"_s);

  auto* segments = new QGroupBox(u"号段数据"_s);
  (new QVBoxLayout(segments))->addWidget(segmentsLabel_);
  auto* licences = new QGroupBox(u"许可"_s);
  auto* licenceLayout = new QVBoxLayout(licences);
  licenceLayout->addWidget(licencesLabel_);
  licenceLayout->addWidget(licenceText_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(versionLabel_);
  layout->addWidget(segments);
  layout->addWidget(licences, 1);
  layout->addLayout(Row({closeButton_}));
  Wire(closeButton_, this, &AboutDialog::CloseClicked);
  resize(640, 560);
}

void AboutDialog::CloseClicked() { close(); }

}  // namespace telqor
