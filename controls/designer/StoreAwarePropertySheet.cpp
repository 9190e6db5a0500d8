// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "StoreAwarePropertySheet.h"

#include "ProgressBar.h"
#include "PropertyBag.h"

#include <QExtensionManager>

namespace pellucor {

StoreAwarePropertySheet::StoreAwarePropertySheet(QDesignerPropertySheetExtension* designerSheet, ProgressBar* bar,
                                                 QObject* parent)
    : QObject(parent), sheet_(designerSheet), bar_(bar) {}

bool StoreAwarePropertySheet::isChanged(int index) const {
    static const QStringList storeKeys{"BackColor", "BorderColor", "ForeColor", "Max", "Value", "Resolution",
                                       "Orientation"};
    const QString name = sheet_->propertyName(index);
    if (!storeKeys.contains(name))
        return sheet_->isChanged(index);
    PropertyBag store;
    bar_->WriteProperties(store);
    return store.Find(name).has_value();
}

QObject* StoreAwareSheetFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const {
    auto* bar = qobject_cast<ProgressBar*>(object);
    if (!bar || iid != QLatin1String(Q_TYPEID(QDesignerPropertySheetExtension)) || askingDesigner_)
        return nullptr;
    // Asking the manager again reaches this factory first; it declines, and Designer's own
    // factory answers.
    askingDesigner_ = true;
    auto* designerSheet = qt_extension<QDesignerPropertySheetExtension*>(extensionManager(), object);
    askingDesigner_ = false;
    if (!designerSheet)
        return nullptr;
    return new StoreAwarePropertySheet(designerSheet, bar, parent);
}

}  // namespace pellucor
