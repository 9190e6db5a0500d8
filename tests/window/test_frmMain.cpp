// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The real window under the offscreen platform: its form, its field behaviour and the
// Calculate command driven through real widgets. Modal boxes are answered from a timer and
// recorded; an unexpected one fails the test.

#include "CalculateCommand.h"
#include "TestData.h"
#include "Translations.h"
#include "Version.h"
#include "frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>

using pellucor::Field;

namespace {

// Contrast ratio of two colours after WCAG 2.1.
double Contrast(QColor a, QColor b) {
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The commonest colour of an area of a picture: what a text there stands on.
QColor Background(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb commonest = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            commonest = it.key();
        }
    }
    return QColor(commonest);
}

// How far the inkiest pixel of an area stands out from the area's background.
double TextContrast(const QImage& image, QRect area) {
    area &= image.rect();
    if (area.isEmpty())
        return 0;
    const QColor background = Background(image, area);
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, Contrast(QColor(image.pixel(x, y)), background));
    return best;
}

// Answers every modal box that appears while it lives, remembering title, text and icon.
class BoxWatcher {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QString focusedField;  // which line edit had the focus while the box was up
        QString selectedText;
        bool busyPointer;  // an override cursor (the hourglass) was set while the box was up
        bool takesInput;
        double textContrast;  // of the box's message against its background
    };

    BoxWatcher() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Poll(); });
        timer_.start();
    }
    QList<Seen> seen;

private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const double contrast = label != nullptr ? TextContrast(label->grab().toImage(), label->contentsRect()) : 0.0;
        Seen s{box->windowTitle(), box->text(), box->icon(), {}, {}, QApplication::overrideCursor() != nullptr,
               box->isEnabled(),   contrast};
        if (auto* edit = qobject_cast<QLineEdit*>(box->parentWidget() ? box->parentWidget()->focusWidget() : nullptr)) {
            s.focusedField = edit->objectName();
            s.selectedText = edit->selectedText();
        }
        seen.append(s);
        box->done(QMessageBox::Ok);
        if (auto* ok = box->button(QMessageBox::Ok))
            ok->click();
    }
    QTimer timer_;
};

// The desktops a user may bring: a palette, an application style sheet, a font, a direction.
struct Desktop {
    QString name;
    double points;  // 0: the default font
    bool rightToLeft;
};

QPalette DesktopPalette(const QString& name) {
    QPalette p = QApplication::style()->standardPalette();
    const auto set = [&p](QPalette::ColorRole role, const char* colour) {
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            p.setColor(group, role, QColor(colour));
    };
    if (name == "dark") {
        // qt6ct's "darker" scheme
        set(QPalette::Window, "#222020");
        set(QPalette::WindowText, "#ffffff");
        set(QPalette::Base, "#3d3d3d");
        set(QPalette::AlternateBase, "#5c5b5a");
        set(QPalette::Text, "#ffffff");
        set(QPalette::Button, "#424245");
        set(QPalette::ButtonText, "#ffffff");
        set(QPalette::Light, "#979797");
        set(QPalette::Midlight, "#5e5c5b");
        set(QPalette::Mid, "#4a4947");
        set(QPalette::Dark, "#302f2e");
        set(QPalette::Shadow, "#e7e4e0");
        set(QPalette::Highlight, "#12608a");
        set(QPalette::HighlightedText, "#f9f9f9");
    } else if (name == "high contrast") {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
            set(role, "#000000");
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            set(role, "#ffff00");
        set(QPalette::Highlight, "#00ffff");
        set(QPalette::HighlightedText, "#000000");
        set(QPalette::Mid, "#c0c0c0");
    }
    return p;
}

// Puts the application's look back whatever way a row ends.
struct DesktopRestored {
    QPalette palette = QApplication::palette();
    QFont font = QApplication::font();
    QString styleSheet = qApp->styleSheet();
    ~DesktopRestored() {
        qApp->setStyleSheet(styleSheet);
        QApplication::setPalette(palette);
        QApplication::setFont(font);
        // Back to following the catalogues; a direction set outright would outlast them.
        QApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
    }
};

class FrmMainTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formLayout();
    void everyTextReadableAndWhole_data();
    void everyTextReadableAndWhole();
    void initialTexts_data();
    void initialTexts();
    void tooltips_data();
    void tooltips();
    void inputsHoldAtMostFifteenCharacters();
    void pasteDropsLineBreaksBeforeTheCut_data();
    void pasteDropsLineBreaksBeforeTheCut();
    void firstClickInTheUsersLocale_data();
    void firstClickInTheUsersLocale();
    void resultFieldIsReadOnlyAndCentred();
    void tabOrder();
    void noButtonAnswersEnterOrEscape();
    void keysOnAFocusedControl_data();
    void keysOnAFocusedControl();
    void focusSelectsWholeText_data();
    void focusSelectsWholeText();
    void editingAnInputEmptiesTheResult_data();
    void editingAnInputEmptiesTheResult();
    void focusingDoesNotEmptyTheResult();
    void clickCalculatesAndSelectsTheResult_data();
    void clickCalculatesAndSelectsTheResult();
    void badFieldIsSelectedBehindItsMessage();
    void failureShowsErrorAndReport();
    void everyAccessibleNameIsSet();
    void languageFollowsTheFirstShippedOrEnglish_data();
    void languageFollowsTheFirstShippedOrEnglish();
    void startsInEachShippedLanguage_data();
    void startsInEachShippedLanguage();
    void closingEndsAtOnce();

private:
    frmMain* window_ = nullptr;
};

void FrmMainTest::init() {
    window_ = new frmMain;
    window_->show();
    QApplication::setActiveWindow(window_);
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void FrmMainTest::cleanup() {
    delete window_;
    window_ = nullptr;
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void FrmMainTest::formLayout() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Pellucor"));
    QCOMPARE(QStringLiteral(PELLUCOR_DISPLAY_VERSION), QStringLiteral("1.00.0017"));
    QCOMPARE(window_->size(), QSize(698, 439));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    auto* debug = window_->findChild<QPushButton*>("cmdDebug");
    QVERIFY(debug != nullptr);
    QVERIFY(!debug->isVisible());
    const QStringList frames{"Frame1", "Frame2", "Frame3", "Frame4"};
    for (const QString& name : frames)
        QVERIFY2(window_->findChild<QWidget*>(name) != nullptr, qPrintable(name));
    QCOMPARE(window_->findChild<QWidget*>("Frame1")->property("title").toString(), QStringLiteral("Variables"));
    QCOMPARE(window_->findChild<QWidget*>("Frame2")->property("title").toString(),
             QStringLiteral("Calculation Equation"));
    QCOMPARE(window_->findChild<QWidget*>("Frame3")->property("title").toString(),
             QStringLiteral("Approximate Result"));
    auto* picture = window_->findChild<QLabel*>("Picture1");
    QVERIFY(picture != nullptr);
    QVERIFY(!picture->pixmap().isNull());
    // Each caption fits its box whole.
    for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
        auto* label = window_->findChild<QLabel*>(name);
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
    }
}

void FrmMainTest::everyTextReadableAndWhole_data() {
    QTest::addColumn<QString>("theme");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("rightToLeft");
    for (const char* theme : {"light", "dark", "high contrast", "dark style sheet"}) {
        for (const double points : {0.0, 14.0, 18.0}) {
            for (const bool rtl : {false, true}) {
                const QString name =
                    QStringLiteral("%1, %2, %3")
                        .arg(theme, points == 0 ? QStringLiteral("default font") : QStringLiteral("%1 pt").arg(points),
                             rtl ? QStringLiteral("right to left") : QStringLiteral("left to right"));
                QTest::newRow(qPrintable(name)) << theme << points << rtl;
            }
        }
    }
    QTest::newRow("style sheet font 16 pt") << "style sheet font" << 16.0 << false;
}

