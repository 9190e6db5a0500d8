// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The Windows shell layer run for real (under Wine in the test suite): the execute service with
// the help address, a document that nothing opens and its Open With start, a document that
// cannot be found, and the help procedure's boxes and clipboard on top of them. Message boxes
// and the clipboard are recording stand-ins. Prints one line per check and what it saw; the
// driver checks separately that the browser launcher handed the address on.

#include "HelpPage.h"
#include "ShellWindows.h"
#include "modShellExecute.h"
#include "modWebpage.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace pellucor {
namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "PASS" : "FAIL", what.c_str());
    if (!ok)
        ++failures;
}

// The real shell, with every call and its code written down.
class RecordingShell : public Shell {
public:
    void Execute(std::int32_t owner, const std::optional<std::string>& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory, std::int32_t showCommand,
                 ShellDone done) override {
        real_.Execute(owner, verb, file, parameters, directory, showCommand,
                      Recorded("Execute " + file + (parameters.empty() ? "" : " " + parameters), std::move(done)));
    }
    void ExecuteOpenWith(std::int32_t owner, const std::string& file, ShellDone done) override {
        real_.ExecuteOpenWith(owner, file, Recorded("OpenWith " + file, std::move(done)));
    }

    std::vector<std::string> calls;

private:
    ShellDone Recorded(std::string call, ShellDone done) {
        return [this, call = std::move(call), done = std::move(done)](std::int32_t code) {
            calls.push_back(call + " -> " + std::to_string(code));
            done(code);
        };
    }

    ShellWindows real_;
};

// The execute service answers before it returns; a code that never arrives shows as 0.
std::int32_t Answer(const std::function<void(ShellDone)>& call) {
    std::int32_t code = 0;
    call([&code](std::int32_t answer) { code = answer; });
    return code;
}

class RecordingBoxes : public MessageBoxHost {
public:
    explicit RecordingBoxes(std::deque<int> answers) : answers_(std::move(answers)) {}
    int MsgBox(const std::string& text, int style) override {
        std::string oneLine = text;
        for (std::size_t at; (at = oneLine.find("\r\n")) != std::string::npos;)
            oneLine.replace(at, 2, "/");
        shown.push_back(std::to_string(style) + ": " + oneLine);
        if (answers_.empty())
            return MsgBoxAnswer::Cancel;
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    std::vector<std::string> shown;

private:
    std::deque<int> answers_;
};

class RecordingClipboard : public Clipboard {
public:
    void Clear() override { steps.push_back("Clear"); }
    void SetText(const std::string& text) override { steps.push_back("SetText " + text); }
    std::vector<std::string> steps;
};

std::string Joined(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : " | ") + item;
    return out.empty() ? "(none)" : out;
}

// Waits, within a bound, for every process with this executable name to end, and says how each
// ended: the Open With start is a program of its own that nothing else waits for.
std::string AwaitProcesses(const char* exeName, DWORD boundMs) {
    std::string seen;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return "no process list";
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName) != 0)
            continue;
        const HANDLE process =
            OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
        if (process == nullptr)
            continue;
        if (WaitForSingleObject(process, boundMs) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process, &code);
            seen += std::string(seen.empty() ? "" : ", ") + exeName + " ended with " + std::to_string(code);
        } else {
            TerminateProcess(process, 1);
            seen += std::string(seen.empty() ? "" : ", ") + exeName + " still running after " +
                    std::to_string(boundMs) + " ms (ended by the check)";
        }
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    return seen.empty() ? std::string(exeName) + " not running (already ended)" : seen;
}

