// SPDX-FileCopyrightText: 2026 The Pellucor developers
// SPDX-License-Identifier: MIT
#pragma once
// The tables in tests/data, which every test that needs them reads: the published result lines
// and the validation messages. A table that cannot be read ends the program with a message, so
// no test passes on an empty table.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifndef PELLUCOR_TEST_DATA_DIR
#error "PELLUCOR_TEST_DATA_DIR names the folder of the tables"
#endif

namespace pellucor::testing {

// Rows of a table: one a line, fields separated by tabs; empty lines and lines starting with
// '#' are left out. Every row must have the given number of fields.
inline std::vector<std::vector<std::string>> ReadTable(const std::string& file, std::size_t fields) {
    const std::string path = std::string(PELLUCOR_TEST_DATA_DIR) + "/" + file;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (in && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        std::vector<std::string> row;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            row.push_back(cell);
        if (row.size() != fields) {
            std::fprintf(stderr, "%s: row with %zu fields, not %zu: %s\n", path.c_str(), row.size(), fields, line.c_str());
            std::exit(3);
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty()) {
        std::fprintf(stderr, "%s: no rows (missing or unreadable)\n", path.c_str());
        std::exit(3);
    }
    return rows;
}

struct ResultLineRow {
    std::string name, npv, n, pmt, closing, result;
};

inline const std::vector<ResultLineRow>& ResultLines() {
    static const std::vector<ResultLineRow> rows = [] {
        std::vector<ResultLineRow> out;
        for (auto& r : ReadTable("result_lines.tsv", 6))
            out.push_back({r[0], r[1], r[2], r[3], r[4], r[5]});
        return out;
    }();
    return rows;
}

inline const ResultLineRow& ResultLine(const std::string& name) {
    for (const ResultLineRow& row : ResultLines())
        if (row.name == name)
            return row;
    std::fprintf(stderr, "result_lines.tsv: no row named %s\n", name.c_str());
    std::exit(3);
}

struct ValidationMessageRow {
    std::string name;
    int field;  // 0 NPV, 1 N, 2 PMT, 3 closing amount
    std::string text;
};

inline const std::vector<ValidationMessageRow>& ValidationMessages() {
    static const std::vector<ValidationMessageRow> rows = [] {
        std::vector<ValidationMessageRow> out;
        for (auto& r : ReadTable("validation_messages.tsv", 3))
            out.push_back({r[0], std::atoi(r[1].c_str()), r[2]});
        return out;
    }();
    return rows;
}

inline const std::string& ValidationMessage(const std::string& name) {
    for (const ValidationMessageRow& row : ValidationMessages())
        if (row.name == name)
            return row.text;
    std::fprintf(stderr, "validation_messages.tsv: no row named %s\n", name.c_str());
    std::exit(3);
}

}  // namespace pellucor::testing