void FrmMainTest::everyTextReadableAndWhole() {
    QFETCH(QString, theme);
    QFETCH(double, points);
    QFETCH(bool, rightToLeft);
    const DesktopRestored restored;
    QApplication::setPalette(DesktopPalette(theme));
    if (theme == "dark style sheet")
        qApp->setStyleSheet(
            "QWidget { background-color: #2b2b2b; color: #c8c8c8; }"
            "QLineEdit, QPushButton { background-color: #1e1e1e; border: 1px solid #5a5a5a; }");
    if (theme == "style sheet font")
        qApp->setStyleSheet(QStringLiteral("* { font-size: %1pt; }").arg(points));
    else if (points > 0) {
        QFont font = QApplication::font();
        font.setPointSizeF(points);
        QApplication::setFont(font);
    }
    // At 14 pt the direction comes late, as from a translation installed after the window.
    const bool lateDirection = points == 14.0;
    if (!lateDirection)
        QApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

    BoxWatcher boxes;
    frmMain window;
    if (lateDirection)
        QApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (points == 0)
        QCOMPARE(window.size(), QSize(698, 439));
    else  // in proportion to the desktop's text, on a screen with room for it
        QCOMPARE(window.size(), (QSizeF(698, 439) * points / 9.0).toSize());
    auto* calculate = window.findChild<QPushButton*>("cmdCalculate");
    QTest::mouseClick(calculate, Qt::LeftButton);  // a result line to read
    window.FieldWidget(Field::NPV)->setFocus();
    const QImage unfocused = calculate->grab().toImage();
    calculate->setFocus(Qt::TabFocusReason);
    const QImage image = window.grab().toImage();
    QCOMPARE(image.size(), window.size());
    const QFontMetrics desktopText(calculate->font());

    const auto at = [&window](const QWidget* w, QRect r) { return r.translated(w->mapTo(&window, QPoint())); };
    const auto readable = [&](const QString& what, const QRect& area) {
        const double contrast = TextContrast(image, area);
        QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("%1: contrast %2").arg(what).arg(contrast)));
    };
    const auto inside = [](const QString& what, const QRect& inner, const QRect& outer) {
        QVERIFY2(outer.contains(inner), qPrintable(QStringLiteral("%1: %2,%3 %4x%5 outside %6,%7 %8x%9")
                                                       .arg(what)
                                                       .arg(inner.x())
                                                       .arg(inner.y())
                                                       .arg(inner.width())
                                                       .arg(inner.height())
                                                       .arg(outer.x())
                                                       .arg(outer.y())
                                                       .arg(outer.width())
                                                       .arg(outer.height())));
    };

    // Every visible control lies within its container.
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->isVisibleTo(&window) && !w->isWindow())
            inside(w->objectName(), w->geometry(), w->parentWidget()->rect());
    }
    // Captions: whole in their box, beside their field on the reading side, no smaller than
    // the desktop's text.
    const std::pair<const char*, Field> captions[] = {
        {"Label1", Field::NPV}, {"Label2", Field::Duration}, {"Label3", Field::PMT}, {"Label4", Field::ClosingCost}};
    for (const auto& [name, field] : captions) {
        auto* label = window.findChild<QLabel*>(name);
        const QFontMetrics metrics(label->font());
        const QRect text = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                               QSize(metrics.horizontalAdvance(label->text()), metrics.height()),
                                               label->contentsRect());
        // The form's boxes are shorter than the font's line; the ink must fit.
        QVERIFY2(text.width() <= label->contentsRect().width(), name);
        inside(name, metrics.tightBoundingRect(label->text()).translated(text.left(), text.top() + metrics.ascent()),
               label->rect());
        readable(name, at(label, text));
        QVERIFY2(metrics.height() >= desktopText.height(), name);
        const QRect box = label->geometry(), edit = window.FieldWidget(field)->geometry();
        QVERIFY2(rightToLeft ? box.left() > edit.right() : box.right() < edit.left(), name);
        QVERIFY2(box.top() < edit.bottom() && edit.top() < box.bottom(), name);
    }
    // Frame titles: whole, clear of everything in the frame.
    for (const char* name : {"Frame1", "Frame2", "Frame3"}) {
        auto* frame = window.findChild<QGroupBox*>(name);
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.lineWidth = 1;
        const QRect title =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        const QFontMetrics metrics(frame->font());
        QVERIFY2(title.width() >= metrics.horizontalAdvance(frame->title()), name);
        inside(name, title, frame->rect());
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisibleTo(&window))
                QVERIFY2(!child->geometry().intersects(title),
                         qPrintable(QString(name) + " under " + child->objectName()));
        }
        readable(name, at(frame, title));
    }
    // Buttons and fields: the text within the control.
    for (QPushButton* button : {calculate, window.findChild<QPushButton*>("cmdHelp")}) {
        const QFontMetrics metrics(button->font());
        const QSize text(metrics.horizontalAdvance(button->text()), metrics.height());
        QVERIFY2(text.width() + 8 <= button->width() && text.height() + 4 <= button->height(),
                 qPrintable(button->objectName()));
        readable(button->objectName(),
                 at(button, QStyle::alignedRect(button->layoutDirection(), Qt::AlignCenter, text, button->rect())));
    }
    for (Field f : {Field::NPV, Field::Duration, Field::PMT, Field::ClosingCost, Field::Result}) {
        QLineEdit* edit = window.FieldWidget(f);
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const QFontMetrics metrics(edit->font());
        QVERIFY2(metrics.height() <= contents.height() && metrics.horizontalAdvance(edit->text()) <= contents.width(),
                 qPrintable(edit->objectName()));
        readable(edit->objectName(), at(edit, contents));
    }
    QVERIFY(QFontInfo(window.FieldWidget(Field::Result)->font()).pixelSize() >= desktopText.height() * 0.9);

    // The focused button: a ring that stands out from the face, thicker than a hairline.
    const QImage focused = calculate->grab().toImage();
    QCOMPARE(focused.size(), unfocused.size());
    const QColor face = Background(unfocused, unfocused.rect());
    int ring = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            ring += focused.pixel(x, y) != unfocused.pixel(x, y) && Contrast(focused.pixel(x, y), face) >= 3.0;
    const int perimeter = 2 * (focused.width() + focused.height());
    QVERIFY2(ring >= perimeter, qPrintable(QStringLiteral("%1 ring pixels, perimeter %2").arg(ring).arg(perimeter)));

    // A message box reads as well.
    window.FieldWidget(Field::Duration)->setText(QStringLiteral("0"));
    QTest::mouseClick(calculate, Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    QVERIFY2(boxes.seen[0].textContrast >= 4.5, qPrintable(QString::number(boxes.seen[0].textContrast)));
}

