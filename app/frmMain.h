#pragma once
// The calculator's one window. It translates between its widgets and the calculation core:
// the Calculate command runs in calc/ against this window's CalcWindow operations.

#include "CalcWindow.h"
#include "NumberRules.h"
#include "ui_frmMain.h"

#include <QWidget>

class frmMain : public QWidget, public pellucor::CalcWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // CalcWindow
    std::string Text(pellucor::Field field) override;
    void SetText(pellucor::Field field, const std::string& text) override;
    void Repaint() override;
    void SetEnabled(bool enabled) override;
    void SetMousePointer(pellucor::MousePointer pointer) override;
    void SelectField(pellucor::Field field, const std::string& message) override;
    int MsgBox(const std::string& text, int style) override;

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

    Ui::frmMain ui;
    pellucor::NumberLocale locale_;
    int overrideCursors_ = 0;
};
