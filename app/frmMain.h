// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The calculator's one window. It translates between its widgets and the calculation core:
// the Calculate command runs in calc/ against this window's CalcWindow operations.

#include "CalcWindow.h"
#include "NumberRules.h"
#include "ui_frmMain.h"

#include <QClipboard>
#include <QLocale>
#include <QWidget>

class DesktopLook;
class QMenu;

// The Paste entry of a line edit's standard context menu, or null.
QAction* PasteAction(const QMenu* standardMenu);

class frmMain : public QWidget, public pellucor::CalcWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    // Reads and writes numbers in the given locale's form; the default is the system's.
    explicit frmMain(const QLocale& locale, QWidget* parent = nullptr);
    ~frmMain() override;

    // CalcWindow
    std::string Text(pellucor::Field field) override;
    void SetText(pellucor::Field field, const std::string& text) override;
    void Repaint() override;
    void SetEnabled(bool enabled) override;
    void SetMousePointer(pellucor::MousePointer pointer) override;
    void SelectField(pellucor::Field field, const std::string& message) override;
    int MsgBox(const std::string& text, int style) override;
    std::string Translate(const char* context, const char* sourceText) const override;

    QLineEdit* FieldWidget(pellucor::Field field) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void cmdCalculate_Click();
    void cmdHelp_Click();
    void InputChanged();
    void FieldGotFocus(pellucor::Field field, Qt::FocusReason reason);
    void SelectField(QLineEdit* field, const QString& message);
    void ShowEquation();
    void FitCaptions();
    static void NarrowToFit(const QList<QWidget*>& widgets, qreal margin);
    void ShowInitialTextsInLocale();
    bool PasteEvent(QLineEdit* field, QEvent* event);
    void PasteWithoutLineBreaks(QLineEdit* field, QClipboard::Mode mode);
    int ShowBox(const QString& text, int style);

    Ui::frmMain ui;
    pellucor::NumberLocale locale_;
    int overrideCursors_ = 0;
    DesktopLook* look_ = nullptr;
};