void FrmMainTest::initialTexts_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("npv") << "txtNPV"
                         << "60000";
    QTest::newRow("duration") << "txtDuration"
                              << "360";
    QTest::newRow("payment") << "txtPMT"
                             << "617.17";
    QTest::newRow("closing") << "txtClosingCost"
                             << "0";
    QTest::newRow("result") << "txtResult"
                            << "";
    QTest::newRow("label1") << "Label1"
                            << "Net cash disbursement (Net PV or NPV) =";
    QTest::newRow("label2") << "Label2"
                            << "Number of Months (N) =";
    QTest::newRow("label3") << "Label3"
                            << "Monthly Payment (PMT) =";
    QTest::newRow("label4") << "Label4"
                            << "Loan Balance + Penalties + Loan Closing Fees =";
    QTest::newRow("calculate") << "cmdCalculate"
                               << "Calculate IRR";
    QTest::newRow("help") << "cmdHelp"
                          << "Online Help";
}

void FrmMainTest::initialTexts() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    auto* w = window_->findChild<QWidget*>(field);
    QVERIFY(w != nullptr);
    QCOMPARE(w->property("text").toString(), text);
}

void FrmMainTest::tooltips_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("tip");
    QTest::newRow("npv") << "txtNPV"
                         << "Net cash disburstment (for example, Loan Amount MINUS origaniting fees)";
    QTest::newRow("duration") << "txtDuration"
                              << "Active Loan duration (in months)";
    QTest::newRow("payment") << "txtPMT"
                             << "Monthly constant payment amount";
    QTest::newRow("closing") << "txtClosingCost"
                             << "Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)";
    QTest::newRow("calculate") << "cmdCalculate"
                               << "Click here to calculate Internal Rate of Return";
    QTest::newRow("help tooltip") << "cmdHelp" << "Go to: https://pellucor.org/library/pellucor/";
    QTest::newRow("picture") << "Picture1"
                             << "IRR Calculation is based on this equation";
    QTest::newRow("result") << "txtResult"
                            << "Approximate result";
    QTest::newRow("label") << "Label1"
                           << "";
}

void FrmMainTest::tooltips() {
    QFETCH(QString, control);
    QFETCH(QString, tip);
    QCOMPARE(window_->findChild<QWidget*>(control)->toolTip(), tip);
}

void FrmMainTest::inputsHoldAtMostFifteenCharacters() {
    for (Field f : {Field::NPV, Field::Duration, Field::PMT, Field::ClosingCost}) {
        QLineEdit* edit = window_->FieldWidget(f);
        QCOMPARE(edit->maxLength(), 15);
        edit->selectAll();
        QTest::keyClicks(edit, "1234567890123456");
        QCOMPARE(edit->text(), QStringLiteral("123456789012345"));
        edit->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("98765432109876543210"));
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("987654321098765"));
    }
}

void FrmMainTest::pasteDropsLineBreaksBeforeTheCut_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");  // empty: refused whole, the field keeps its text
    const int ctrlV = (Qt::ControlModifier | Qt::Key_V).toCombined();
    QTest::newRow("spreadsheet cell") << "60000\r\n" << ctrlV << "60000";
    QTest::newRow("breaks inside") << "617\n.17\r" << ctrlV << "617.17";
    QTest::newRow("shift insert") << "360\n" << (Qt::ShiftModifier | Qt::Key_Insert).toCombined() << "360";
    QTest::newRow("blanks around") << "            617.17\u00A0\t\n" << ctrlV << "617.17";
    QTest::newRow("too long after the breaks") << "\r\n\r\n123456789012345678" << ctrlV << "";
}

