// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "QtMessageBox.h"

#include "AppError.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include <map>
#include <utility>
#include <vector>

namespace pellucor {

namespace {

constexpr int DefaultButtonShift = 8;  // 0x100 selects the second button, 0x200 the third

std::vector<std::pair<QMessageBox::StandardButton, int>> ButtonsFor(int style) {
    using B = QMessageBox::StandardButton;
    switch (style & MsgBoxStyle::ButtonsMask) {
        case MsgBoxStyle::OkCancel: return {{B::Ok, MsgBoxAnswer::Ok}, {B::Cancel, MsgBoxAnswer::Cancel}};
        case MsgBoxStyle::AbortRetryIgnore:
            return {
                {B::Abort, MsgBoxAnswer::Abort}, {B::Retry, MsgBoxAnswer::Retry}, {B::Ignore, MsgBoxAnswer::Ignore}};
        case MsgBoxStyle::YesNoCancel:
            return {{B::Yes, MsgBoxAnswer::Yes}, {B::No, MsgBoxAnswer::No}, {B::Cancel, MsgBoxAnswer::Cancel}};
        case MsgBoxStyle::YesNo: return {{B::Yes, MsgBoxAnswer::Yes}, {B::No, MsgBoxAnswer::No}};
        case MsgBoxStyle::RetryCancel: return {{B::Retry, MsgBoxAnswer::Retry}, {B::Cancel, MsgBoxAnswer::Cancel}};
        default: return {{B::Ok, MsgBoxAnswer::Ok}};
    }
}

QMessageBox::Icon IconFor(int style) {
    switch (style & MsgBoxStyle::IconMask) {
        case MsgBoxStyle::Critical: return QMessageBox::Critical;
        case MsgBoxStyle::Question: return QMessageBox::Question;
        case MsgBoxStyle::Exclamation: return QMessageBox::Warning;
        case MsgBoxStyle::Information: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

// Each box's buttons would draw fresh copies of the style's icons, which Qt's pixmap cache keeps
// under new keys until it holds 10 MB: memory grows with every box for a long while. The
// first copy of each button's icon is drawn for every box instead.
void ShareButtonIcon(QMessageBox& box, QMessageBox::StandardButton button) {
    static std::map<QMessageBox::StandardButton, QIcon> shared;
    QAbstractButton* shown = box.button(button);
    if (!shown || shown->icon().isNull()) return;
    const auto [first, inserted] = shared.try_emplace(button, shown->icon());
    if (!inserted) shown->setIcon(first->second);
}

}  // namespace

int ShowMessageBox(QWidget* parent, const QString& text, int style) {
    QMessageBox box(parent);
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setIcon(IconFor(style));
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);

    const auto buttons = ButtonsFor(style);
    int cancelAnswer = buttons.front().second;
    for (const auto& [button, answer] : buttons) {
        box.addButton(button);
        ShareButtonIcon(box, button);
        if (answer == MsgBoxAnswer::Cancel)
            cancelAnswer = answer;
    }
    const int defaultIndex = (style >> DefaultButtonShift) & 0x3;
    const auto& def = buttons[static_cast<std::size_t>(defaultIndex) < buttons.size() ? defaultIndex : 0];
    box.setDefaultButton(def.first);
    // The close button and Esc give the Cancel answer, or the only button's.
    for (const auto& [button, answer] : buttons) {
        if (answer == cancelAnswer)
            box.setEscapeButton(button);
    }

    box.exec();
    auto* clicked = box.clickedButton();
    for (const auto& [button, answer] : buttons) {
        if (clicked == box.button(button))
            return answer;
    }
    return cancelAnswer;
}

int QtMessageBoxHost::MsgBox(const std::string& text, int style) {
    if (owned_ && (!parent_ || !parent_->isVisible())) throw AppError::InvalidCall();
    return ShowMessageBox(parent_, QString::fromStdString(text), style);
}

}  // namespace pellucor

namespace pellucor {

std::string QtMessageBoxHost::Translate(const char* context, const char* sourceText) const {
    return QCoreApplication::translate(context, sourceText).toStdString();
}

}  // namespace pellucor
