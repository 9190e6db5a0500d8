// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The whole "Calculate IRR" click against the recording window. Input: a locale line, the
// four field texts (each cut to the 15 characters a field holds), and an optional fault line
// whose first byte picks a window operation to fail and whose second says how often in a row
// (once or twice).
//
// After every click, with no fault injected, exactly one of these happened:
//   - validation refused: one message box with a validation message, the failing field
//     focused, no search, no report, the result field as it was;
//   - the search ran once and the result field holds the result line, "IRR is out of range."
//     or "E R R O R", the last with exactly one report and the others with none.
// With or without faults, the window ends enabled with the default pointer, nothing escapes
// the window's handler, and a shown result line has the form
// "IRR = " + three-decimal percent + ", when NPV = " + number, its rate one of the candidates.

#include "AppError.h"
#include "ArithmeticFaults.h"
#include "CalculateCommand.h"
#include "FakeWindow.h"
#include "FuzzInput.h"
#include "IrrSearch.h"
#include "TestData.h"
#include "UnicodeDigits.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace pellucor;

constexpr const char* PreviousResult = "previous result";

const std::array<Field, 4> Inputs{Field::NPV, Field::Duration, Field::PMT, Field::ClosingCost};

// How the runs ended, printed at exit so a run's figures say how often the search was reached.
struct Outcomes {
    long refused = 0, resultLine = 0, outOfRange = 0, error = 0, faulted = 0;
    ~Outcomes() {
        std::fprintf(stderr,
                     "outcomes: %ld refused by validation, %ld result lines, %ld out of range, %ld errors, "
                     "%ld with window faults\n",
                     refused, resultLine, outOfRange, error, faulted);
    }
} outcomes;

std::string Describe(testing::FakeWindow& w) {
    std::string out;
    for (Field f : Inputs)
        out += std::string(FieldName(f)) + "=\"" + w.texts[f] + "\" ";
    out += "result=\"" + w.Result() + "\"";
    return out;
}

