// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The progress bar as a form sees it: its setters and what they refuse, its layout in twips,
// its stored data and the serialised store, and what it paints.

#include "AppError.h"
#include "ProgressBar.h"
#include "PropertyBag.h"
#include "ui_frmBarTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <limits>
#include <optional>

Q_DECLARE_METATYPE(pellucor::PropertyValue)

using namespace pellucor;

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Inf = std::numeric_limits<float>::infinity();

class FakeHost : public ControlHost {
public:
    bool userMode = false;
    QStringList boxes;  // "style|text"

    bool UserMode() const override { return userMode; }
    int MsgBox(const std::string& text, int style) override {
        boxes.append(QStringLiteral("%1|%2").arg(style).arg(QString::fromStdString(text)));
        return MsgBoxAnswer::Ok;
    }
};

// What the bar's error traps log while this lives.
class TrapLog {
public:
    TrapLog() : previous_(qInstallMessageHandler(&Handle)) {
        current_ = this;
        QLoggingCategory::setFilterRules(QStringLiteral("pellucor.controls.progressbar.debug=true"));
    }
    ~TrapLog() {
        QLoggingCategory::setFilterRules({});
        qInstallMessageHandler(previous_);
        current_ = nullptr;
    }
    QStringList lines;

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (current_ && qstrcmp(context.category, "pellucor.controls.progressbar") == 0)
            current_->lines.append(message);
        else if (current_ && current_->previous_)
            current_->previous_(type, context, message);
    }
    static inline TrapLog* current_ = nullptr;
    QtMessageHandler previous_;
};

// A bar on a designed form, sized and laid out as the form would after placing it.
struct Bar {
    explicit Bar(QSize pixels = {300, 20}) {
        widget.SetHost(&host);
        widget.resize(pixels);
        widget.Resize();
    }
    QStringList Notified() const {
        QStringList names;
        for (const auto& args : changes)
            names.append(args.at(0).toString());
        return names;
    }
    FakeHost host;
    ProgressBar widget;
    QSignalSpy changes{&widget, &ProgressBar::PropertyChanged};
};

QRectF Twips(const Shape& shape) { return {shape.Left(), shape.Top(), shape.Width(), shape.Height()}; }

void Apply(ProgressBar& bar, const QVariantMap& changes) {
    // Alphabetical order sets Max and Resolution before Value.
    for (auto it = changes.begin(); it != changes.end(); ++it)
        QVERIFY2(bar.setProperty(it.key().toUtf8().constData(), it.value()), qPrintable(it.key()));
}

QByteArray Store(const QByteArray& entries) { return R"({"version": 1, "properties": [)" + entries + "]}"; }

PropertyBag Loaded(const QByteArray& entries) {
    PropertyBag bag;
    QString error;
    if (!bag.Load(Store(entries), &error))
        qFatal("test store refused: %s", qPrintable(error));
    return bag;
}

const QVariantMap EveryPropertyChanged{{"Orientation", 1},     {"BackColor", 0x00123456u}, {"BorderColor", 0x00FF0000u},
                                       {"ForeColor", 0x0000FF00u}, {"Resolution", 10},    {"Max", 40.5f},
                                       {"Value", 20.25f}};

}  // namespace

