// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "AccessibleParts.h"

#include <QAccessibleWidget>

namespace {

QList<QWidget*> ShownChildren(const QWidget* parent) {
    QList<QWidget*> shown;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->isHidden())
            shown.append(child);
    }
    return shown;
}

class FrameGroupInterface : public QAccessibleWidget {
public:
    explicit FrameGroupInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto* box = static_cast<const QGroupBox*>(widget());
        return box->accessibleName().isEmpty() ? box->title() : box->accessibleName();
    }

    int childCount() const override { return static_cast<int>(ShownChildren(widget()).size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = ShownChildren(widget());
        if (index < 0 || index >= shown.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        return static_cast<int>(ShownChildren(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }
};

class RuleInterface : public QAccessibleWidget {
public:
    explicit RuleInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Separator) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QString() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Interface(const QString& className, QObject* object) {
    if (className == QLatin1String("FrameGroup"))
        return new FrameGroupInterface(static_cast<QWidget*>(object));
    if (className == QLatin1String("Rule"))
        return new RuleInterface(static_cast<QWidget*>(object));
    // A plain QWidget as a window is read as a filler; the calculator's window is a window.
    if (className == QLatin1String("frmMain"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

namespace pellucor {

void InstallAccessibleParts() {
    QAccessible::installFactory(&Interface);
}

}  // namespace pellucor
