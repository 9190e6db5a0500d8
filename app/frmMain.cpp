// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "frmMain.h"

#include "AccessibleParts.h"
#include "AltLetterGuard.h"
#include "CalculateCommand.h"
#include "DesktopLook.h"
#include "HelpPage.h"
#include "LocaleBridge.h"
#include "PastedText.h"
#include "PngResource.h"
#include "QtMessageBox.h"
#include "modWebpage.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

using pellucor::Field;

namespace {

constexpr Field AllFields[] = {Field::NPV, Field::Duration, Field::PMT, Field::ClosingCost, Field::Result};

}  // namespace

QAction* PasteAction(const QMenu* standardMenu) {
    // The line edit's own menu names its entries only by their text, translated by Qt's own
    // catalogue; held in a variable so that lupdate leaves it out of ours.
    static constexpr const char* QtPasteText = "&Paste";
    const QString paste = QCoreApplication::translate("QLineEdit", QtPasteText);
    for (QAction* action : standardMenu->actions()) {
        if (action->text().startsWith(paste))
            return action;
    }
    return nullptr;
}

frmMain::frmMain(QWidget* parent) : frmMain(QLocale::system(), parent) {}

frmMain::frmMain(const QLocale& locale, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      locale_(pellucor::NumberLocaleFrom(locale)) {
    pellucor::InstallAccessibleParts();
    ui.setupUi(this);
    ShowInitialTextsInLocale();
    // The designer font sizes are whole points; the result line is 13.5.
    QFont resultFont = ui.txtResult->font();
    resultFont.setPointSizeF(13.5);
    ui.txtResult->setFont(resultFont);

    look_ = new DesktopLook(*this);
    FitCaptions();

    ui.cmdDebug->hide();
    ui.cmdHelp->setToolTip(QString::fromStdString(
        pellucor::FillIn(Translate("frmMain", pellucor::HelpPageToolTipText), {pellucor::HelpPageAddress})));
    ShowEquation();

    auto* altLetters = new AltLetterGuard(this);
    for (Field f : AllFields) {
        FieldWidget(f)->installEventFilter(this);
        FieldWidget(f)->installEventFilter(altLetters);
    }

    connect(ui.cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(ui.cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
    for (Field f : {Field::NPV, Field::Duration, Field::PMT, Field::ClosingCost})
        connect(FieldWidget(f), &QLineEdit::textChanged, this, &frmMain::InputChanged);

    Form_Load();
}

frmMain::~frmMain() {
    while (overrideCursors_ > 0) {
        QGuiApplication::restoreOverrideCursor();
        --overrideCursors_;
    }
}

void frmMain::Form_Load() {
    try {
        setWindowState(Qt::WindowNoState);
    } catch (...) {
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Nothing to ask and nothing to save.
    event->accept();
}

void frmMain::ShowInitialTextsInLocale() {
    // The form holds the starting figures in the point-decimal form; where the comma is the
    // decimal separator, "617.17" would be refused by the very first click.
    const auto designed = pellucor::NumberLocale::PointDecimal();
    for (Field f : {Field::NPV, Field::Duration, Field::PMT, Field::ClosingCost}) {
        QLineEdit* edit = FieldWidget(f);
        try {
            const double value = pellucor::TextToDouble(edit->text().toStdString(), designed);
            edit->setText(QString::fromStdString(pellucor::DoubleToText(value, locale_)));
        } catch (...) {
        }
    }
}

void frmMain::FitCaptions() {
    // The captions keep their point size and are narrowed alike, so that they still read as
    // one column; each button is narrowed on its own (a long translation of one label).
    NarrowToFit({ui.Label1, ui.Label2, ui.Label3, ui.Label4}, 4.0);
    NarrowToFit({ui.cmdCalculate}, 6.0);
    NarrowToFit({ui.cmdHelp}, 6.0);
}

void frmMain::NarrowToFit(const QList<QWidget*>& widgets, qreal margin) {
    // Where the system's sans (or a translation) is wider than the design, the widest stretch
    // (99 down to 60) at which the longest text fits its box. Stretch is matched to a face
    // first and scaled after, so each try is measured rather than trusted; but each try loads
    // a font, so the walk starts where the natural widths point rather than at 99.
    const auto text = [](const QWidget* w) {
        if (const auto* label = qobject_cast<const QLabel*>(w))
            return label->text();
        return static_cast<const QAbstractButton*>(w)->text();
    };
    QFont font = widgets.front()->font();
    qreal worst = 0;  // the largest share of its box a text needs
    const auto fits = [&] {
        const QFontMetricsF metrics(font);
        bool all = true;
        for (const QWidget* w : widgets) {
            const qreal needed = metrics.horizontalAdvance(text(w)) + margin;
            worst = std::max(worst, needed / w->width());
            all = all && needed <= w->width();
        }
        return all;
    };
    if (fits())
        return;
    const auto fitsAt = [&](int stretch) {
        font.setStretch(stretch);
        return fits();
    };
    int stretch = std::clamp(static_cast<int>(100.0 / worst), 60, 99);
    if (fitsAt(stretch)) {
        while (stretch < 99 && fitsAt(stretch + 1))
            ++stretch;
        font.setStretch(stretch);
    } else {
        while (stretch > 60 && !fitsAt(--stretch)) {
        }
    }
    for (QWidget* w : widgets)
        w->setFont(font);
}

void frmMain::ShowEquation() {
    // Rendered ahead at 1x and 2x; other scales take the 2x picture scaled smoothly.
    const qreal dpr = devicePixelRatioF();
    const qreal density = dpr * look_->Scale();
    QImage picture =
        ReadPngResource(density > 1.0 ? QStringLiteral(":/equation@2x.png") : QStringLiteral(":/equation.png"));
    const QSize logical = (QSizeF(655, 139) * look_->Scale()).toSize();
    if (density > 1.0 && density != 2.0)
        picture = picture.scaled(logical * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(dpr > 1.0 ? dpr : 1.0);
    picture = look_->InTextColours(picture);
    // Kept grey, a quarter of the memory of a converted copy; painting converts it as it goes.
    ui.Picture1->setPixmap(QPixmap::fromImage(std::move(picture), Qt::NoFormatConversion));
}

QLineEdit* frmMain::FieldWidget(Field field) const {
    switch (field) {
        case Field::NPV: return ui.txtNPV;
        case Field::Duration: return ui.txtDuration;
        case Field::PMT: return ui.txtPMT;
        case Field::ClosingCost: return ui.txtClosingCost;
        case Field::Result: return ui.txtResult;
    }
    return ui.txtResult;
}

std::string frmMain::Text(Field field) {
    return FieldWidget(field)->text().toStdString();
}

void frmMain::SetText(Field field, const std::string& text) {
    FieldWidget(field)->setText(QString::fromStdString(text));
}

void frmMain::Repaint() {
    repaint();
}

void frmMain::SetEnabled(bool enabled) {
    setEnabled(enabled);
}

void frmMain::SetMousePointer(pellucor::MousePointer pointer) {
    // The override cursor is a stack: push once for the hourglass, pop all we pushed for the
    // default, so no path can leave it set.
    if (pointer == pellucor::MousePointer::Hourglass) {
        if (overrideCursors_ == 0) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            ++overrideCursors_;
        }
        return;
    }
    while (overrideCursors_ > 0) {
        QGuiApplication::restoreOverrideCursor();
        --overrideCursors_;
    }
}

void frmMain::SelectField(Field field, const std::string& message) {
    SelectField(FieldWidget(field), QString::fromStdString(message));
}

void frmMain::SelectField(QLineEdit* field, const QString& message) {
    // Every step is attempted even if one fails; the selection comes before the focus so the
    // field at fault shows selected behind the box.
    try {
        field->setSelection(0, static_cast<int>(field->text().size()));
    } catch (...) {
    }
    try {
        field->setFocus(Qt::OtherFocusReason);
    } catch (...) {
    }
    if (!message.isEmpty()) {
        try {
            ShowBox(message, pellucor::MsgBoxStyle::OkOnly);
        } catch (...) {
        }
    }
}

int frmMain::MsgBox(const std::string& text, int style) {
    return ShowBox(QString::fromStdString(text), style);
}

std::string frmMain::Translate(const char* context, const char* sourceText) const {
    return QCoreApplication::translate(context, sourceText).toStdString();
}

int frmMain::ShowBox(const QString& text, int style) {
    // A failed calculation is reported while the busy pointer is set: the box gets the normal
    // pointer, and the busy one returns afterwards for the steps that still follow.
    struct BusyPointerSuspended {
        frmMain& window;
        const bool wasBusy = window.overrideCursors_ > 0;
        ~BusyPointerSuspended() {
            if (wasBusy)
                window.SetMousePointer(pellucor::MousePointer::Hourglass);
        }
    } suspended{*this};
    SetMousePointer(pellucor::MousePointer::Default);
    return pellucor::ShowMessageBox(this, text, style);
}

void frmMain::PasteWithoutLineBreaks(QLineEdit* field, QClipboard::Mode mode) {
    PastedText::Insert(field, QGuiApplication::clipboard()->text(mode));
}

bool frmMain::PasteEvent(QLineEdit* field, QEvent* event) {
    if (field->isReadOnly())
        return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
                return false;
            PasteWithoutLineBreaks(field, QClipboard::Clipboard);
            return true;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
                return false;
            field->deselect();
            field->setCursorPosition(field->cursorPositionAt(mouse->position().toPoint()));
            PasteWithoutLineBreaks(field, QClipboard::Selection);
            return true;
        }
        case QEvent::ContextMenu: {
            QMenu* menu = field->createStandardContextMenu();
            if (QAction* paste = PasteAction(menu)) {
                disconnect(paste, &QAction::triggered, nullptr, nullptr);
                connect(paste, &QAction::triggered, field,
                        [this, field] { PasteWithoutLineBreaks(field, QClipboard::Clipboard); });
            }
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        case QEvent::Drop: {
            // A move inside the field keeps its length; everything else comes in as a paste does.
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->source() == field || !drop->mimeData()->hasText())
                return false;
            QDragLeaveEvent leave;  // hides the drop caret, as the field's own drop would
            QCoreApplication::sendEvent(field, &leave);
            field->deselect();
            field->setCursorPosition(field->cursorPositionAt(drop->position().toPoint()));
            if (PastedText::Insert(field, drop->mimeData()->text())) {
                drop->setDropAction(Qt::CopyAction);
                drop->accept();
            } else {
                drop->ignore();
            }
            return true;
        }
        default: return false;
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    for (Field f : {Field::NPV, Field::Duration, Field::PMT, Field::ClosingCost}) {
        if (watched == FieldWidget(f) && PasteEvent(FieldWidget(f), event))
            return true;
    }
    if (event->type() == QEvent::FocusIn) {
        for (Field f : AllFields) {
            if (watched == FieldWidget(f))
                FieldGotFocus(f, static_cast<QFocusEvent*>(event)->reason());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::FieldGotFocus(Field field, Qt::FocusReason reason) {
    QLineEdit* edit = FieldWidget(field);
    SelectField(edit, QString());
    // A click that focuses the field places the caret after this handler runs; select again
    // once the click has been handled so the whole text ends selected either way.
    if (reason == Qt::MouseFocusReason) {
        QTimer::singleShot(0, edit, [edit] {
            if (edit->hasFocus())
                edit->setSelection(0, static_cast<int>(edit->text().size()));
        });
    }
}

void frmMain::InputChanged() {
    try {
        ui.txtResult->clear();
    } catch (...) {
    }
}

void frmMain::cmdCalculate_Click() {
    // Nothing may escape into Qt's event loop.
    try {
        pellucor::cmdCalculate_Click(*this, locale_);
    } catch (...) {
    }
}

void frmMain::cmdHelp_Click() {
    // Without a handle the help still opens, just without an owner window.
    std::int32_t owner = 0;
    try {
        owner = static_cast<std::int32_t>(winId());
    } catch (...) {
    }
    pellucor::OpenWebPage(pellucor::HelpPageAddress, owner, true);
}
