// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The real window under the offscreen platform: its form, its field behaviour and the
// Calculate command driven through real widgets. Modal boxes are answered from a timer and
// recorded; an unexpected one fails the test.

#include "CalculateCommand.h"
#include "Version.h"
#include "frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using pellucor::Field;

namespace {

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
        Seen s{box->windowTitle(), box->text(), box->icon(), {}, {}, QApplication::overrideCursor() != nullptr,
                box->isEnabled()};
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

class FrmMainTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formLayout();
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
    QTest::addColumn<QString>("expected");
    const int ctrlV = (Qt::ControlModifier | Qt::Key_V).toCombined();
    QTest::newRow("spreadsheet cell") << "60000\r\n" << ctrlV << "60000";
    QTest::newRow("breaks before a long figure") << "\r\n\r\n123456789012345678" << ctrlV << "123456789012345";
    QTest::newRow("breaks inside") << "617\n.17\r" << ctrlV << "617.17";
    QTest::newRow("shift insert") << "360\n" << (Qt::ShiftModifier | Qt::Key_Insert).toCombined() << "360";
}

void FrmMainTest::pasteDropsLineBreaksBeforeTheCut() {
    QFETCH(QString, clipboard);
    QFETCH(int, key);
    QFETCH(QString, expected);
    QLineEdit* edit = window_->FieldWidget(Field::PMT);
    edit->setFocus();
    edit->selectAll();
    QApplication::clipboard()->setText(clipboard);
    const QKeyCombination combination = QKeyCombination::fromCombined(key);
    QTest::keyClick(edit, combination.key(), combination.keyboardModifiers());
    QCOMPARE(edit->text(), expected);
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
    QCOMPARE(edit->text(), expected);
}

void FrmMainTest::firstClickInTheUsersLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << "en_US" << "617.17" << "IRR = 12.000%, when NPV = 60000.239";
    QTest::newRow("German") << "de_DE" << "617,17" << "IRR = 12,000%, when NPV = 60000,239";
    QTest::newRow("French") << "fr_FR" << "617,17" << "IRR = 12,000%, when NPV = 60000,239";
    QTest::newRow("Swiss German") << "de_CH" << "617.17" << "IRR = 12.000%, when NPV = 60000.239";
}

void FrmMainTest::firstClickInTheUsersLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, payment);
    QFETCH(QString, expected);
    BoxWatcher boxes;
    frmMain window{QLocale(locale)};
    QCOMPARE(window.FieldWidget(Field::NPV)->text(), QStringLiteral("60000"));
    QCOMPARE(window.FieldWidget(Field::Duration)->text(), QStringLiteral("360"));
    QCOMPARE(window.FieldWidget(Field::PMT)->text(), payment);
    QCOMPARE(window.FieldWidget(Field::ClosingCost)->text(), QStringLiteral("0"));
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
    QTest::newRow("initial") << QStringList{"60000", "360", "617.17", "0"} << "IRR = 12.000%, when NPV = 60000.239";
    QTest::newRow("balloon") << QStringList{"50000", "120", "0", "100000"} << "IRR = 6.952%, when NPV = 49997.662";
    QTest::newRow("out of range") << QStringList{"1334", "12", "100", "0"} << "IRR is out of range.";
    QTest::newRow("grouped npv") << QStringList{"60,000", "360", "617.17", "0"}
                                 << "IRR = 12.000%, when NPV = 60000.239";
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

void FrmMainTest::closingEndsAtOnce() {
    QVERIFY(QApplication::quitOnLastWindowClosed());
    QVERIFY(window_->close());
    QVERIFY(!window_->isVisible());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Pellucor"));
    FrmMainTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_frmMain.moc"
