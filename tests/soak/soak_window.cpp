// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// A long session in the real window on a real X server: thousands of calculations with
// changing inputs and hundreds of Online Help requests through openers that fail, succeed late
// or outlast the grace period, the boxes answered as they come. Afterwards the process must
// hold no more memory than after its warm-up (within 1 MB), the same threads and descriptors,
// and no child, running or unreaped. Prints the figures it measured.

#include "OpenerStub.h"
#include "TestData.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using pellucor::Field;

namespace {

struct Inputs {
    const char* npv;
    const char* n;
    const char* pmt;
    const char* closing;
    const char* expected;  // null: any result line will do
};

// Rows whose result lines are known (from the shared table); the loop also varies the amount
// between them.
const std::vector<Inputs>& Known() {
    static const std::vector<Inputs> rows = [] {
        std::vector<Inputs> out;
        for (const char* name : {"NegativeClosing", "FractionalMonths", "TopCandidate", "GroupedNpv", "SmallestWhole",
                                 "NegativeRateBeyondTolerance"}) {
            const pellucor::testing::ResultLineRow& r = pellucor::testing::ResultLine(name);
            out.push_back({r.npv.c_str(), r.n.c_str(), r.pmt.c_str(), r.closing.c_str(), r.result.c_str()});
        }
        return out;
    }();
    return rows;
}

// What the stand-in opener does, request by request.
const char* const Openers[] = {"4", "after 2 1", "after 2 0", "3", "after 12 0", "0", "after 1 4"};

struct Usage {
    long rssKb = 0;
    long heapKb = 0;  // allocated and not freed, as the C library counts it
    int threads = 0;
    int descriptors = 0;
    int children = 0;
};

int CountEntries(const char* dir) {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir))
        ++n;
    return n;
}

int CountChildren() {
    const std::string self = std::to_string(getpid());
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        // pid (comm) state ppid ...: comm may hold blanks and parentheses.
        std::istringstream rest(line.substr(line.rfind(')') + 1));
        std::string state, ppid;
        rest >> state >> ppid;
        if (ppid == self) ++n;
    }
    return n;
}

Usage Measure() {
    Usage u;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) u.rssKb = std::stol(line.substr(6));
    }
    u.heapKb = static_cast<long>(mallinfo2().uordblks / 1024);
    u.threads = CountEntries("/proc/self/task");
    u.descriptors = CountEntries("/proc/self/fd") - 1;  // less the one listing them
    u.children = CountChildren();
    return u;
}

// Turns the event loop for a while; a loop of its own, so objects deleted later go too.
void Pump(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool PumpUntil(const std::function<bool()>& condition, int patienceMs) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > patienceMs) return false;
        Pump(20);
    }
    return true;
}

// Answers every box as it appears: OK to a confirmation, then Yes and No in turn to the
// offers to copy the address.
class Answerer {
public:
    Answerer() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Poll(); });
        timer_.start();
    }
    int confirmations = 0;
    int offers = 0;
    int others = 0;

private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        if (QAbstractButton* ok = box->button(QMessageBox::Ok); ok && box->button(QMessageBox::Cancel)) {
            ++confirmations;
            ok->click();
        } else if (QAbstractButton* answer = box->button(offers % 2 ? QMessageBox::No : QMessageBox::Yes)) {
            ++offers;
            answer->click();
        } else {
            ++others;
            box->close();
        }
    }
    QTimer timer_;
};

class Soak {
public:
    explicit Soak(frmMain& window) : window_(window) {}

