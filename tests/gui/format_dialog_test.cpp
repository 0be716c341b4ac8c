// Tests to come.
int RunFormatDialogTests(int, char**) { return 0; }
