// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The ProgressBar's property store. Input: any bytes, taken as a serialised store.
//
// Checked for every input: loading either succeeds, or fails with a message and leaves the bag
// as it was; whatever loaded saves to data that loads again to the same entries and saves to
// the same bytes. A bar reading the loaded store either takes it or refuses it with one of its
// documented errors; what the bar then writes reads back into a new bar and is written again
// unchanged.

#include "AppError.h"
#include "ProgressBar.h"
#include "PropertyBag.h"

#include <QApplication>
#include <QByteArray>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

using namespace pellucor;

[[noreturn]] void Fail(const char* what, const QByteArray& data) {
    std::fprintf(stderr, "invariant broken: %s\ndata: %s\n", what, data.toPercentEncoding(" {}[]\":,").constData());
    std::abort();
}

// Equal entries, where NaN equals NaN and 0 is told from -0: what a round trip must keep.
bool SameBits(const PropertyValue& a, const PropertyValue& b) {
    if (a.Type() != b.Type())
        return false;
    if (a.IsText())
        return a.TextValue() == b.TextValue();
    const double x = a.Number();
    const double y = b.Number();
    return (std::isnan(x) && std::isnan(y)) || std::memcmp(&x, &y, sizeof x) == 0;
}

bool SameEntries(const PropertyBag& a, const PropertyBag& b) {
    if (a.Keys() != b.Keys())
        return false;
    for (const QString& key : a.Keys()) {
        if (!SameBits(*a.Find(key), *b.Find(key)))
            return false;
    }
    return true;
}

// Reads the bag into the bar; true when it took it without complaint.
bool Read(ProgressBar& bar, const PropertyBag& bag, std::initializer_list<std::int32_t> allowed,
          const QByteArray& data) {
    try {
        bar.ReadProperties(bag);
        return true;
    } catch (const AppError& e) {
        for (std::int32_t number : allowed) {
            if (e.Number() == number)
                return false;
        }
        std::fprintf(stderr, "error %d: %s\n", e.Number(), e.what());
        Fail("the bar refused the store with an undocumented error", data);
    } catch (...) {
        Fail("the bar threw something other than an AppError", data);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray data(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));

    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Before"), PropertyValue::Int32(7));
    const PropertyBag before = bag;
    QString error;
    if (!bag.Load(data, &error)) {
        if (error.isEmpty())
            Fail("loading failed without a message", data);
        if (!SameEntries(bag, before))
            Fail("a failed load changed the bag", data);
        return 0;
    }

    const QByteArray saved = bag.Save();
    PropertyBag again;
    if (!again.Load(saved, &error))
        Fail(qPrintable("what loaded does not load once saved: " + error), saved);
    if (!SameEntries(bag, again))
        Fail("a save and load changed the entries", saved);
    if (again.Save() != saved)
        Fail("a second save differs from the first", saved);

    // Conversions (13, 6), colours that cannot be drawn (380) and a layout that cannot be
    // computed (6, 11) are the bar's documented refusals.
    ProgressBar bar;
    Read(bar, bag, {ErrorNumber::TypeMismatch, ErrorNumber::Overflow, 380, ErrorNumber::DivisionByZero}, data);
    PropertyBag written;
    bar.WriteProperties(written);

    // What the bar wrote it can always convert; only its layout may still fail.
    ProgressBar reloaded;
    Read(reloaded, written, {ErrorNumber::Overflow, ErrorNumber::DivisionByZero}, data);
    PropertyBag rewritten;
    reloaded.WriteProperties(rewritten);
    if (!SameEntries(written, rewritten) || written.Save() != rewritten.Save())
        Fail("the bar's own store did not survive a read and a write", written.Save());
    return 0;
}