void FrmMainTest::pasteDropsLineBreaksBeforeTheCut() {
    QFETCH(QString, clipboard);
    QFETCH(int, key);
    QFETCH(QString, expected);
    QLineEdit* edit = window_->FieldWidget(Field::PMT);
    const auto check = [&](const QString& before) {
        QCOMPARE(edit->text(), expected.isEmpty() ? before : expected);
        // A refusal is told beside the field, never silent.
        auto* note = window_->findChild<QLabel*>(QStringLiteral("fieldNote"));
        QCOMPARE(note != nullptr && note->isVisible() && note->text().contains(QLatin1String("15")),
                 expected.isEmpty());
        if (note != nullptr)
            note->hide();
    };
    edit->setFocus();
    edit->selectAll();
    QApplication::clipboard()->setText(clipboard);
    const QKeyCombination combination = QKeyCombination::fromCombined(key);
    QTest::keyClick(edit, combination.key(), combination.keyboardModifiers());
    check(QStringLiteral("617.17"));
    // The context menu's Paste takes the same way.
    edit->clear();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QAction* paste = PasteAction(menu);
    QVERIFY(paste != nullptr);
    paste->trigger();
    menu->close();
    check(QString());
    // So does text dragged in from another program.
    edit->setText(QStringLiteral("1"));
    QMimeData dragged;
    dragged.setText(clipboard);
    QDragEnterEvent enter(QPoint(2, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QDropEvent drop(QPointF(2, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
    if (!expected.isEmpty())
        expected.append(QLatin1Char('1'));
    check(QStringLiteral("1"));
}

void FrmMainTest::firstClickInTheUsersLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << "en_US" << "617.17" << "IRR = 12.000%, when NPV = 60000.239";
    QTest::newRow("German") << "de_DE" << "617,17" << "IRR = 12,000%, when NPV = 60000,239";
    QTest::newRow("French") << "fr_FR" << "617,17" << "IRR = 12,000%, when NPV = 60000,239";
    QTest::newRow("Swiss German") << "de_CH" << "617.17" << "IRR = 12.000%, when NPV = 60000.239";
    QTest::newRow("Persian") << "fa_IR" << "\u06F6\u06F1\u06F7\u066B\u06F1\u06F7"
                             << "IRR = \u06F1\u06F2\u066B\u06F0\u06F0\u06F0\u066A, when NPV = "
                                "\u06F6\u06F0\u06F0\u06F0\u06F0\u066B\u06F2\u06F3\u06F9";
    QTest::newRow("Egyptian Arabic") << "ar_EG" << "\u0666\u0661\u0667\u066B\u0661\u0667"
                                     << "IRR = \u0661\u0662\u066B\u0660\u0660\u0660\u066A\u061C, when NPV = "
                                        "\u0666\u0660\u0660\u0660\u0660\u066B\u0662\u0663\u0669";
    QTest::newRow("Bengali") << "bn_BD" << "\u09EC\u09E7\u09ED.\u09E7\u09ED"
                             << "IRR = \u09E7\u09E8.\u09E6\u09E6\u09E6%, when NPV = "
                                "\u09EC\u09E6\u09E6\u09E6\u09E6.\u09E8\u09E9\u09EF";
}

void FrmMainTest::firstClickInTheUsersLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, payment);
    QFETCH(QString, expected);
    BoxWatcher boxes;
    frmMain window{QLocale(locale)};
    const QString zero = QLocale(locale).zeroDigit();
    const auto own = [&](QString figure) {  // the figure in the locale's digits
        for (QChar& c : figure)
            c = QChar(zero.at(0).unicode() + c.digitValue());
        return figure;
    };
    QCOMPARE(window.FieldWidget(Field::NPV)->text(), own("60000"));
    QCOMPARE(window.FieldWidget(Field::Duration)->text(), own("360"));
    QCOMPARE(window.FieldWidget(Field::PMT)->text(), payment);
    QCOMPARE(window.FieldWidget(Field::ClosingCost)->text(), own("0"));
    QTest::mouseClick(window.findChild<QPushButton*>("cmdCalculate"), Qt::LeftButton);
    QCOMPARE(window.FieldWidget(Field::Result)->text(), expected);
    QVERIFY(boxes.seen.isEmpty());
}

void FrmMainTest::resultFieldIsReadOnlyAndCentred() {
    QLineEdit* result = window_->FieldWidget(Field::Result);
    result->setText(QStringLiteral("IRR = 12.000%, when NPV = 60000.239"));
    QVERIFY(result->isReadOnly());
    QVERIFY(result->alignment() & Qt::AlignHCenter);
    QCOMPARE(result->font().pointSizeF(), 13.5);
    result->setFocus();
    QTest::keyClicks(result, "xyz");
    QCOMPARE(result->text(), QStringLiteral("IRR = 12.000%, when NPV = 60000.239"));
}

void FrmMainTest::tabOrder() {
    window_->FieldWidget(Field::NPV)->setFocus();
    const QStringList expected{"txtDuration", "txtPMT",    "txtClosingCost", "cmdCalculate",
                               "cmdHelp",     "txtResult", "txtNPV"};
    for (const QString& name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
}

void FrmMainTest::noButtonAnswersEnterOrEscape() {
    for (const char* name : {"cmdCalculate", "cmdHelp"}) {
        auto* b = window_->findChild<QPushButton*>(name);
        QVERIFY(!b->isDefault());
        QVERIFY(!b->autoDefault());
    }
    for (Field f : {Field::NPV, Field::Duration, Field::PMT, Field::ClosingCost, Field::Result}) {
        QLineEdit* edit = window_->FieldWidget(f);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Escape);
    }
    QCOMPARE(window_->FieldWidget(Field::Result)->text(), QString());
    QVERIFY(window_->isVisible());
}

void FrmMainTest::keysOnAFocusedControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("npv");
    QTest::addColumn<QString>("result");
    const QString irr = QStringLiteral("IRR = 12.000%, when NPV = 60000.239");
    QTest::newRow("return presses the button") << "cmdCalculate" << int(Qt::Key_Return) << 0 << "60000" << irr;
    QTest::newRow("keypad enter presses the button")
        << "cmdCalculate" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "60000" << irr;
    QTest::newRow("space presses the button") << "cmdCalculate" << int(Qt::Key_Space) << 0 << "60000" << irr;
    QTest::newRow("alt+c types nothing") << "txtNPV" << int(Qt::Key_C) << int(Qt::AltModifier) << "60000"
                                         << "";
    QTest::newRow("alt+5 types nothing") << "txtNPV" << int(Qt::Key_5) << int(Qt::AltModifier) << "60000"
                                         << "";
    QTest::newRow("a plain 5 still types") << "txtNPV" << int(Qt::Key_5) << 0 << "5"
                                           << "";
}