class TestProgressBar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setApplicationDisplayName(QStringLiteral("Pellucor"));
    }

    void valueThreshold_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<float>("max");
        QTest::addColumn<QList<float>>("steps");
        QTest::addColumn<QList<float>>("valuesSeen");
        QTest::addColumn<int>("drawn");
        using L = QList<float>;
        QTest::newRow("1 to 6 from 0 draws 3 and 6") << 50 << 100.0f << L{1, 2, 3, 4, 5, 6} << L{0, 0, 3, 3, 3, 6} << 2;
        QTest::newRow("2 is not above 1/50") << 50 << 100.0f << L{2} << L{0} << 0;
        QTest::newRow("2.5 is") << 50 << 100.0f << L{2.5f} << L{2.5f} << 1;
        QTest::newRow("Resolution -1 draws an unchanged value") << -1 << 100.0f << L{0, 0} << L{0, 0} << 2;
        QTest::newRow("Resolution 1 ignores an unchanged value") << 1 << 100.0f << L{0} << L{0} << 0;
        QTest::newRow("Resolution 1 needs more than the range") << 1 << 100.0f << L{100, 101} << L{0, 101} << 1;
        QTest::newRow("Resolution 0 draws nothing") << 0 << 100.0f << L{50, -50} << L{0, 0} << 0;
        QTest::newRow("threshold scales with Max") << 50 << 0.5f << L{0.01f, 0.011f} << L{0, 0.011f} << 1;
        QTest::newRow("values outside 0 to Max are kept") << 50 << 100.0f << L{-20, 250} << L{-20, 250} << 2;
        QTest::newRow("NaN is refused") << 50 << 100.0f << L{NaN, 30, NaN} << L{0, 30, 30} << 1;
    }
    void valueThreshold() {
        QFETCH(int, resolution);
        QFETCH(float, max);
        QFETCH(QList<float>, steps);
        QFETCH(QList<float>, valuesSeen);
        QFETCH(int, drawn);
        Bar bar;
        bar.widget.setResolution(resolution);
        bar.widget.setMax(max);
        bar.changes.clear();
        for (qsizetype i = 0; i < steps.size(); ++i) {
            bar.widget.setValue(steps[i]);
            QCOMPARE(bar.widget.Value(), valuesSeen[i]);
        }
        QCOMPARE(bar.Notified(), QStringList(drawn, QStringLiteral("Value")));
        // The bar shows the last drawn value, in whole pixels of the 300-pixel control.
        QCOMPARE(bar.widget.shpBar().Width(), std::round(bar.widget.Value() / max * 300) * 15);
    }

    // An infinite change passes any threshold; an infinite Value cannot be drawn, so it is kept
    // without a notification, and the next finite one is drawn again.
    void infiniteValue_data() {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<float>("infinite");
        QTest::newRow("loaded Infinity") << true << Inf;
        QTest::newRow("loaded -Infinity") << true << -Inf;
        QTest::newRow("set Infinity") << false << Inf;
    }
    void infiniteValue() {
        QFETCH(bool, loaded);
        QFETCH(float, infinite);
        Bar bar;
        if (loaded) {
            PropertyBag bag;
            bag.WriteProperty("Value", PropertyValue::Float32(infinite));
            QVERIFY_THROWS_EXCEPTION(AppError, bar.widget.ReadProperties(bag));
        } else {
            bar.widget.setValue(infinite);
        }
        QCOMPARE(bar.widget.Value(), infinite);
        QCOMPARE(bar.changes.size(), 0);
        bar.widget.setValue(30);
        QCOMPARE(bar.widget.Value(), 30.0f);
        QCOMPARE(bar.Notified(), QStringList{"Value"});
        QCOMPARE(bar.widget.shpBar().Width(), 1350.0f);
        PropertyBag saved;
        bar.widget.WriteProperties(saved);
        QCOMPARE(saved.Find("Value")->Number(), 30.0);
    }

    void setterRejections_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("logged");
        const QString none;
        QTest::newRow("Resolution -2") << "Resolution" << QVariant(-2) << QVariant(50)
                                       << QStringList{"16|Value must be greater than or equal to -1."}
                                       << "error 3316: Resolution: Value must be greater than or equal to -1.";
        QTest::newRow("Resolution -1") << "Resolution" << QVariant(-1) << QVariant(-1) << QStringList{} << none;
        QTest::newRow("Resolution 0") << "Resolution" << QVariant(0) << QVariant(0) << QStringList{} << none;
        QTest::newRow("Max 0") << "Max" << QVariant(0.0f) << QVariant(100.0f) << QStringList{}
                               << "error 3317: Value of Max must be >0";
        QTest::newRow("Max -5") << "Max" << QVariant(-5.0f) << QVariant(100.0f) << QStringList{}
                                << "error 3317: Value of Max must be >0";
        QTest::newRow("Max NaN") << "Max" << QVariant(NaN) << QVariant(100.0f) << QStringList{}
                                 << "error 3317: Value of Max must be >0";
        QTest::newRow("Max 0.5") << "Max" << QVariant(0.5f) << QVariant(0.5f) << QStringList{} << none;
        QTest::newRow("Orientation 2") << "Orientation" << QVariant(2) << QVariant(0) << QStringList{}
                                       << "Orientation = 0 or 1. Other value is not accepted.";
        QTest::newRow("Orientation 1") << "Orientation" << QVariant(1) << QVariant(1) << QStringList{} << none;
        // Colours the bar cannot draw: the property system meets no exception.
        QTest::newRow("BackColor beyond RGB") << "BackColor" << QVariant(0x01000000u) << QVariant(0x8000000Fu)
                                              << QStringList{} << "error 380";
        QTest::newRow("ForeColor system 25") << "ForeColor" << QVariant(0x80000019u) << QVariant(0x80000014u)
                                             << QStringList{} << "error 380";
    }
    void setterRejections() {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QFETCH(QVariant, expected);
        QFETCH(QStringList, boxes);
        QFETCH(QString, logged);
        Bar bar;
        bar.widget.setValue(50);
        bar.changes.clear();
        const QRectF drawn = Twips(bar.widget.shpBar());
        TrapLog log;
        QVERIFY(bar.widget.setProperty(property.toUtf8().constData(), value));
        QCOMPARE(bar.widget.property(property.toUtf8().constData()), expected);
        QCOMPARE(bar.host.boxes, boxes);
        QCOMPARE(bar.Notified(), logged.isEmpty() ? QStringList{property} : QStringList{});
        QCOMPARE(log.lines.size(), logged.isEmpty() ? 0 : 1);
        if (!logged.isEmpty())
            QVERIFY2(log.lines.front().contains(logged), qPrintable(log.lines.front()));
        // None of these redraws the bar: the next Value, resize or load shows them.
        QCOMPARE(Twips(bar.widget.shpBar()), drawn);
    }

    void runMode_data() {
        QTest::addColumn<bool>("builtInHost");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("designed");
        QTest::addColumn<bool>("running");
        QTest::newRow("form being designed") << false << false << false << false;
        QTest::newRow("form running") << false << true << false << true;
        QTest::newRow("built-in host before the bar is shown") << true << false << false << false;
        QTest::newRow("built-in host once shown") << true << true << false << true;
        QTest::newRow("marked as designed, shown") << true << true << true << false;
    }
    void runMode() {
        QFETCH(bool, builtInHost);
        QFETCH(bool, shown);
        QFETCH(bool, designed);
        QFETCH(bool, running);
        Bar bar;
        bar.host.userMode = running;
        if (builtInHost)
            bar.widget.SetHost(nullptr);
        bar.widget.SetDesignMode(designed);
        if (builtInHost && shown)
            bar.widget.show();
        bar.changes.clear();
        // Through the property system a refusal never throws.
        QVERIFY(bar.widget.setProperty("Orientation", 1));
        QCOMPARE(bar.widget.Orientation(), running ? 0 : 1);
        QVERIFY(bar.widget.setProperty("Orientation", 0));
        std::optional<int> error;
        try {
            bar.widget.SetOrientation(1);
        } catch (const AppError& e) {
            error = e.Number();
        }
        QCOMPARE(error, running ? std::optional<int>(ErrorNumber::PropertyNotSettableAtRunTime) : std::nullopt);
        QCOMPARE(bar.widget.Orientation(), running ? 0 : 1);
        bar.widget.setMax(40);
        QCOMPARE(bar.widget.Max(), 40.0f);
        QCOMPARE(bar.Notified(), running ? QStringList{"Max"} : QStringList({"Orientation", "Orientation", "Orientation", "Max"}));
    }

    void colourSetters() {
        Bar bar;
        bar.widget.setBackColor(0x00336699);
        QCOMPARE(bar.widget.BackColor(), 0x00336699u);
        QCOMPARE(bar.widget.shpBar().FillColor(), 0x00336699u);
        bar.widget.setForeColor(SystemColor::ButtonFace);
        QCOMPARE(bar.widget.shpBar().BackColor(), SystemColor::ButtonFace);
        QCOMPARE(bar.Notified(), QStringList({"BackColor", "ForeColor"}));
        for (OleColor refused : {0x01000000u, SystemColor::Flag + 25, 0xFFFFFFFFu}) {
            QVERIFY_THROWS_EXCEPTION(AppError, bar.widget.SetBorderColor(refused));
            QCOMPARE(bar.widget.BorderColor(), SystemColor::ButtonText);
        }
        QCOMPARE(bar.changes.size(), 2);
    }

    void geometry_data() {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<float>("max");
        QTest::addColumn<float>("value");
        QTest::addColumn<QRectF>("bar");
        QTest::newRow("horizontal 50") << 0 << QSize(300, 20) << 100.0f << 50.0f << QRectF(0, 0, 2250, 300);
        QTest::newRow("horizontal 100") << 0 << QSize(300, 20) << 100.0f << 100.0f << QRectF(0, 0, 4500, 300);
        QTest::newRow("horizontal 0") << 0 << QSize(300, 20) << 100.0f << 0.0f << QRectF(0, 0, 0, 300);
        QTest::newRow("horizontal above Max") << 0 << QSize(300, 20) << 100.0f << 150.0f << QRectF(0, 0, 6750, 300);
        QTest::newRow("horizontal below 0") << 0 << QSize(300, 20) << 100.0f << -10.0f << QRectF(0, 0, -450, 300);
        QTest::newRow("vertical 25") << 1 << QSize(20, 200) << 100.0f << 25.0f << QRectF(0, 2250, 300, 750);
        // 100 twips snap to 7 pixels; the bar's foot stays on the control's lower edge.
        QTest::newRow("vertical snapped") << 1 << QSize(20, 20) << 3.0f << 1.0f << QRectF(0, 195, 300, 105);
        // Half a pixel rounds up for the length and would round the top down past the edge.
        QTest::newRow("vertical half pixel") << 1 << QSize(20, 20) << 40.0f << 1.0f << QRectF(0, 285, 300, 15);
    }
    void geometry() {
        QFETCH(int, orientation);
        QFETCH(QSize, pixels);
        QFETCH(float, max);
        QFETCH(float, value);
        QFETCH(QRectF, bar);
        Bar control(pixels);
        control.widget.setOrientation(orientation);
        control.widget.Resize();
        control.widget.setMax(max);
        control.widget.setValue(value);
        QCOMPARE(Twips(control.widget.shpBar()), bar);
        QCOMPARE(Twips(control.widget.shpBorder()), QRectF(0, 0, pixels.width() * 15, pixels.height() * 15));
    }

    void resizeStep() {
        ProgressBar fresh;
        // The initial 2000 twips, snapped to 133 pixels, until the form first sizes the bar.
        QCOMPARE(Twips(fresh.shpBar()), QRectF(0, 0, 1995, 300));

        Bar bar;
        bar.widget.setValue(50);
        bar.widget.resize(600, 40);
        bar.widget.Resize();
        QCOMPARE(Twips(bar.widget.shpBar()), QRectF(0, 0, 4500, 600));
        QCOMPARE(Twips(bar.widget.shpBorder()), QRectF(0, 0, 9000, 600));
        bar.widget.setValue(80);
        QCOMPARE(Twips(bar.widget.shpBar()), QRectF(0, 0, 7200, 600));
        QCOMPARE(Twips(bar.widget.shpBorder()), QRectF(0, 0, 9000, 600));
    }

    void savedKeys_data() {
        QTest::addColumn<QVariantMap>("changes");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("types");
        // A new bar's background and bar colours are not the stored defaults.
        QTest::newRow("untouched new bar") << QVariantMap{} << QStringList{"BackColor", "ForeColor"}
                                           << QStringList{"i32", "i32"};
        QTest::newRow("every property changed")
            << EveryPropertyChanged
            << QStringList{"BackColor", "BorderColor", "ForeColor", "Max", "Value", "Resolution", "Orientation"}
            << QStringList{"i32", "i32", "i32", "f32", "f32", "i32", "i32"};
        QTest::newRow("only defaults") << QVariantMap{{"BackColor", 0x00FFFFFFu}, {"ForeColor", 0x000000FFu}}
                                       << QStringList{} << QStringList{};
        QTest::newRow("Resolution -1") << QVariantMap{{"BackColor", 0x00FFFFFFu}, {"ForeColor", 0x000000FFu},
                                                      {"Resolution", -1}}
                                       << QStringList{"Resolution"} << QStringList{"i32"};
        QTest::newRow("Value -0 is not the default 0")
            << QVariantMap{{"BackColor", 0x00FFFFFFu}, {"ForeColor", 0x000000FFu}, {"Resolution", -1}, {"Value", -0.0f}}
            << QStringList{"Value", "Resolution"} << QStringList{"f32", "i32"};
    }
    void savedKeys() {
        QFETCH(QVariantMap, changes);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, types);
        Bar bar;
        Apply(bar.widget, changes);
        PropertyBag bag;
        bar.widget.WriteProperties(bag);
        QCOMPARE(bag.Keys(), keys);
        QStringList stored;
        for (const QString& key : keys)
            stored.append(StoredTypeName(bag.Find(key)->Type()));
        QCOMPARE(stored, types);
        if (keys.contains("ForeColor"))
            QCOMPARE(bag.Find("ForeColor")->ToInt32(), OleColorBits(bar.widget.ForeColor()));
    }

    void roundTrip_data() {
        QTest::addColumn<QVariantMap>("changes");
        QTest::newRow("untouched new bar") << QVariantMap{};
        QTest::newRow("every property changed") << EveryPropertyChanged;
        QTest::newRow("system colours, infinite Max") << QVariantMap{{"BorderColor", SystemColor::Flag + 13},
                                                                     {"BackColor", SystemColor::Flag + 5},
                                                                     {"Max", Inf}};
    }
    void roundTrip() {
        QFETCH(QVariantMap, changes);
        Bar source;
        Apply(source.widget, changes);
        PropertyBag saved;
        source.widget.WriteProperties(saved);
        PropertyBag reloaded;
        QString error;
        QVERIFY2(reloaded.Load(saved.Save(), &error), qPrintable(error));
        QCOMPARE(reloaded, saved);

        Bar target;
        Apply(target.widget, EveryPropertyChanged);
        target.widget.ReadProperties(reloaded);
        for (const char* name : {"Orientation", "BackColor", "BorderColor", "ForeColor", "Resolution", "Max", "Value"})
            QCOMPARE(target.widget.property(name), source.widget.property(name));
        QCOMPARE(target.widget.shpBar().FillColor(), source.widget.BackColor());
    }

    void emptyStore() {
        Bar bar;
        Apply(bar.widget, EveryPropertyChanged);
        bar.changes.clear();
        bar.widget.ReadProperties(PropertyBag{});
        QCOMPARE(bar.widget.Max(), 100.0f);
        QCOMPARE(bar.widget.Value(), 0.0f);
        QCOMPARE(bar.widget.Resolution(), 50);
        QCOMPARE(bar.widget.Orientation(), 0);
        QCOMPARE(bar.widget.BackColor(), 0x00FFFFFFu);
        QCOMPARE(bar.widget.shpBar().FillColor(), 0x00FFFFFFu);
        QCOMPARE(bar.widget.BorderColor(), SystemColor::ButtonText);
        QCOMPARE(bar.widget.ForeColor(), 0x000000FFu);
        QCOMPARE(bar.widget.shpBar().Height(), 300.0f);
        QCOMPARE(bar.widget.shpBar().Width(), 0.0f);
        QCOMPARE(bar.changes.size(), 0);
    }

    void loadedData_data() {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<int>("error");
        QTest::addColumn<float>("max");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("orientation");
        const int none = 0;
        QTest::newRow("numbers as text")
            << QByteArray(R"({"key": "Max", "type": "text", "value": " 12.5 "},
                             {"key": "Value", "type": "text", "value": "+5"})")
            << none << 12.5f << 5.0f << 50 << 0;
        QTest::newRow("fractions round half to even")
            << QByteArray(R"({"key": "Resolution", "type": "f32", "value": 2.5},
                             {"key": "Orientation", "type": "f32", "value": 0.5})")
            << none << 100.0f << 0.0f << 2 << 0;
        QTest::newRow("largest float as printed")
            << QByteArray(R"({"key": "Max", "type": "f32", "value": 3.4028235e38},
                             {"key": "Value", "type": "text", "value": "-3.4028235e38"})")
            << none << std::numeric_limits<float>::max() << -std::numeric_limits<float>::max() << 50 << 0;
        QTest::newRow("Orientation 5 and Resolution -7 are kept")
            << QByteArray(R"({"key": "Orientation", "type": "i16", "value": 5},
                             {"key": "Resolution", "type": "i32", "value": -7})")
            << none << 100.0f << 0.0f << -7 << 5;
        // A failed conversion changes nothing, colours included.
        const QByteArray colour = R"({"key": "BackColor", "type": "i32", "value": 255}, )";
        QTest::newRow("text that is no number") << colour + R"({"key": "Max", "type": "text", "value": "abc"})"
                                                << int(ErrorNumber::TypeMismatch) << 40.5f << 20.25f << 10 << 1;
        QTest::newRow("empty text") << colour + R"({"key": "Orientation", "type": "text", "value": ""})"
                                    << int(ErrorNumber::TypeMismatch) << 40.5f << 20.25f << 10 << 1;
        QTest::newRow("beyond 32 bits") << colour + R"({"key": "Resolution", "type": "f32", "value": 3e9})"
                                        << int(ErrorNumber::Overflow) << 40.5f << 20.25f << 10 << 1;
        QTest::newRow("beyond float") << colour + R"({"key": "Value", "type": "text", "value": "1e39"})"
                                      << int(ErrorNumber::Overflow) << 40.5f << 20.25f << 10 << 1;
        QTest::newRow("colour that cannot be drawn")
            << colour + R"({"key": "ForeColor", "type": "i32", "value": 16777216})"
            << int(ErrorNumber::InvalidPropertyValue) << 40.5f << 20.25f << 10 << 1;
        QTest::newRow("colour as a name") << colour + R"({"key": "BorderColor", "type": "text", "value": "red"})"
                                          << int(ErrorNumber::TypeMismatch) << 40.5f << 20.25f << 10 << 1;
    }
    void loadedData() {
        QFETCH(QByteArray, entries);
        QFETCH(int, error);
        QFETCH(float, max);
        QFETCH(float, value);
        QFETCH(int, resolution);
        QFETCH(int, orientation);
        Bar bar;
        Apply(bar.widget, EveryPropertyChanged);
        const QRectF before = Twips(bar.widget.shpBar());
        int caught = 0;
        try {
            bar.widget.ReadProperties(Loaded(entries));
        } catch (const AppError& e) {
            caught = e.Number();
        }
        QCOMPARE(caught, error);
        QCOMPARE(bar.widget.Max(), max);
        QCOMPARE(bar.widget.Value(), value);
        QCOMPARE(bar.widget.Resolution(), resolution);
        QCOMPARE(bar.widget.Orientation(), orientation);
        if (error != 0) {
            QCOMPARE(bar.widget.BackColor(), EveryPropertyChanged["BackColor"].toUInt());
            QCOMPARE(Twips(bar.widget.shpBar()), before);
        } else if (orientation != 0) {
            QCOMPARE(bar.widget.shpBar().Width(), 4500.0f);  // any non-zero orientation lays out vertically
        }
        QVERIFY(!bar.widget.grab().isNull());
    }

    void loadedMaxZero_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("Value 0") << 0.0f << int(ErrorNumber::Overflow);
        QTest::newRow("Value 30") << 30.0f << int(ErrorNumber::DivisionByZero);
    }
    void loadedMaxZero() {
        QFETCH(float, value);
        QFETCH(int, error);
        Bar bar;
        bar.widget.setValue(50);
        const QRectF before = Twips(bar.widget.shpBar());
        const QByteArray entries = R"({"key": "BorderColor", "type": "i32", "value": 16711680},
                                      {"key": "Max", "type": "f32", "value": 0},
                                      {"key": "Value", "type": "f32", "value": )" +
                                   QByteArray::number(value) + "}";
        int caught = 0;
        try {
            bar.widget.ReadProperties(Loaded(entries));
        } catch (const AppError& e) {
            caught = e.Number();
        }
        QCOMPARE(caught, error);
        QCOMPARE(bar.widget.Max(), 0.0f);
        QCOMPARE(bar.widget.Value(), value);
        QCOMPARE(bar.widget.BorderColor(), 0x00FF0000u);
        QCOMPARE(Twips(bar.widget.shpBar()), before);

        bar.changes.clear();
        bar.widget.setValue(90);
        QCOMPARE(bar.widget.Value(), value);
        QCOMPARE(bar.changes.size(), 0);

        // Only the length stays; thickness, top and frame follow the new size.
        bar.widget.resize(400, 30);
        bar.widget.Resize();
        QCOMPARE(Twips(bar.widget.shpBar()), QRectF(0, 0, before.width(), 450));
        QCOMPARE(Twips(bar.widget.shpBorder()), QRectF(0, 0, 6000, 450));
        const QImage image = bar.widget.grab().toImage();
        QCOMPARE(image.pixel(399, 29), QColor(Qt::blue).rgb());
    }

    void conversions_data() {
        QTest::addColumn<PropertyValue>("stored");
        QTest::addColumn<bool>("toFloat");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("error");
        const int none = 0;
        const int mismatch = ErrorNumber::TypeMismatch;
        const int overflow = ErrorNumber::Overflow;
        QTest::newRow("i16 to i32") << PropertyValue::Int16(-32768) << false << -32768.0 << none;
        QTest::newRow("f32 -2.5 to i32") << PropertyValue::Float32(-2.5f) << false << -2.0 << none;
        QTest::newRow("f32 3.5 to i32") << PropertyValue::Float32(3.5f) << false << 4.0 << none;
        QTest::newRow("f32 2^31 to i32") << PropertyValue::Float32(2147483648.0f) << false << 0.0 << overflow;
        QTest::newRow("f32 NaN to i32") << PropertyValue::Float32(NaN) << false << 0.0 << overflow;
        QTest::newRow("text exponent to i32") << PropertyValue::Text("1e3") << false << 1000.0 << none;
        QTest::newRow("text +-1") << PropertyValue::Text("+-1") << false << 0.0 << mismatch;
        QTest::newRow("text inf") << PropertyValue::Text("inf") << true << 0.0 << mismatch;
        QTest::newRow("text with comma") << PropertyValue::Text("1,5") << true << 0.0 << mismatch;
        QTest::newRow("i32 to f32") << PropertyValue::Int32(16777217) << true << 16777216.0 << none;
        QTest::newRow("text beyond float") << PropertyValue::Text("-4e38") << true << 0.0 << overflow;
        QTest::newRow("text just above the largest float") << PropertyValue::Text("3.4028236e38") << true << 0.0 << overflow;
        QTest::newRow("text largest float printout") << PropertyValue::Text("3.4028235e38") << true
                                                     << double(std::numeric_limits<float>::max()) << none;
        QTest::newRow("text beyond double to f32") << PropertyValue::Text("1e400") << true << 0.0 << overflow;
        QTest::newRow("text beyond double to i32") << PropertyValue::Text("-1e400") << false << 0.0 << overflow;
        QTest::newRow("text below double") << PropertyValue::Text("1e-400") << true << 0.0 << none;
    }
    void conversions() {
        QFETCH(PropertyValue, stored);
        QFETCH(bool, toFloat);
        QFETCH(double, expected);
        QFETCH(int, error);
        int caught = 0;
        double converted = 0.0;
        try {
            converted = toFloat ? double(stored.ToFloat32()) : double(stored.ToInt32());
        } catch (const AppError& e) {
            caught = e.Number();
        }
        QCOMPARE(caught, error);
        if (error == 0)
            QCOMPARE(converted, expected);
    }

    void storeRoundTrip() {
        PropertyBag bag;
        bag.WriteProperty("a", PropertyValue::Int16(-32768));
        bag.WriteProperty("b", PropertyValue::Int32(std::numeric_limits<std::int32_t>::min()));
        bag.WriteProperty("c", PropertyValue::Float32(std::numeric_limits<float>::max()));
        bag.WriteProperty("d", PropertyValue::Float32(std::numeric_limits<float>::denorm_min()));
        bag.WriteProperty("e", PropertyValue::Float32(0.1f));
        bag.WriteProperty("f", PropertyValue::Float32(-Inf));
        bag.WriteProperty("g", PropertyValue::Text(QStringLiteral("\"quoted\"\n\u00e9")));
        bag.WriteProperty("h", PropertyValue::Text("Infinity"));
        bag.WriteProperty("i", PropertyValue::Float32(-0.0f), PropertyValue::Int16(0));
        bag.WriteProperty("j", PropertyValue::Float32(0.0f));
        bag.WriteProperty("a", PropertyValue::Int32(7));  // keeps its place, takes the new type
        bag.WriteProperty("e", PropertyValue::Int16(0), PropertyValue::Int16(0));  // equal to default: removed
        PropertyBag loaded;
        QVERIFY(loaded.Load(bag.Save()));
        QCOMPARE(loaded, bag);
        QCOMPARE(loaded.Keys(), QStringList({"a", "b", "c", "d", "f", "g", "h", "i", "j"}));
        QVERIFY(std::signbit(loaded.Find("i")->Number()));
        QVERIFY(!std::signbit(loaded.Find("j")->Number()));

        // What the store could not load back is refused when written.
        const QString loneSurrogate(QChar(0xD800));
        for (const auto& [key, value] : {std::pair{QString(), PropertyValue::Int32(1)},
                                         std::pair{loneSurrogate, PropertyValue::Int32(1)},
                                         std::pair{QStringLiteral("k"), PropertyValue::Text(loneSurrogate)}}) {
            PropertyBag refused = bag;
            try {
                refused.WriteProperty(key, value);
                QFAIL("an unloadable entry was written");
            } catch (const AppError& e) {
                QCOMPARE(e.Number(), ErrorNumber::InvalidCall);
            }
            QCOMPARE(refused, bag);
        }

        PropertyBag withNaN;
        withNaN.WriteProperty("x", PropertyValue::Float32(NaN));
        QVERIFY(loaded.Load(withNaN.Save()));
        QVERIFY(std::isnan(loaded.Find("x")->Number()));
        QCOMPARE(loaded.Find("x")->Type(), StoredType::Float32);
    }

    void malformedStore_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("named");
        QTest::newRow("not JSON") << QByteArray("{\"version\": 1,") << "not valid JSON";
        QTest::newRow("array") << QByteArray("[]") << "must be a JSON object";
        QTest::newRow("no version") << QByteArray(R"({"properties": []})") << "\"version\": 1";
        QTest::newRow("version 2") << QByteArray(R"({"version": 2, "properties": []})") << "\"version\": 1";
        QTest::newRow("unknown member") << QByteArray(R"({"version": 1, "properties": [], "x": 0})") << "\"x\"";
        QTest::newRow("entry not an object") << Store("3") << "entry 1";
        QTest::newRow("no key") << Store(R"({"type": "i32", "value": 1})") << "entry 1";
        QTest::newRow("lone surrogate key") << Store(R"({"key": "\ud800", "type": "i32", "value": 1})") << "entry 1";
        QTest::newRow("lone surrogate text") << Store(R"({"key": "T", "type": "text", "value": "a\udc00"})") << "\"T\"";
        QTest::newRow("unknown type") << Store(R"({"key": "Max", "type": "f64", "value": 1})") << "\"Max\"";
        QTest::newRow("i16 out of range") << Store(R"({"key": "Resolution", "type": "i16", "value": 32768})")
                                          << "\"Resolution\"";
        QTest::newRow("fractional i32") << Store(R"({"key": "BackColor", "type": "i32", "value": 1.5})")
                                        << "\"BackColor\"";
        QTest::newRow("f32 beyond float") << Store(R"({"key": "Value", "type": "f32", "value": 1e39})")
                                          << "\"Value\"";
        QTest::newRow("f32 as other text") << Store(R"({"key": "Value", "type": "f32", "value": "1"})")
                                           << "\"Value\"";
        QTest::newRow("number as text") << Store(R"({"key": "Max", "type": "text", "value": 1})") << "\"Max\"";
        QTest::newRow("no value") << Store(R"({"key": "Max", "type": "i32"})") << "\"Max\"";
        QTest::newRow("duplicate key") << Store(R"({"key": "Max", "type": "i32", "value": 1},
                                                   {"key": "Max", "type": "i32", "value": 2})")
                                       << "\"Max\" (entry 2)";
        QTest::newRow("extra member") << Store(R"({"key": "Max", "type": "i32", "value": 1, "unit": "mm"})")
                                      << "\"Max\"";
    }
    void malformedStore() {
        QFETCH(QByteArray, data);
        QFETCH(QString, named);
        PropertyBag bag = Loaded(R"({"key": "Value", "type": "f32", "value": 12.5})");
        const PropertyBag before = bag;
        QString error;
        QVERIFY(!bag.Load(data, &error));
        QVERIFY2(error.contains(named), qPrintable(error));
        QCOMPARE(bag, before);
    }

    void look_data() {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<bool>("systemColours");
        QTest::addColumn<float>("value");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QRect>("barPixels");
        QTest::newRow("horizontal") << 0 << QSize(300, 20) << false << 50.0f << 1.0 << QRect(0, 0, 150, 20);
        QTest::newRow("vertical") << 1 << QSize(20, 200) << false << 25.0f << 1.0 << QRect(0, 150, 20, 50);
        QTest::newRow("system colours") << 0 << QSize(300, 20) << true << 50.0f << 1.0 << QRect(0, 0, 150, 20);
        // A full bar stays inside the frame at every scale.
        for (qreal scale : {1.0, 1.5, 2.0}) {
            QTest::addRow("full horizontal at %gx", scale) << 0 << QSize(300, 20) << false << 100.0f << scale
                                                          << QRect(0, 0, 300, 20);
            QTest::addRow("full vertical at %gx", scale) << 1 << QSize(20, 200) << false << 100.0f << scale
                                                        << QRect(0, 0, 20, 200);
        }
        QTest::newRow("half at 1.5x") << 0 << QSize(300, 20) << false << 50.0f << 1.5 << QRect(0, 0, 150, 20);
    }
    void look() {
        QFETCH(int, orientation);
        QFETCH(QSize, pixels);
        QFETCH(bool, systemColours);
        QFETCH(float, value);
        QFETCH(qreal, scale);
        QFETCH(QRect, barPixels);
        Bar bar(pixels);
        QPalette palette = bar.widget.palette();
        palette.setColor(QPalette::Button, QColor(10, 20, 30));
        palette.setColor(QPalette::ButtonText, QColor(200, 0, 100));
        palette.setColor(QPalette::Light, QColor(0, 220, 0));
        bar.widget.setPalette(palette);
        QColor background(10, 20, 30), border(200, 0, 100), fill(0, 220, 0);
        if (!systemColours) {
            bar.widget.setBackColor(0x00FFFFFF);
            bar.widget.setBorderColor(0x00FF0000);
            bar.widget.setForeColor(0x000000FF);
            background = Qt::white;
            border = Qt::blue;
            fill = Qt::red;
        }
        bar.widget.setOrientation(orientation);
        bar.widget.Resize();
        bar.widget.setValue(value);
        // Drawn as on a screen of that scale: device pixels of 1/scale pixel.
        QImage image(pixels * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::black);
        bar.widget.render(&image);
        const int width = image.width(), height = image.height();
        int fillPixels = 0, hatchPixels = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const QRgb pixel = image.pixel(x, y);
                const QString where = QStringLiteral("%1,%2").arg(x).arg(y);
                const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
                // The frame is one pixel, which covers a fraction of a device pixel more at 1.5x.
                const bool frameBand = x < scale || y < scale || x >= width - scale || y >= height - scale;
                const QPoint logical(int((x + 0.5) / scale), int((y + 0.5) / scale));
                if (edge) {
                    QVERIFY2(pixel == border.rgb(), qPrintable("frame at " + where));
                } else if (frameBand && pixel == border.rgb()) {
                    continue;
                } else if (barPixels.contains(logical)) {
                    fillPixels += pixel == fill.rgb();
                    hatchPixels += pixel == background.rgb();
                    QVERIFY2(pixel == fill.rgb() || pixel == background.rgb(), qPrintable("bar at " + where));
                } else {
                    QVERIFY2(pixel == background.rgb(), qPrintable("background at " + where));
                }
            }
        }
        // Both the bar colour and the diagonal hatch show.
        QVERIFY(fillPixels > hatchPixels);
        QVERIFY(hatchPixels > 0);
    }

    void placedOnForm() {
        QWidget form;
        Ui::frmBarTest ui;
        ui.setupUi(&form);
        ProgressBar& bar = *ui.ctlProgress;
        QCOMPARE(bar.Orientation(), 1);
        QCOMPARE(bar.BackColor(), 0x00E0E0E0u);
        QCOMPARE(bar.BorderColor(), 0x00800000u);
        QCOMPARE(bar.ForeColor(), 0x00008000u);
        QCOMPARE(bar.Resolution(), -1);
        QCOMPARE(bar.Max(), 40.0f);
        QCOMPARE(bar.Value(), 10.0f);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(Twips(bar.shpBar()), QRectF(0, 2250, 300, 750));
        QCOMPARE(Twips(bar.shpBorder()), QRectF(0, 0, 300, 3000));
        QVERIFY_THROWS_EXCEPTION(AppError, bar.SetOrientation(0));
        QVERIFY(bar.setProperty("Orientation", 0));
        QCOMPARE(bar.Orientation(), 1);
    }

    // The built-in host's box: critical, one OK button, titled with the application.
    void builtInHostBox() {
        ProgressBar bar;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        QTimer answer;
        answer.setInterval(10);
        connect(&answer, &QTimer::timeout, &answer, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
            answer.stop();
        });
        answer.start();
        bar.SetResolution(-5);
        answer.stop();
        QCOMPARE(title, QStringLiteral("Pellucor"));
        QCOMPARE(text, QStringLiteral("Value must be greater than or equal to -1."));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
        QCOMPARE(bar.Resolution(), 50);
    }
};

QTEST_MAIN(TestProgressBar)
#include "test_progressbar.moc"
