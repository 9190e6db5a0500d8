// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// Prints the calculation's outcomes in a form that can be compared byte for byte between two
// builds of the core (say, a Linux one and a Windows one run under Wine):
//   result_lines table                 the result field after Calculate, for fixed field texts
//   result_lines fields < ROWS         the same for the field texts of each line ("a | b | c | d")
//   result_lines generate SEED COUNT   generated loans, one per line, as the bits of the four inputs
//   result_lines lines [EVERY] < LOANS for each loan: the outcome of the fast search and its line;
//                                      every EVERY-th loan (default 1, 0 for none) is also
//                                      searched by the straightforward loop
// Doubles are written as their bits, never through the C library's formatting. Exits with 1
// when the fast search and the straightforward loop disagree on some loan (on the candidate
// only where the line shows it), or a published row's line is not the table's.

#include "AppError.h"
#include "ArithmeticFaults.h"
#include "CalculateCommand.h"
#include "FakeWindow.h"
#include "GeneratedLoans.h"
#include "IrrSearch.h"
#include "TestData.h"

#include <bit>
#include <cfenv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace pellucor {
namespace {

std::string Bits(std::uint64_t v, int digits) {
    static const char hex[] = "0123456789abcdef";
    std::string out(static_cast<std::size_t>(digits), '0');
    for (int k = digits - 1; k >= 0; --k, v >>= 4)
        out[static_cast<std::size_t>(k)] = hex[v & 15];
    return out;
}

std::string Bits(double v) {
    return Bits(std::bit_cast<std::uint64_t>(v), 16);
}

std::string Flags() {
    const int raised = std::fetestexcept(ArithmeticFaultFlags);
    return std::string("flags=") + (raised & FE_OVERFLOW ? "O" : "") + (raised & FE_DIVBYZERO ? "Z" : "") +
           (raised & FE_INVALID ? "I" : "") + (raised ? "" : "-");
}

std::string Observe(IrrOutcome (*search)(const IrrInputs&), const IrrInputs& in) {
    ClearArithmeticFaults();
    std::string seen;
    try {
        const IrrOutcome out = search(in);
        seen = "rate=" + Bits(std::bit_cast<std::uint32_t>(out.bestRate), 8) + " pv=" + Bits(out.bestPresentValue) +
               " " + Flags();
        try {
            seen += " | " + ResultLine(in, out, NumberLocale::PointDecimal());
        } catch (const AppError& e) {
            seen += " | raised " + std::to_string(e.Number()) + " " + e.Description();
        }
    } catch (const AppError& e) {
        seen = "raised " + std::to_string(e.Number()) + " " + e.Description() + " " + Flags();
    }
    ClearArithmeticFaults();
    return seen;
}

// What the straightforward loop must agree on: everything, except that under an out-of-range
// line, which shows no candidate, the fast search may stop at another one.
std::string Shown(const std::string& seen) {
    const std::string outOfRange = "| IRR is out of range.";
    const std::size_t flags = seen.find("flags=");
    if (seen.size() >= outOfRange.size() &&
        seen.compare(seen.size() - outOfRange.size(), outOfRange.size(), outOfRange) == 0 && flags != std::string::npos)
        return seen.substr(flags);
    return seen;
}

// Prints the result field after Calculate, and the boxes shown on the way, for four field texts;
// returns the result field, or nothing when a box was shown.
std::string PrintRow(const std::string& npv, const std::string& months, const std::string& payment,
              const std::string& closing) {
    testing::FakeWindow window;
    window.SetInputs(npv, months, payment, closing);
    ClearArithmeticFaults();
    cmdCalculate_Click(window, NumberLocale::PointDecimal());
    std::cout << npv << " | " << months << " | " << payment << " | " << closing << " -> " << window.Result();
    for (const auto& box : window.boxes) {
        std::string text = box.text;
        for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
            text.replace(at, 2, "/");
        std::cout << " [box " << box.style << ": " << text << "]";
    }
    std::cout << '\n';
    return window.boxes.empty() ? window.Result() : std::string();
}

// Field texts as the table prints them, one row a line: "NPV | N | PMT | closing".
int Fields() {
    for (std::string line; std::getline(std::cin, line);) {
        std::string texts[4];
        std::size_t from = 0;
        for (int k = 0; k < 4; ++k) {
            const std::size_t bar = k < 3 ? line.find(" | ", from) : line.size();
            if (bar == std::string::npos) {
                std::cerr << "not four field texts: " << line << '\n';
                return 2;
            }
            texts[k] = line.substr(from, bar - from);
            from = bar + 3;
        }
        PrintRow(texts[0], texts[1], texts[2], texts[3]);
    }
    return 0;
}

// The result field for the published rows (tests/data/result_lines.tsv), each also held against
// the line the table gives; then searches that fault, which valid texts never reach, with the
// flags they leave.
int Table() {
    int mismatches = 0;
    for (const testing::ResultLineRow& row : testing::ResultLines()) {
        const std::string shown = PrintRow(row.npv, row.n, row.pmt, row.closing);
        if (shown != row.result) {
            ++mismatches;
            std::cerr << row.name << ": \"" << shown << "\", the table says \"" << row.result << "\"\n";
        }
    }
    constexpr double Huge = std::numeric_limits<double>::max();
    static const IrrInputs faulting[] = {
        {60000, 1e6f, 617.17, 0},
        {60000, -1e6f, 617.17, 0},
        {60000, 8868, 617.17, 0},
        {60000, 8867, 617.17, 0},
        {1e8, 360, 1e306, 0},
        {1e8, 1, Huge, -Huge},
        {-Huge, 1, 0, Huge},
        {0, 360, 617.17, 0},
        {60000, -360, 617.17, 0},
        {1, 0, 1, 1},
        {60000, 360, std::numeric_limits<double>::infinity(), 0},
    };
    for (const IrrInputs& in : faulting) {
        const std::string fast = Observe(SearchIrr, in);
        std::cout << Bits(in.npv) << ' ' << Bits(std::bit_cast<std::uint32_t>(in.months), 8) << ' ' << Bits(in.payment)
                  << ' ' << Bits(in.closing) << " -> " << fast << '\n';
        if (Shown(fast) != Shown(Observe(SearchIrrReference, in)))
            ++mismatches;
    }
    return mismatches == 0 ? 0 : 1;
}

int Generate(std::uint64_t seed, int count) {
    testing::Draw draw(seed);
    for (int k = 0; k < count; ++k) {
        const IrrInputs in = testing::MixedLoan(draw, k);
        std::cout << Bits(in.npv) << ' ' << Bits(std::bit_cast<std::uint32_t>(in.months), 8) << ' ' << Bits(in.payment)
                  << ' ' << Bits(in.closing) << '\n';
    }
    return 0;
}

int Lines(int every) {
    int mismatches = 0;
    int loan = 0;
    std::string npv, months, payment, closing;
    while (std::cin >> npv >> months >> payment >> closing) {
        IrrInputs in;
        in.npv = std::bit_cast<double>(std::strtoull(npv.c_str(), nullptr, 16));
        in.months = std::bit_cast<float>(static_cast<std::uint32_t>(std::strtoul(months.c_str(), nullptr, 16)));
        in.payment = std::bit_cast<double>(std::strtoull(payment.c_str(), nullptr, 16));
        in.closing = std::bit_cast<double>(std::strtoull(closing.c_str(), nullptr, 16));
        const std::string fast = Observe(SearchIrr, in);
        std::cout << fast << '\n';
        if (every == 0 || loan++ % every != 0)
            continue;
        const std::string reference = Observe(SearchIrrReference, in);
        if (Shown(fast) != Shown(reference)) {
            ++mismatches;
            std::cerr << "fast search and loop differ on " << npv << ' ' << months << ' ' << payment << ' ' << closing
                      << "\n  fast:      " << fast << "\n  reference: " << reference << '\n';
        }
    }
    return mismatches == 0 ? 0 : 1;
}

}  // namespace
}  // namespace pellucor

int main(int argc, char** argv) {
#ifdef _WIN32
    // Byte for byte: no carriage returns added to the line ends.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "table" && argc == 2)
        return pellucor::Table();
    if (mode == "fields" && argc == 2)
        return pellucor::Fields();
    if (mode == "generate" && argc == 4)
        return pellucor::Generate(std::strtoull(argv[2], nullptr, 0), std::atoi(argv[3]));
    if (mode == "lines" && argc <= 3)
        return pellucor::Lines(argc == 3 ? std::atoi(argv[2]) : 1);
    std::cerr << "usage: result_lines table | fields < ROWS | generate SEED COUNT | lines [EVERY] < LOANS\n";
    return 2;
}
