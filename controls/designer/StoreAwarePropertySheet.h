// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Designer saves the properties its property sheet calls changed. For the seven persisted
// properties of a ProgressBar this sheet calls changed exactly those the property store would
// store (the ones that differ from the store's defaults), so a form saved by Designer keeps the
// same entries as WriteProperties. Everything else is Designer's own sheet.

#include <QExtensionFactory>
#include <QObject>
#include <QVariant>
#include <QtDesigner/QDesignerPropertySheetExtension>

class QExtensionManager;

namespace pellucor {

class ProgressBar;

class StoreAwarePropertySheet : public QObject, public QDesignerPropertySheetExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension)

public:
    StoreAwarePropertySheet(QDesignerPropertySheetExtension* designerSheet, ProgressBar* bar, QObject* parent);

    int count() const override { return sheet_->count(); }
    int indexOf(const QString& name) const override { return sheet_->indexOf(name); }
    QString propertyName(int index) const override { return sheet_->propertyName(index); }
    QString propertyGroup(int index) const override { return sheet_->propertyGroup(index); }
    void setPropertyGroup(int index, const QString& group) override { sheet_->setPropertyGroup(index, group); }
    bool hasReset(int index) const override { return sheet_->hasReset(index); }
    bool reset(int index) override { return sheet_->reset(index); }
    bool isVisible(int index) const override { return sheet_->isVisible(index); }
    void setVisible(int index, bool visible) override { sheet_->setVisible(index, visible); }
    bool isAttribute(int index) const override { return sheet_->isAttribute(index); }
    void setAttribute(int index, bool attribute) override { sheet_->setAttribute(index, attribute); }
    QVariant property(int index) const override { return sheet_->property(index); }
    void setProperty(int index, const QVariant& value) override { sheet_->setProperty(index, value); }
    bool isChanged(int index) const override;
    void setChanged(int index, bool changed) override { sheet_->setChanged(index, changed); }
    bool isEnabled(int index) const override { return sheet_->isEnabled(index); }

private:
    QDesignerPropertySheetExtension* sheet_;
    ProgressBar* bar_;
};

// Hands Designer the sheet above for every ProgressBar, wrapped around Designer's own.
class StoreAwareSheetFactory : public QExtensionFactory {
    Q_OBJECT

public:
    explicit StoreAwareSheetFactory(QExtensionManager* manager) : QExtensionFactory(manager) {}

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;

private:
    mutable bool askingDesigner_ = false;
};

}  // namespace pellucor
