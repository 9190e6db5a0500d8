// OpenWebPage on the desktop: Qt boxes, the real clipboard and the Linux shell with the
// stand-in opener, end to end.

#include "BoxAnswerer.h"
#include "HelpPage.h"
#include "OpenerStub.h"
#include "modWebpage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace pellucor {
namespace {

using testing::BoxAction;
using testing::BoxAnswerer;
using testing::OpenerStub;
using B = QMessageBox::StandardButton;

const QString Previous = QStringLiteral("what the user had copied");

// Starts each test from a known clipboard and leaves nothing on it, however the test ends.
class ClipboardGuard {
public:
    ClipboardGuard() { QGuiApplication::clipboard()->setText(Previous); }
    ~ClipboardGuard() { QGuiApplication::clipboard()->clear(); }
};

struct Row {
    const char* name;
    const char* opener;
    std::deque<BoxAction> answers;
    bool expectOpenerStarted;
    bool expectFallback;
    bool expectCopied;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

class DesktopHelp : public ::testing::TestWithParam<Row> {};

TEST_P(DesktopHelp, BoxesOpenerAndClipboard) {
    const Row& row = GetParam();
    ClipboardGuard clipboard;
    OpenerStub stub(row.opener);
    BoxAnswerer answerer(row.answers);

    OpenWebPage(HelpPageAddress, 0, true);

    EXPECT_EQ(answerer.unexpected, 0);
    EXPECT_EQ(stub.WasStarted(), row.expectOpenerStarted);
    ASSERT_EQ(answerer.seen.size(), row.expectFallback ? 2u : 1u);
    const auto& confirm = answerer.seen[0];
    EXPECT_EQ(confirm.text, QStringLiteral("This program will open the following web page:\n\n"
                                           "https://pellucor.org/library/pellucor/\n\nClick OK to continue."));
    EXPECT_EQ(confirm.icon, QMessageBox::NoIcon);
    EXPECT_EQ(confirm.buttons, QMessageBox::StandardButtons(B::Ok | B::Cancel));
    EXPECT_EQ(confirm.defaultButton, B::Ok);
    if (row.expectFallback) {
        const auto& fallback = answerer.seen[1];
        EXPECT_EQ(fallback.text,
                  QStringLiteral("Sorry. It appears that opening the webpage of this program is not possible on this "
                                 "computer. As an alternative, you may visit following page using a web browser:\n\n"
                                 "https://pellucor.org/library/pellucor/\n\n"
                                 "Do you want to copy the above address on the clipboard?"));
        EXPECT_EQ(fallback.icon, QMessageBox::Question);
        EXPECT_EQ(fallback.buttons, QMessageBox::StandardButtons(B::Yes | B::No | B::Cancel));
        EXPECT_EQ(fallback.defaultButton, B::Yes);
    }
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    if (row.expectCopied) {
        EXPECT_EQ(data->text(), QString::fromLatin1(HelpPageAddress));
        EXPECT_EQ(data->formats(), QStringList{QStringLiteral("text/plain")});
    } else {
        EXPECT_EQ(data->text(), Previous);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Help, DesktopHelp,
    ::testing::Values(Row{"ConfirmCancelled", "0", {{B::Cancel}}, false, false, false},
                      Row{"ConfirmClosed", "0", {BoxAction::Close()}, false, false, false},
                      Row{"Opened", "0", {{B::Ok}}, true, false, false},
                      Row{"OpenerFailsCopyYes", "4", {{B::Ok}, {B::Yes}}, true, true, true},
                      Row{"OpenerFailsCopyNo", "4", {{B::Ok}, {B::No}}, true, true, false},
                      Row{"OpenerFailsClosed", "1", {{B::Ok}, BoxAction::Close()}, true, true, false},
                      // No method to open it: the chooser is asked for, but there is no bus.
                      Row{"NoMethodNoChooser", "3", {{B::Ok}, {B::Yes}}, true, true, true}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pellucor
