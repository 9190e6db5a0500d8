// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The Linux shell against a real process: the stand-in opener first on PATH.

#include "Await.h"
#include "OpenerStub.h"
#include "ShellLinux.h"

#include <gtest/gtest.h>

#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <thread>

namespace pellucor {
namespace {

using testing::Await;
using testing::OpenerStub;

std::optional<std::int32_t> Open(ShellLinux& shell, const std::optional<std::string>& verb, const std::string& file) {
    return Await<std::int32_t>([&](ShellDone done) { shell.Execute(0, verb, file, "", "", 1, std::move(done)); });
}

// Long enough that a quickly exiting stub is always seen exiting, even on a loaded machine.
constexpr std::chrono::seconds Patient{60};

enum class Expect { Success, NoAssociation, FileNotFound, OtherFailure };

struct ExitRow {
    const char* name;
    const char* behaviour;
    Expect expected;
};

void PrintTo(const ExitRow& row, std::ostream* os) {
    *os << row.name;
}

class OpenerOutcome : public ::testing::TestWithParam<ExitRow> {};

TEST_P(OpenerOutcome, MapsToExecuteCodes) {
    const ExitRow& row = GetParam();
    OpenerStub stub(row.behaviour);
    ShellLinux shell("xdg-open", Patient);

    const std::optional<std::int32_t> answer = Open(shell, std::nullopt, "https://example.org/");

    ASSERT_TRUE(stub.WasStarted());
    ASSERT_TRUE(answer.has_value());
    const std::int32_t code = *answer;
    switch (row.expected) {
        case Expect::Success: EXPECT_GT(code, 32); break;
        case Expect::NoAssociation: EXPECT_EQ(code, 31); break;
        case Expect::FileNotFound: EXPECT_EQ(code, 2); break;
        case Expect::OtherFailure:
            EXPECT_LE(code, 32);
            EXPECT_NE(code, 31) << "must not offer the chooser";
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(LinuxShell, OpenerOutcome,
                         ::testing::Values(ExitRow{"Opened", "0", Expect::Success},
                                           ExitRow{"SyntaxError", "1", Expect::OtherFailure},
                                           ExitRow{"FileMissing", "2", Expect::FileNotFound},
                                           ExitRow{"NoMethod", "3", Expect::NoAssociation},
                                           ExitRow{"ActionFailed", "4", Expect::OtherFailure},
                                           ExitRow{"UnknownCode", "127", Expect::OtherFailure},
                                           ExitRow{"KilledBySignal", "crash", Expect::OtherFailure}),
                         [](const ::testing::TestParamInfo<ExitRow>& info) { return std::string(info.param.name); });

struct AddressRow {
    const char* name;
    const char* address;
};

void PrintTo(const AddressRow& row, std::ostream* os) {
    *os << row.name;
}

class AddressArgument : public ::testing::TestWithParam<AddressRow> {};

TEST_P(AddressArgument, ReachesTheOpenerAsExactlyOneArgument) {
    const AddressRow& row = GetParam();
    OpenerStub stub("0");
    ShellLinux shell("xdg-open", Patient);

    EXPECT_GT(Open(shell, std::nullopt, row.address).value_or(0), 32);

    EXPECT_EQ(stub.Arguments(), std::vector<std::string>{row.address});
}

INSTANTIATE_TEST_SUITE_P(
    LinuxShell, AddressArgument,
    ::testing::Values(AddressRow{"Plain", "https://pellucor.org/library/pellucor/"},
                      AddressRow{"Spaces", "  https://pellucor.org/a page/with spaces  "},
                      AddressRow{"DoubleQuotes", "https://pellucor.org/\"quoted\" \"x"},
                      AddressRow{"SingleQuotes", "https://pellucor.org/it's 'here"},
                      AddressRow{"Semicolon", "https://pellucor.org/; rm -rf ~; echo"},
                      AddressRow{"CommandSubstitution", "https://pellucor.org/$(touch injected)`id`"},
                      AddressRow{"Variables", "$HOME ${PATH} $0 $@"},
                      AddressRow{"GlobAndRedirect", "* > out < in | cat &"},
                      AddressRow{"Newline", "https://pellucor.org/\nsecond line"}, AddressRow{"Empty", ""}),
    [](const ::testing::TestParamInfo<AddressRow>& info) { return std::string(info.param.name); });

TEST(LinuxShell, MissingOpenerIsFileNotFound) {
    ShellLinux shell("pellucor-no-such-opener", Patient);
    EXPECT_EQ(Open(shell, std::nullopt, "https://example.org/"), 2);
}

TEST(LinuxShell, UnknownVerbHasNoAssociationAndStartsNothing) {
    OpenerStub stub("0");
    ShellLinux shell("xdg-open", Patient);
    EXPECT_EQ(Open(shell, std::string("print"), "https://example.org/"), 31);
    EXPECT_FALSE(stub.WasStarted());
    EXPECT_GT(Open(shell, std::string("open"), "https://example.org/").value_or(0), 32);
    EXPECT_TRUE(stub.WasStarted());
}

bool Gone(pid_t pid) {
    return kill(pid, 0) == -1 && errno == ESRCH;
}

// An opener still running after the grace period counts as opened, is left running in a session
// of its own, is reaped once it ends so that no zombie remains, and its late exit, a failure
// here, changes nothing.
TEST(LinuxShell, OpenerStillRunningIsSuccessAndIsLeftRunning) {
    OpenerStub stub("after 2 4");
    ShellLinux shell("xdg-open", std::chrono::milliseconds(300));

    std::vector<std::int32_t> answers;
    shell.Execute(0, std::nullopt, "https://example.org/", "", "", 1,
                  [&answers](std::int32_t code) { answers.push_back(code); });
    ASSERT_TRUE(testing::WaitUntil([&] { return !answers.empty(); }));
    EXPECT_GT(answers.front(), 32);

    const auto pid = stub.Pid();
    ASSERT_TRUE(pid.has_value());
    EXPECT_FALSE(Gone(*pid)) << "the opener must not be killed";
    EXPECT_EQ(getsid(*pid), *pid) << "the opener leads its own session";
    // A zombie still answers kill(pid, 0); only a reaped process is gone.
    EXPECT_TRUE(testing::WaitUntil([&] { return Gone(*pid); })) << "the finished opener was not reaped";
    testing::WaitUntil([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_EQ(answers.size(), 1u) << "the late exit was reported again";
}

}  // namespace
}  // namespace pellucor
