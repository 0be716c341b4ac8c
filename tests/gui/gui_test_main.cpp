// Runs every form suite in one application object (the program's own, with its error hook).
#include "shell/telqor_application.h"
#include "tests/gui/gui_test_support.h"

int RunShellTests(int argc, char** argv);
int RunSettingsDialogTests(int argc, char** argv);
int RunDropTests(int argc, char** argv);
int RunNumberListModelTests(int argc, char** argv);
int RunWorkspaceTests(int argc, char** argv);
int RunSegmentDialogTests(int argc, char** argv);
int RunSegmentActionTests(int argc, char** argv);
int RunFileManagerTests(int argc, char** argv);
int RunRenameDialogTests(int argc, char** argv);
int RunAnalysisDialogTests(int argc, char** argv);
int RunFormatDialogTests(int argc, char** argv);
int RunExtractionPanelTests(int argc, char** argv);
int RunHelpTests(int argc, char** argv);

int main(int argc, char** argv) {
  telqor::TelqorApplication app(argc, argv);
  telqor::test::ResetHooks();
  int failed = 0;
  failed += RunShellTests(argc, argv);
  failed += RunSettingsDialogTests(argc, argv);
  failed += RunDropTests(argc, argv);
  failed += RunNumberListModelTests(argc, argv);
  failed += RunWorkspaceTests(argc, argv);
  failed += RunSegmentDialogTests(argc, argv);
  failed += RunSegmentActionTests(argc, argv);
  failed += RunFileManagerTests(argc, argv);
  failed += RunRenameDialogTests(argc, argv);
  failed += RunAnalysisDialogTests(argc, argv);
  failed += RunFormatDialogTests(argc, argv);
  failed += RunExtractionPanelTests(argc, argv);
  failed += RunHelpTests(argc, argv);
  return failed == 0 ? 0 : 1;
}
