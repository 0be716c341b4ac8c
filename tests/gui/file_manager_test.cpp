// Tests to come.
int RunFileManagerTests(int, char**) { return 0; }