void FrmMainTest::keysOnAFocusedControl() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, npv);
    QFETCH(QString, result);
    BoxWatcher boxes;
    auto* w = window_->findChild<QWidget*>(control);
    w->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(window_->FieldWidget(Field::NPV)->text(), npv);
    QCOMPARE(window_->FieldWidget(Field::Result)->text(), result);
    QVERIFY(boxes.seen.isEmpty());
}

void FrmMainTest::focusSelectsWholeText_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("reason");
    QTest::newRow("npv by tab") << int(Field::NPV) << int(Qt::TabFocusReason);
    QTest::newRow("duration by tab") << int(Field::Duration) << int(Qt::TabFocusReason);
    QTest::newRow("payment by click") << int(Field::PMT) << int(Qt::MouseFocusReason);
    QTest::newRow("closing by click") << int(Field::ClosingCost) << int(Qt::MouseFocusReason);
    QTest::newRow("result by tab") << int(Field::Result) << int(Qt::TabFocusReason);
}

void FrmMainTest::focusSelectsWholeText() {
    QFETCH(int, field);
    QFETCH(int, reason);
    QLineEdit* edit = window_->FieldWidget(static_cast<Field>(field));
    edit->setText(edit->text().isEmpty() ? QStringLiteral("some text") : edit->text());
    window_->FieldWidget(field == int(Field::NPV) ? Field::Duration : Field::NPV)->setFocus();
    edit->deselect();
    if (reason == Qt::MouseFocusReason) {
        // A click lands mid-text; the field still ends fully selected.
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() / 2, edit->height() / 2));
    } else {
        edit->setFocus(static_cast<Qt::FocusReason>(reason));
    }
    QTRY_COMPARE(edit->selectedText(), edit->text());
    QVERIFY(edit->hasFocus());
}

