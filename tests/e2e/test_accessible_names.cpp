// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// Screen readers announce each input, button and the result field by its accessible name,
// which must be the caption the sighted user reads next to it.
#include "frmMain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QTest>

class TestAccessibleNames : public QObject {
    Q_OBJECT

private:
    // The text on screen that names the widget, without the "=" that ends the field labels.
    static QString Caption(const frmMain& window, const QString& captionSource) {
        const QObject* source = window.findChild<QObject*>(captionSource);
        if (const auto* label = qobject_cast<const QLabel*>(source)) {
            QString text = label->text().trimmed();
            if (text.endsWith(QLatin1Char('=')))
                text.chop(1);
            return text.trimmed();
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(source))
            return button->text();
        if (const auto* frame = qobject_cast<const QGroupBox*>(source))
            return frame->title();
        return {};
    }

private slots:
    void announcesCaption_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("captionSource");
        QTest::addColumn<int>("role");
        const int edit = QAccessible::EditableText;
        QTest::newRow("txtNPV") << "txtNPV" << "Label1" << edit;
        QTest::newRow("txtDuration") << "txtDuration" << "Label2" << edit;
        QTest::newRow("txtPMT") << "txtPMT" << "Label3" << edit;
        QTest::newRow("txtClosingCost") << "txtClosingCost" << "Label4" << edit;
        QTest::newRow("cmdCalculate") << "cmdCalculate" << "cmdCalculate" << int(QAccessible::Button);
        QTest::newRow("cmdHelp") << "cmdHelp" << "cmdHelp" << int(QAccessible::Button);
        QTest::newRow("txtResult") << "txtResult" << "Frame3" << edit;
        const int group = QAccessible::Grouping;
        QTest::newRow("Frame1") << "Frame1" << "Frame1" << group;
        QTest::newRow("Frame2") << "Frame2" << "Frame2" << group;
        QTest::newRow("Frame3") << "Frame3" << "Frame3" << group;
    }

    void announcesCaption() {
        QFETCH(QString, widget);
        QFETCH(QString, captionSource);
        QFETCH(int, role);
        frmMain window;
        auto* target = window.findChild<QWidget*>(widget);
        QVERIFY2(target != nullptr, qPrintable(widget));
        const QString caption = Caption(window, captionSource);
        QVERIFY2(!caption.isEmpty(), qPrintable(captionSource));

        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(target);
        QVERIFY(iface != nullptr);
        QCOMPARE(iface->text(QAccessible::Name), caption);
        QCOMPARE(int(iface->role()), role);
    }

    // Widgets without a caption of their own: a name of their own, or none for the rule,
    // but never the caption of the frame they stand in.
    void uncaptionedParts_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::newRow("button group") << "Frame4" << "Commands" << int(QAccessible::Grouping);
        QTest::newRow("vertical rule") << "Line1" << "" << int(QAccessible::Separator);
        QTest::newRow("equation picture") << "Picture1" << "Calculation equation" << int(QAccessible::Graphic);
    }

    void uncaptionedParts() {
        QFETCH(QString, widget);
        QFETCH(QString, name);
        QFETCH(int, role);
        frmMain window;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(widget));
        QVERIFY(iface != nullptr);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(int(iface->role()), role);
    }

    // What a screen reader walks: every object it reaches is visible, and every one but the
    // rule has a name; the hidden Debug button is not among them.
    void treeHoldsOnlyWhatTheUserSees() {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(&window)};
        QStringList reached;
        while (!pending.isEmpty()) {
            QAccessibleInterface* iface = pending.takeFirst();
            const QString name = iface->object() ? iface->object()->objectName() : QString();
            reached << name;
            QVERIFY2(!iface->state().invisible, qPrintable(name));
            if (iface->role() != QAccessible::Separator)
                QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(name));
            for (int i = 0; i < iface->childCount(); ++i) {
                QAccessibleInterface* child = iface->child(i);
                QVERIFY(child != nullptr);
                QCOMPARE(iface->indexOfChild(child), i);
                pending.append(child);
            }
        }
        QVERIFY(!reached.contains(QStringLiteral("cmdDebug")));
        QCOMPARE(int(QAccessible::queryAccessibleInterface(&window)->role()), int(QAccessible::Window));
        for (const char* shown : {"txtNPV", "Label4", "Line1", "Frame4", "cmdHelp", "Picture1", "txtResult"})
            QVERIFY2(reached.contains(QLatin1String(shown)), shown);
    }

    void namesAreDistinct() {
        frmMain window;
        QSet<QString> names;
        const char* widgets[] = {"txtNPV", "txtDuration", "txtPMT", "txtClosingCost",
                                 "cmdCalculate", "cmdHelp", "txtResult"};
        for (const char* name : widgets) {
            auto* target = window.findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY(target != nullptr);
            names.insert(QAccessible::queryAccessibleInterface(target)->text(QAccessible::Name));
        }
        QCOMPARE(names.size(), int(std::size(widgets)));
    }
};

QTEST_MAIN(TestAccessibleNames)
#include "test_accessible_names.moc"
