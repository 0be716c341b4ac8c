// Tests to come.
int RunRenameDialogTests(int, char**) { return 0; }