void FrmMainTest::editingAnInputEmptiesTheResult_data() {
    QTest::addColumn<int>("field");
    QTest::newRow("npv") << int(Field::NPV);
    QTest::newRow("duration") << int(Field::Duration);
    QTest::newRow("payment") << int(Field::PMT);
    QTest::newRow("closing") << int(Field::ClosingCost);
}

void FrmMainTest::editingAnInputEmptiesTheResult() {
    QFETCH(int, field);
    QLineEdit* edit = window_->FieldWidget(static_cast<Field>(field));
    window_->FieldWidget(Field::Result)->setText(QStringLiteral("IRR = 12.000%, when NPV = 60000.239"));
    edit->setFocus();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_5);
    QCOMPARE(window_->FieldWidget(Field::Result)->text(), QString());
    // Back to the original text: still a change.
    window_->FieldWidget(Field::Result)->setText(QStringLiteral("x"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(window_->FieldWidget(Field::Result)->text(), QString());
}

void FrmMainTest::focusingDoesNotEmptyTheResult() {
    window_->FieldWidget(Field::Result)->setText(QStringLiteral("IRR is out of range."));
    for (Field f : {Field::NPV, Field::Duration, Field::PMT, Field::ClosingCost, Field::Result})
        window_->FieldWidget(f)->setFocus(Qt::TabFocusReason);
    QCOMPARE(window_->FieldWidget(Field::Result)->text(), QStringLiteral("IRR is out of range."));
}

void FrmMainTest::clickCalculatesAndSelectsTheResult_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("expected");
    for (const char* name : {"InitialInputs", "BalloonOnly", "NegativeRateBeyondTolerance", "GroupedNpv"}) {
        const pellucor::testing::ResultLineRow& row = pellucor::testing::ResultLine(name);
        QTest::newRow(name) << QStringList{QString::fromStdString(row.npv), QString::fromStdString(row.n),
                                           QString::fromStdString(row.pmt), QString::fromStdString(row.closing)}
                            << QString::fromStdString(row.result);
    }
}

void FrmMainTest::clickCalculatesAndSelectsTheResult() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, expected);
    BoxWatcher boxes;
    const Field fields[] = {Field::NPV, Field::Duration, Field::PMT, Field::ClosingCost};
    for (int i = 0; i < 4; ++i)
        window_->FieldWidget(fields[i])->setText(inputs[i]);
    QTest::mouseClick(window_->findChild<QPushButton*>("cmdCalculate"), Qt::LeftButton);
    QLineEdit* result = window_->FieldWidget(Field::Result);
    QCOMPARE(result->text(), expected);
    QVERIFY(result->hasFocus());
    QCOMPARE(result->selectedText(), expected);
    QVERIFY(window_->isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(boxes.seen.isEmpty());
}

