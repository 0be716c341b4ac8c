// The object names the controls have always had, which users' scripts and style sheets find them
// by: a constant of a names header may be renamed, its string never. One control of each form.
#include <QtTest>

#include "shell/main_window_names.h"
#include "tests/gui/gui_test_support.h"
#include "ui/extract/area_code_table_dialog_names.h"
#include "ui/extract/extraction_panel_names.h"
#include "ui/files/file_manager_tab_names.h"
#include "ui/kit/save_count_dialog_names.h"
#include "ui/generate/generation_panel_names.h"
#include "ui/segments/segment_input_dialog_names.h"
#include "ui/help/about_dialog_names.h"
#include "ui/help/help_dialog_names.h"
#include "ui/report/stats_dialog_names.h"
#include "ui/segments/feature_pattern_dialog_names.h"
#include "ui/segments/number_type_dialog_names.h"
#include "ui/segments/region_lookup_dialog_names.h"
#include "ui/segments/segment_library_dialog_names.h"
#include "ui/segments/validity_dialog_names.h"
#include "ui/settings/settings_dialog_names.h"
#include "ui/tools/analysis_dialog_names.h"
#include "ui/tools/format_dialog_names.h"
#include "ui/tools/rename_dialog_names.h"
#include "ui/workspace/lists_tab_names.h"
#include "ui/workspace/workspace_panel_names.h"

using namespace Qt::StringLiterals;
namespace names = telqor::names;

class ObjectNamesTest : public QObject {
  Q_OBJECT
 private slots:
  void ConstantsKeepTheirStrings_data() {
    QTest::addColumn<QString>("constant");
    QTest::addColumn<QString>("name");
    QTest::newRow("main window") << names::window::kSettingsItem << u"N33"_s;
    QTest::newRow("workspace") << names::workspace::kDedupeButton << u"SpeedButton8"_s;
    QTest::newRow("workspace list") << names::workspace::kWorkspaceList << u"lv0"_s;
    QTest::newRow("lists") << names::lists::kDedupeSourceButton << u"ToolButton20"_s;
    QTest::newRow("extraction") << names::extraction::kExtractionFileList << u"ListBoxF"_s;
    QTest::newRow("generation") << names::generation::kGenerateToWorkspaceButton << u"SBHmExOut"_s;
    QTest::newRow("files") << names::files::kGeneralFileList << u"LB1"_s;
    QTest::newRow("save count") << names::save_count::kCountEdit << u"EditA"_s;
    QTest::newRow("segment input") << names::segment_input::kSegmentsEdit << u"Memohd"_s;
    QTest::newRow("area codes") << names::area_codes::kAreaCodeTableDialog << u"frmtelInfo"_s;
    QTest::newRow("feature patterns") << names::feature_patterns::kPatternList << u"lv"_s;
    QTest::newRow("number types") << names::number_types::kRangeCheck << u"CBSelHD"_s;
    QTest::newRow("region lookup") << names::region_lookup::kNumberCombo << u"CBHm"_s;
    QTest::newRow("segment library") << names::segment_library::kRegionTree << u"tvzone"_s;
    QTest::newRow("validity") << names::validity::kValidityDialog << u"frmhmInvail"_s;
    QTest::newRow("settings") << names::settings::kModeCombo << u"CBCalMode"_s;
    QTest::newRow("analysis") << names::analysis::kRatioPanel << u"StatusPanel3"_s;
    QTest::newRow("format") << names::format::kOutputList << u"Lv1"_s;
    QTest::newRow("rename") << names::rename::kRenameButton << u"SpeedButton3"_s;
    QTest::newRow("help") << names::help::kBrowser << u"HelpBrowser"_s;
    QTest::newRow("about") << names::about::kLicenceText << u"AboutLicenceText"_s;
    QTest::newRow("stats") << names::stats::kStatsDialog << u"StatsForm"_s;
  }

  void ConstantsKeepTheirStrings() {
    QFETCH(QString, constant);
    QFETCH(QString, name);
    QCOMPARE(constant, name);
  }
};

TELQOR_GUI_SUITE("object_names", ObjectNamesTest)

#include "object_names_test.moc"
