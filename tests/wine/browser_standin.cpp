// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
// Registered in the test prefix as the handler of web addresses: writes what it was asked to
// open, one argument a line, to the file named by PELLUCOR_BROWSER_LOG.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const char* log = std::getenv("PELLUCOR_BROWSER_LOG");
    if (log == nullptr)
        return 2;
    std::FILE* out = std::fopen(log, "ab");
    if (out == nullptr)
        return 3;
    for (int k = 1; k < argc; ++k)
        std::fprintf(out, "%s\n", argv[k]);
    return std::fclose(out) == 0 ? 0 : 4;
}
