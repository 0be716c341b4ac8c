// Tests to come.
int RunAnalysisDialogTests(int, char**) { return 0; }