void HelpAddressOpens() {
    RecordingShell shell;
    RecordingBoxes boxes({MsgBoxAnswer::Ok});
    RecordingClipboard clipboard;
    bool finished = false;
    OpenWebPage(boxes, shell, clipboard, HelpPageAddress, 0, true, [&finished] { finished = true; });
    Check(finished, "the request has finished when the call returns");
    std::printf("INFO help address: shell %s\n", Joined(shell.calls).c_str());
    Check(shell.calls.size() == 1 && shell.calls[0].rfind(std::string("Execute ") + HelpPageAddress + " -> ", 0) == 0,
          "the help address goes to the execute service once");
    const std::int32_t code = Answer([](ShellDone done) {
        ShellWindows().Execute(0, std::nullopt, HelpPageAddress, "", "", ShowCommand::Normal, std::move(done));
    });
    Check(code > ShellResult::LastFailure,
          "the execute service opens the help address (code " + std::to_string(code) + ")");
    Check(boxes.shown.size() == 1, "only the confirmation box is shown: " + Joined(boxes.shown));
    Check(clipboard.steps.empty(), "the clipboard is left alone");
}

std::string TempFile(const char* name, bool create) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    if (create) {
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    return path;
}

void UnassociatedDocumentOffersOpenWith() {
    const std::string document = TempFile("pellucor-check.pellucor-unopenable", true);
    const std::int32_t code = Answer([&document](ShellDone done) {
        ShellWindows().Execute(0, std::nullopt, document, "", "", ShowCommand::Normal, std::move(done));
    });
    Check(code == ShellResult::NoAssociation,
          "a document nothing opens gives code 31 (got " + std::to_string(code) + ")");

    RecordingShell shell;
    RecordingBoxes boxes({});
    RecordingClipboard clipboard;
    OpenWebPage(boxes, shell, clipboard, document, 0, false);
    std::printf("INFO unassociated document: shell %s\n", Joined(shell.calls).c_str());
    Check(shell.calls.size() == 2 && shell.calls[1].rfind("OpenWith " + document + " -> ", 0) == 0,
          "code 31 leads to the Open With start");
    const std::int32_t openWith =
        Answer([&document](ShellDone done) { ShellWindows().ExecuteOpenWith(0, document, std::move(done)); });
    Check(openWith > ShellResult::LastFailure,
          "RUNDLL32 with shell32.dll,OpenAs_RunDLL starts (code " + std::to_string(openWith) + ")");
    Check(boxes.shown.empty(), "a started Open With shows no fallback box: " + Joined(boxes.shown));
    std::printf("INFO Open With program: %s\n", AwaitProcesses("rundll32.exe", 10000).c_str());
    DeleteFileA(document.c_str());
}

void MissingDocumentFallsBackToTheClipboard() {
    const std::string missing = TempFile("pellucor-check-missing\\nothing.txt", false);
    for (const int answer : {MsgBoxAnswer::Yes, MsgBoxAnswer::No}) {
        RecordingShell shell;
        RecordingBoxes boxes({answer});
        RecordingClipboard clipboard;
        OpenWebPage(boxes, shell, clipboard, missing, 0, false);
        const std::string label = answer == MsgBoxAnswer::Yes ? "answered Yes" : "answered No";
        std::printf("INFO missing document, %s: shell %s; boxes %s; clipboard %s\n", label.c_str(),
                    Joined(shell.calls).c_str(), Joined(boxes.shown).c_str(), Joined(clipboard.steps).c_str());
        Check(shell.calls.size() == 1 && shell.calls[0].find(" -> 2") != std::string::npos,
              label + ": file not found (2), and no Open With");
        Check(boxes.shown.size() == 1 && boxes.shown[0].rfind("35: Sorry.", 0) == 0, label + ": the fallback box");
        const std::vector<std::string> expected = answer == MsgBoxAnswer::Yes
                                                      ? std::vector<std::string>{"Clear", "SetText " + missing}
                                                      : std::vector<std::string>{};
        Check(clipboard.steps == expected, label + ": clipboard " + Joined(clipboard.steps));
    }
}

}  // namespace
}  // namespace pellucor

int main() {
    pellucor::HelpAddressOpens();
    pellucor::UnassociatedDocumentOffersOpenWith();
    pellucor::MissingDocumentFallsBackToTheClipboard();
    std::fflush(stdout);
    return pellucor::failures == 0 ? 0 : 1;
}
