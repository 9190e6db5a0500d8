// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The help procedures against a scripted shell, scripted boxes and a fake clipboard.

#include "FakeBoxes.h"
#include "FakeClipboard.h"
#include "FakeShell.h"
#include "HelpPage.h"
#include "modShellExecute.h"
#include "modWebpage.h"
#include "Translator.h"

#include <gtest/gtest.h>

#include <climits>

namespace pellucor {
namespace {

using testing::BoxFails;
using testing::FakeBoxes;
using testing::FakeClipboard;
using testing::FakeShell;
using testing::Throws;

constexpr std::int32_t Owner = 0x0004A1B2;
const std::string Address = HelpPageAddress;
const std::string Previous = "what the user had copied";

const std::string ConfirmText =
    "This program will open the following web page:\r\n\r\nhttps://pellucor.org/library/pellucor/\r\n\r\n"
    "Click OK to continue.";
const std::string FallbackText =
    "Sorry. It appears that opening the webpage of this program is not possible on this computer. As an "
    "alternative, you may visit following page using a web browser:\r\n\r\nhttps://pellucor.org/library/pellucor/"
    "\r\n\r\nDo you want to copy the above address on the clipboard?";

constexpr int None = 0;  // no box expected at that step

struct Row {
    const char* name;
    bool confirm;
    int confirmAnswer;
    std::deque<std::int32_t> shell;
    int fallbackAnswer;
    std::size_t expectedShellCalls;
    bool expectFallback;
    bool expectCopied;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

class OpenWebPageRows : public ::testing::TestWithParam<Row> {};

TEST_P(OpenWebPageRows, BoxesShellAndClipboard) {
    const Row& row = GetParam();
    std::deque<int> answers;
    if (row.confirmAnswer != None) answers.push_back(row.confirmAnswer);
    if (row.fallbackAnswer != None) answers.push_back(row.fallbackAnswer);
    FakeBoxes boxes(answers);
    FakeShell shell(row.shell);
    FakeClipboard clipboard(Previous);

    int finished = 0;
    OpenWebPage(boxes, shell, clipboard, Address, Owner, row.confirm, [&finished] { ++finished; });

    EXPECT_EQ(finished, 1);
    std::vector<testing::ShownBox> expectedBoxes;
    if (row.confirm) expectedBoxes.push_back({ConfirmText, 1});
    if (row.expectFallback) expectedBoxes.push_back({FallbackText, 35});
    ASSERT_EQ(boxes.shown.size(), expectedBoxes.size());
    for (std::size_t i = 0; i < expectedBoxes.size(); ++i) {
        EXPECT_EQ(boxes.shown[i].text, expectedBoxes[i].text) << "box " << i;
        EXPECT_EQ(boxes.shown[i].style, expectedBoxes[i].style) << "box " << i;
    }
    EXPECT_EQ(shell.calls.size(), row.expectedShellCalls);
    EXPECT_EQ(clipboard.text, row.expectCopied ? Address : Previous);
    EXPECT_EQ(clipboard.sets, row.expectCopied ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    HelpPage, OpenWebPageRows,
    ::testing::Values(
        Row{"ConfirmCancelled", true, MsgBoxAnswer::Cancel, {}, None, 0, false, false},
        Row{"OpenedAt42", true, MsgBoxAnswer::Ok, {42}, None, 1, false, false},
        Row{"NoAssociationThenChooserOpens", true, MsgBoxAnswer::Ok, {31, 42}, None, 2, false, false},
        Row{"ChooserCancelledShowsNothing", true, MsgBoxAnswer::Ok, {31, ShellResult::Cancelled}, None, 2, false, false},
        Row{"NoAssociationThenChooserFails", true, MsgBoxAnswer::Ok, {31, 2}, MsgBoxAnswer::Yes, 2, true, true},
        Row{"NoAssociationThenChooserThrows", true, MsgBoxAnswer::Ok, {31, Throws}, MsgBoxAnswer::No, 2, true, false},
        Row{"FileNotFoundSkipsChooser", true, MsgBoxAnswer::Ok, {2}, MsgBoxAnswer::Yes, 1, true, true},
        Row{"ThirtyTwoIsFailure", true, MsgBoxAnswer::Ok, {32}, MsgBoxAnswer::No, 1, true, false},
        Row{"ShellThrowsGivesFallback", true, MsgBoxAnswer::Ok, {Throws}, MsgBoxAnswer::Yes, 1, true, true},
        Row{"NoConfirmOpensAtOnce", false, None, {42}, None, 1, false, false},
        Row{"NoConfirmFallbackYes", false, None, {5}, MsgBoxAnswer::Yes, 1, true, true},
        Row{"FailedConfirmBoxGoesOn", true, BoxFails, {42}, None, 1, false, false},
        Row{"FailedFallbackBoxCopiesNothing", true, MsgBoxAnswer::Ok, {2}, BoxFails, 1, true, false}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

TEST(OpenWebPage, AsksTheShellForTheDefaultActionOnTheAddress) {
    FakeBoxes boxes({MsgBoxAnswer::Ok});
    FakeShell shell({31, 42});
    FakeClipboard clipboard(Previous);
    OpenWebPage(boxes, shell, clipboard, Address, Owner, true);

    ASSERT_EQ(shell.calls.size(), 2u);
    const auto& open = shell.calls[0];
    EXPECT_FALSE(open.openWith);
    EXPECT_EQ(open.owner, Owner);
    EXPECT_FALSE(open.verb.has_value()) << "a null verb, not an empty one";
    EXPECT_EQ(open.file, Address);
    EXPECT_EQ(open.parameters, "");
    EXPECT_EQ(open.directory, "");
    EXPECT_EQ(open.showCommand, ShowCommand::Normal);
    const auto& chooser = shell.calls[1];
    EXPECT_TRUE(chooser.openWith);
    EXPECT_EQ(chooser.owner, Owner);
    EXPECT_EQ(chooser.file, Address);
}

// Boxes of a language that puts the address first.
class TranslatingBoxes : public FakeBoxes, public Translator {
public:
    using FakeBoxes::FakeBoxes;
    std::string Translate(const char* context, const char* sourceText) const override {
        return std::string(context) + " %1 " + std::string(sourceText).substr(0, 5);
    }
};

TEST(OpenWebPage, BoxesAreTranslatedBeforeTheAddressIsFilledIn) {
    TranslatingBoxes boxes({MsgBoxAnswer::Ok, MsgBoxAnswer::No});
    FakeShell shell({2});
    FakeClipboard clipboard(Previous);
    OpenWebPage(boxes, shell, clipboard, Address, Owner, true);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "Help " + Address + " This ");
    EXPECT_EQ(boxes.shown[1].text, "Help " + Address + " Sorry");
}

struct ClipboardRow {
    const char* name;
    bool clearFails;
    bool setFails;
    std::string expected;
};

void PrintTo(const ClipboardRow& row, std::ostream* os) {
    *os << row.name;
}

class ClipboardFailures : public ::testing::TestWithParam<ClipboardRow> {};

TEST_P(ClipboardFailures, AreSilentAndEveryStepIsTried) {
    const ClipboardRow& row = GetParam();
    FakeBoxes boxes({MsgBoxAnswer::Yes});
    FakeShell shell({2});
    FakeClipboard clipboard(Previous);
    clipboard.clearFails = row.clearFails;
    clipboard.setFails = row.setFails;

    OpenWebPage(boxes, shell, clipboard, Address, Owner, false);

    EXPECT_EQ(boxes.shown.size(), 1u) << "no error box follows";
    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_EQ(clipboard.sets, 1);
    EXPECT_EQ(clipboard.text, row.expected);
}

INSTANTIATE_TEST_SUITE_P(HelpPage, ClipboardFailures,
                         ::testing::Values(ClipboardRow{"ClearFails", true, false, Address},
                                           ClipboardRow{"SetFails", false, true, ""},
                                           ClipboardRow{"BothFail", true, true, Previous}),
                         [](const ::testing::TestParamInfo<ClipboardRow>& info) {
                             return std::string(info.param.name);
                         });

struct ShellOpenRow {
    const char* name;
    std::deque<std::int32_t> script;
    bool expected;
    bool choosesProgram;
};

void PrintTo(const ShellOpenRow& row, std::ostream* os) {
    *os << row.name;
}

class ShellOpenRows : public ::testing::TestWithParam<ShellOpenRow> {};

TEST_P(ShellOpenRows, ReadsTheCodeAsSigned32BitAboveThirtyTwo) {
    const ShellOpenRow& row = GetParam();
    FakeShell shell(row.script);
    std::vector<bool> answers;
    ShellOpen(shell, "doc.txt", 7, std::string("print"), 3, "-x", [&answers](bool opened) { answers.push_back(opened); });
    EXPECT_EQ(answers, std::vector<bool>{row.expected});
    ASSERT_EQ(shell.calls.size(), row.choosesProgram ? 2u : 1u);
    EXPECT_EQ(shell.calls[0].verb, std::optional<std::string>("print"));
    EXPECT_EQ(shell.calls[0].parameters, "-x");
    EXPECT_EQ(shell.calls[0].showCommand, 3);
    if (row.choosesProgram) {
        EXPECT_EQ(shell.calls[1].file, "doc.txt");
        EXPECT_EQ(shell.calls[1].owner, 7);
    }
}

INSTANTIATE_TEST_SUITE_P(
    HelpPage, ShellOpenRows,
    ::testing::Values(ShellOpenRow{"Max", {INT32_MAX}, true, false}, ShellOpenRow{"JustAbove", {33}, true, false},
                      ShellOpenRow{"Boundary", {32}, false, false}, ShellOpenRow{"Zero", {0}, false, false},
                      ShellOpenRow{"HighBitSet", {INT32_MIN + 40}, false, false},
                      ShellOpenRow{"ChooserSucceeds", {31, 33}, true, true},
                      ShellOpenRow{"ChooserNoAssociation", {31, 31}, false, true},
                      ShellOpenRow{"ChooserBoundary", {31, 32}, false, true}),
    [](const ::testing::TestParamInfo<ShellOpenRow>& info) { return std::string(info.param.name); });

// A failure while the call runs reaches the caller as an exception; one in the chooser, which
// starts from the opener's completion, can only be reported as not opened.
TEST(ShellOpen, PassesAShellFailureToItsCaller) {
    FakeShell direct({Throws});
    int calls = 0;
    EXPECT_THROW(ShellOpen(direct, "x", 0, std::nullopt, 1, "", [&calls](bool) { ++calls; }), std::runtime_error);
    EXPECT_EQ(calls, 0);
    FakeShell chooser({31, Throws});
    std::vector<bool> answers;
    ShellOpen(chooser, "x", 0, std::nullopt, 1, "", [&answers](bool opened) { answers.push_back(opened); });
    EXPECT_EQ(answers, std::vector<bool>{false});
}

// A shell that answers twice (or a completion reached on two paths) still ends one request
// with one outcome: never two fallback boxes for one failure.
class TwiceAnsweringShell : public Shell {
public:
    void Execute(std::int32_t, const std::optional<std::string>&, const std::string&, const std::string&,
                 const std::string&, std::int32_t, ShellDone done) override {
        done(ShellResult::FileNotFound);
        done(ShellResult::Failed);
    }
    void ExecuteOpenWith(std::int32_t, const std::string&, ShellDone done) override { done(ShellResult::Failed); }
};

TEST(OpenWebPage, OneFailureShowsOneFallbackBoxAndFinishesOnce) {
    FakeBoxes boxes({MsgBoxAnswer::No});
    TwiceAnsweringShell shell;
    FakeClipboard clipboard(Previous);
    int finished = 0;
    OpenWebPage(boxes, shell, clipboard, Address, Owner, false, [&finished] { ++finished; });
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(finished, 1);
}

}  // namespace
}  // namespace pellucor