void FrmMainTest::badFieldIsSelectedBehindItsMessage() {
    BoxWatcher boxes;
    window_->FieldWidget(Field::Result)->setText(QStringLiteral("kept"));
    window_->FieldWidget(Field::Duration)->setText(QStringLiteral("1,000,000"));
    // Setting an input empties the result; put it back to see that a refusal keeps it.
    window_->FieldWidget(Field::Result)->setText(QStringLiteral("kept"));
    QTest::mouseClick(window_->findChild<QPushButton*>("cmdCalculate"), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Pellucor"));
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Loan duration (Number of Months, N) must be between 1 to 1000."));
    QCOMPARE(boxes.seen[0].icon, QMessageBox::NoIcon);
    QCOMPARE(boxes.seen[0].focusedField, QStringLiteral("txtDuration"));
    QCOMPARE(boxes.seen[0].selectedText, QStringLiteral("1,000,000"));
    QCOMPARE(window_->FieldWidget(Field::Result)->text(), QStringLiteral("kept"));
}

void FrmMainTest::failureShowsErrorAndReport() {
    // Validation refuses what would fail; drive the calculation itself through the window.
    BoxWatcher boxes;
    window_->FieldWidget(Field::Duration)->setText(QStringLiteral("1000000"));
    pellucor::CalculateIRR(*window_, pellucor::NumberLocale::PointDecimal());
    QCOMPARE(window_->FieldWidget(Field::Result)->text(), QStringLiteral("E R R O R"));
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Overflow\n\nCould not calculate IRR."));
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Pellucor"));
    QVERIFY2(!boxes.seen[0].busyPointer, "the report box came up under the busy pointer");
    QVERIFY2(boxes.seen[0].takesInput, "the report box came up disabled with its window");
    QVERIFY(window_->isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void FrmMainTest::everyAccessibleNameIsSet() {
    for (const char* name :
         {"txtNPV", "txtDuration", "txtPMT", "txtClosingCost", "txtResult", "cmdCalculate", "cmdHelp"})
        QVERIFY2(!window_->findChild<QWidget*>(name)->accessibleName().isEmpty(), name);
}

void FrmMainTest::languageFollowsTheFirstShippedOrEnglish_data() {
    QTest::addColumn<QString>("uiLanguages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German") << "de-DE,de-Latn-DE,de" << "de";
    QTest::newRow("Canadian French") << "fr-CA,fr-Latn-CA,fr" << "fr";
    QTest::newRow("Brazilian") << "pt-BR,pt-Latn-BR,pt" << "pt_BR";
    QTest::newRow("Portugal's Portuguese is not Brazil's") << "pt-PT,pt-Latn-PT,pt" << "";
    QTest::newRow("Chinese by script") << "zh-Hans" << "zh_CN";
    QTest::newRow("Taiwan's Chinese is not simplified") << "zh-TW,zh-Hant-TW,zh" << "";
    QTest::newRow("English listed before German") << "en-GB,en-Latn-GB,de,de-Latn-DE" << "";
    QTest::newRow("unshipped, then German") << "sv-SE,sv,de" << "de";
    QTest::newRow("C locale") << "C" << "";
    QTest::newRow("pseudo") << "en-XA,en-Latn-US,en" << "en_XA";
}

void FrmMainTest::languageFollowsTheFirstShippedOrEnglish() {
    QFETCH(QString, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(pellucor::Translations::Choose(uiLanguages.split(',')), chosen);
}

void FrmMainTest::startsInEachShippedLanguage_data() {
    QTest::addColumn<QString>("language");
    const QStringList catalogues = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("pellucor_*.qm")});
    QVERIFY(catalogues.size() >= 13);
    for (const QString& file : catalogues) {
        const QString language = file.mid(9).chopped(3);
        QTest::newRow(qPrintable(language)) << language;
    }
}

void FrmMainTest::startsInEachShippedLanguage() {
    QFETCH(QString, language);
    const frmMain& english = *window_;
    const pellucor::Translations translations(QStringList{QString(language).replace('_', '-')});
    QCOMPARE(translations.Language(), language);
    const bool rightToLeft = language == QLatin1String("ar") || language == QLatin1String("fa");
    QCOMPARE(QGuiApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // Qt's own catalogue speaks it too: the standard buttons of the boxes.
    if (language != QLatin1String("en_XA"))
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));

    frmMain window;
    window.show();
    for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
        const auto* label = window.findChild<QLabel*>(name);
        QVERIFY2(label->text() != english.findChild<QLabel*>(name)->text(), name);
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
    }
    for (const char* name : {"cmdCalculate", "cmdHelp"}) {
        const auto* button = window.findChild<QPushButton*>(name);
        QVERIFY2(button->text() != english.findChild<QPushButton*>(name)->text(), name);
        const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 6;
        QVERIFY2(needed <= button->width(),
                 qPrintable(QStringLiteral("%1 needs %2 of %3").arg(button->text()).arg(needed).arg(button->width())));
        QVERIFY2(button->toolTip() != english.findChild<QPushButton*>(name)->toolTip(), name);
    }
    // The frame captions sit on the border line, 7 pixels in, with 2 of padding either side.
    for (const char* name : {"Frame1", "Frame2", "Frame3"}) {
        const auto* frame = window.findChild<QWidget*>(name);
        const QString title = frame->property("title").toString();
        QVERIFY2(title != english.findChild<QWidget*>(name)->property("title").toString(), name);
        QVERIFY2(frame->fontMetrics().horizontalAdvance(title) + 11 <= frame->width(), qPrintable(title));
    }
}

void FrmMainTest::closingEndsAtOnce() {
    QVERIFY(QApplication::quitOnLastWindowClosed());
    QVERIFY(window_->close());
    QVERIFY(!window_->isVisible());
}

}  // namespace

int main(int argc, char** argv) {
    // A desktop-sized screen instead of the offscreen 800 x 600, which would hold an 18 pt
    // window to a smaller scale than its font asks.
    QTemporaryDir screenDir;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screenDir.isValid()) {
        QFile screen(screenDir.filePath(QStringLiteral("screen.json")));
        if (screen.open(QIODevice::WriteOnly)) {
            screen.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 2000, "height": 1400,)"
                         R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            screen.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Pellucor"));
    FrmMainTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_frmMain.moc"
