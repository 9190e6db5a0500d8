// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Asynchronous calls in tests: runs the event loop until a completion comes, and measures how
// long the event loop went without turning meanwhile.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace pellucor::testing {

// Starts the call with a completion and waits, turning the event loop, until the completion
// comes or the patience runs out. A completion that comes later is harmless.
template <typename T>
std::optional<T> Await(const std::function<void(std::function<void(T)>)>& start,
                       std::chrono::milliseconds patience = std::chrono::seconds(60)) {
    auto result = std::make_shared<std::optional<T>>();
    auto loop = std::make_shared<QEventLoop>();
    start([result, weak = std::weak_ptr<QEventLoop>(loop)](T value) {
        if (result->has_value()) return;
        *result = value;
        if (auto l = weak.lock()) l->quit();
    });
    if (!result->has_value()) {
        QTimer::singleShot(patience, loop.get(), [l = loop.get()] { l->quit(); });
        loop->exec();
    }
    return *result;
}

// Turns the event loop until the condition holds or the patience runs out.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds patience = std::chrono::seconds(60)) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > patience.count()) return false;
        QEventLoop().processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// A 10 ms tick on the event loop; the largest gap between ticks, less the interval, is the
// longest the loop was kept from answering (by a wait, or by a box's own loop not turning).
class LatencyProbe {
public:
    LatencyProbe() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(Interval);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (since_.isValid()) worst_ = std::max(worst_, since_.restart() - Interval);
            else since_.start();
        });
        timer_.start();
    }
    qint64 WorstMs() const { return worst_; }

private:
    static constexpr int Interval = 10;
    QTimer timer_;
    QElapsedTimer since_;
    qint64 worst_ = 0;
};

}  // namespace pellucor::testing
