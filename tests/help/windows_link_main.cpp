// Links the Windows shell against shell32, so a wrong declaration shows up as a link error.

#include "ShellWindows.h"

int main() {
    pellucor::ShellWindows shell;
    return shell.ExecuteOpenWith(0, "https://pellucor.org/") > 32 ? 0 : 1;
}