[[noreturn]] void Fail(const char* what, testing::FakeWindow& w) {
    std::fprintf(stderr, "invariant broken: %s\n%s\n", what, Describe(w).c_str());
    for (const auto& e : w.log)
        std::fprintf(stderr, "  %s\n", e.c_str());
    std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool ConsumeDigits(std::string_view& s, std::size_t& count) {
    count = 0;
    while (count < s.size() && IsDigit(s[count]))
        ++count;
    return count > 0;
}

bool Consume(std::string_view& s, std::string_view prefix) {
    if (s.substr(0, prefix.size()) != prefix)
        return false;
    s.remove_prefix(prefix.size());
    return true;
}

// "IRR = " + i / 1000 with three decimals + "%, when NPV = " + digits [dec digits without a
// trailing zero], i from 1 to 100,000.
bool IsLatinResultLine(std::string_view s, const NumberLocale& locale) {
    if (!Consume(s, "IRR = "))
        return false;
    std::size_t n = 0;
    if (!ConsumeDigits(s, n) || n > 3 || (n > 1 && s[0] == '0'))
        return false;
    const long whole = std::stol(std::string(s.substr(0, n)));
    s.remove_prefix(n);
    if (!Consume(s, locale.decimalSeparator) || !ConsumeDigits(s, n) || n != 3)
        return false;
    const long thousandths = whole * 1000 + std::stol(std::string(s.substr(0, 3)));
    s.remove_prefix(3);
    if (thousandths < 1 || thousandths > CandidateCount)
        return false;
    if (!Consume(s, "%, when NPV = ") || !ConsumeDigits(s, n) || (n > 1 && s[0] == '0'))
        return false;
    s.remove_prefix(n);
    if (s.empty())
        return true;
    if (!Consume(s, locale.decimalSeparator) || !ConsumeDigits(s, n) || n > 3 || n != s.size())
        return false;
    return s.back() != '0';
}

// The same in the locale's digits and percent sign; a digit of any other system spoils it.
bool IsResultLine(std::string_view line, const NumberLocale& locale) {
    std::string latin;
    for (std::size_t pos = 0; pos < line.size();) {
        const DecodedDigit d = DecimalDigitAt(line, pos);
        if (d.length == 0) {
            latin.push_back(line[pos++]);
            continue;
        }
        latin.push_back(d.zero == locale.zeroDigit ? static_cast<char>('0' + d.value) : '?');
        pos += d.length;
    }
    const std::string percent = locale.percentSign + ", when NPV = ";
    const std::size_t at = latin.find(percent);
    if (at != std::string::npos)
        latin.replace(at, percent.size(), "%, when NPV = ");
    return IsLatinResultLine(latin, locale);
}

void CheckClean(testing::FakeWindow& w, const NumberLocale& locale) {
    const auto& messages = testing::ValidationMessages();
    const auto validation = std::find_if(messages.begin(), messages.end(), [&](const testing::ValidationMessageRow& m) {
        return !w.boxes.empty() && w.boxes.front().text == m.text;
    });
    if (validation != messages.end()) {
        if (w.boxes.size() != 1 || !w.reports.empty())
            Fail("validation message together with another box", w);
        if (w.searchesSeen != 0)
            Fail("a search ran although validation refused", w);
        if (w.Result() != PreviousResult)
            Fail("validation changed the result field", w);
        if (w.focused != Inputs.at(static_cast<std::size_t>(validation->field)))
            Fail("the refused field is not the focused one", w);
        ++outcomes.refused;
        return;
    }
    if (w.searchesSeen != 1)
        Fail("neither a validation message nor exactly one search", w);
    if (w.focused != Field::Result)
        Fail("the result field is not focused after the search", w);
    if (w.Result() == ErrorText) {
        if (w.reports.size() != 1 || w.boxes.size() != 1)
            Fail("\"E R R O R\" without exactly one report", w);
        ++outcomes.error;
        return;
    }
    if (!w.boxes.empty() || !w.reports.empty())
        Fail("a box after a successful search", w);
    if (w.Result() == "IRR is out of range.")
        ++outcomes.outOfRange;
    else if (IsResultLine(w.Result(), locale))
        ++outcomes.resultLine;
    else
        Fail("the result field holds no result line", w);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> lines =
        fuzz::Lines(std::string_view(reinterpret_cast<const char*>(data), size));
    if (lines.size() < 5)
        return -1;  // not an input of this format: keep it out of the corpus
    bool known = false;
    const NumberLocale locale = fuzz::LocaleFromLine(lines[0], known);
    // The checker reads the result line by its digits: a separator that is or holds a digit,
    // of any digit system, could not be told apart, and no real locale has one.
    const auto holdsDigit = [](std::string_view s) {
        for (std::size_t pos = 0; pos < s.size(); ++pos) {
            if (DecimalDigitAt(s, pos).length != 0)
                return true;
        }
        return false;
    };
    for (const std::string* s : {&locale.decimalSeparator, &locale.groupSeparator, &locale.negativeSign}) {
        if (s->empty() || holdsDigit(*s))
            return -1;
    }

    testing::FakeWindow w;
    w.SetInputs(fuzz::FirstCharacters(lines[1], 15), fuzz::FirstCharacters(lines[2], 15),
                fuzz::FirstCharacters(lines[3], 15), fuzz::FirstCharacters(lines[4], 15));
    w.texts[Field::Result] = PreviousResult;

    int failAt = -1;
    int failTimes = 0;
    if (lines.size() > 5 && !lines[5].empty()) {
        failAt = static_cast<unsigned char>(lines[5][0]) % 48;
        failTimes = lines[5].size() > 1 && (lines[5][1] & 1) ? 2 : 1;
    }
    int operation = 0;
    int failed = 0;
    std::string failing;
    w.failWhen = [&](const std::string& entry) {
        if (operation++ == failAt)
            failing = entry;
        if (!failing.empty() && entry == failing && failed < failTimes) {
            ++failed;
            throw AppError(91, "Window operation failed");
        }
    };

    // Every run starts as a fresh click would: no fault flag left over from an earlier input.
    ClearArithmeticFaults();
    try {
        cmdCalculate_Click(w, locale);
    } catch (const AppError&) {
        // Only a window operation failing twice over can get here; the window's handler
        // swallows it.
        if (failed < 2)
            Fail("an error escaped the click handler without a double window fault", w);
    } catch (...) {
        Fail("something other than an AppError escaped the click handler", w);
    }

    if (!w.enabled)
        Fail("the window was left disabled", w);
    if (w.pointer != MousePointer::Default)
        Fail("the pointer was left as the hourglass", w);
    if (w.Result() != PreviousResult && w.Result() != BusyText && w.Result() != ErrorText &&
        w.Result() != "IRR is out of range." && !IsResultLine(w.Result(), locale))
        Fail("the result field holds something the program never writes", w);
    if (failed == 0)
        CheckClean(w, locale);
    else
        ++outcomes.faulted;
    return 0;
}