    // One calculation; false when its result line is not what it should be.
    bool Calculate(int i) {
        Inputs in = Known()[static_cast<std::size_t>(i) % Known().size()];
        std::string npv;
        if (i % 3 != 0) {  // vary the amount between the known rows
            npv = std::to_string(40000 + (i * 7919) % 30000) + "." + std::to_string(i % 100);
            in = {npv.c_str(), "360", "617.17", "0", nullptr};
        }
        Type(Field::NPV, in.npv);
        Type(Field::Duration, in.n);
        Type(Field::PMT, in.pmt);
        Type(Field::ClosingCost, in.closing);
        if (!window_.FieldWidget(Field::Result)->text().isEmpty()) return false;  // changing an input empties it
        QTest::mouseClick(window_.findChild<QPushButton*>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
        const QString result = window_.FieldWidget(Field::Result)->text();
        ++calculations;
        if (in.expected) return result == QLatin1String(in.expected);
        return result.startsWith(QLatin1String("IRR = ")) || result == QLatin1String("IRR is out of range.");
    }

    void AskForHelp(pellucor::testing::OpenerStub& stub, int i) {
        stub.SetBehaviour(Openers[i % std::size(Openers)]);
        QTest::mouseClick(window_.findChild<QPushButton*>(QStringLiteral("cmdHelp")), Qt::LeftButton);
        ++requests;
    }

    int calculations = 0;
    int requests = 0;

private:
    void Type(Field field, const char* text) {
        QLineEdit* edit = window_.FieldWidget(field);
        if (edit->text() == QLatin1String(text)) {
            // Retyped anyway, so that the result is emptied by a change.
            if (field != Field::NPV) return;
        }
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }

    frmMain& window_;
};

void Print(const char* when, const Usage& u) {
    std::printf("%-10s RSS %6ld kB, heap in use %6ld kB, threads %d, descriptors %d, children %d\n", when, u.rssKb,
                u.heapKb, u.threads, u.descriptors, u.children);
    std::fflush(stdout);
}

struct Phase {
    int calculations;
    int requests;
};

bool Run(Soak& soak, pellucor::testing::OpenerStub& stub, Phase phase, int& wrong) {
    // Requests spread evenly among the calculations, overlapping one another.
    for (int i = 0, asked = 0; i < phase.calculations; ++i) {
        if (!soak.Calculate(soak.calculations)) ++wrong;
        while (asked < phase.requests && asked * phase.calculations <= i * phase.requests) {
            soak.AskForHelp(stub, soak.requests);
            ++asked;
        }
        Pump(0);
        if (i > 0 && i % 500 == 0) Print("  progress", Measure());
    }
    // The longest opener ends after 12 s; then it must have been reaped, and its watch gone.
    const bool settled = PumpUntil([] { return CountChildren() == 0; }, 30000);
    Pump(500);
    return settled;
}


}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::printf("SKIP: needs an X server (platform is %s)\n", qPrintable(QGuiApplication::platformName()));
        return 77;
    }
    const int calculations = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int requests = argc > 2 ? std::atoi(argv[2]) : 300;

    frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::printf("FAIL: the window was never shown\n");
        return 1;
    }
    pellucor::testing::OpenerStub stub("0");
    Answerer answerer;
    Soak soak(window);
    int wrong = 0;
    QElapsedTimer clock;

    clock.start();
    const bool warmSettled = Run(soak, stub, {200, 35}, wrong);
    const Usage before = Measure();
    Print("warmed up", before);
    const qint64 warmMs = clock.restart();

    const bool settled = Run(soak, stub, {calculations, requests}, wrong);
    const Usage after = Measure();
    Print("after", after);
    const qint64 soakMs = clock.elapsed();

    std::printf("%d calculations (%d wrong), %d help requests: %d confirmations, %d offers to copy, %d other boxes\n",
                soak.calculations, wrong, soak.requests, answerer.confirmations, answerer.offers, answerer.others);
    std::printf("warm-up %.1f s, soak %.1f s; RSS grew by %ld kB\n", warmMs / 1000.0, soakMs / 1000.0,
                after.rssKb - before.rssKb);

    int failures = 0;
    const auto expect = [&failures](bool ok, const char* what) {
        if (!ok) {
            std::printf("FAIL: %s\n", what);
            ++failures;
        }
    };
    expect(warmSettled && settled, "openers still running or unreaped after 30 s");
    expect(wrong == 0, "a calculation gave the wrong result line");
    expect(answerer.confirmations == soak.requests, "not every request asked for confirmation");
    expect(answerer.others == 0, "a box other than the help boxes appeared");
    expect(answerer.offers > 0, "no failing opener ever offered the address");
    expect(after.rssKb - before.rssKb < 1024, "resident memory grew by 1 MB or more");
    expect(after.threads == before.threads, "the thread count changed");
    expect(after.descriptors == before.descriptors, "the number of open descriptors changed");
    expect(after.children == 0, "a child process is left");
    return failures == 0 ? 0 : 1;
}
