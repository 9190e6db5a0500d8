// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#include "ProgressBarPlugin.h"

#include "ProgressBar.h"
#include "StoreAwarePropertySheet.h"

#include <QBrush>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

namespace pellucor {

QString ProgressBarPlugin::name() const { return QStringLiteral("pellucor::ProgressBar"); }

QString ProgressBarPlugin::group() const { return QStringLiteral("Pellucor"); }

QString ProgressBarPlugin::toolTip() const { return QStringLiteral("Progress bar with a hatched bar and a frame"); }

QString ProgressBarPlugin::whatsThis() const {
    return QStringLiteral("A progress bar that shows Value / Max of its length, horizontally or vertically, "
                          "and redraws only when Value changed by more than Max / Resolution.");
}

QString ProgressBarPlugin::includeFile() const { return QStringLiteral("pellucor/ProgressBar.h"); }

QIcon ProgressBarPlugin::icon() const {
    // The control in miniature: a frame around a hatched red bar, two thirds full.
    QIcon icon;
    for (int size : {16, 22, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        const int height = size * 3 / 8;
        const QRect frame(0, (size - height) / 2, size, height);
        painter.fillRect(frame, Qt::white);
        const QRect bar(frame.left(), frame.top(), frame.width() * 2 / 3, frame.height());
        painter.fillRect(bar, QColor(255, 0, 0));
        painter.fillRect(bar, QBrush(Qt::white, Qt::DiagCrossPattern));
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QString ProgressBarPlugin::domXml() const {
    // A new bar's background and bar colours differ from the stored defaults, so the form keeps
    // them from the start, as the property store would.
    return QStringLiteral(R"(<ui language="c++">
 <widget class="pellucor::ProgressBar" name="ctlProgress">
  <property name="geometry"><rect><x>0</x><y>0</y><width>300</width><height>20</height></rect></property>
  <property name="BackColor"><UInt>%1</UInt></property>
  <property name="ForeColor"><UInt>%2</UInt></property>
 </widget>
</ui>
)")
        .arg(SystemColor::ButtonFace)
        .arg(SystemColor::ButtonHighlight);
}

void ProgressBarPlugin::initialize(QDesignerFormEditorInterface* core) {
    if (initialized_)
        return;
    core_ = core;
    initialized_ = true;
    if (core && core->extensionManager()) {
        QExtensionManager* manager = core->extensionManager();
        manager->registerExtensions(new StoreAwareSheetFactory(manager), Q_TYPEID(QDesignerPropertySheetExtension));
    }
}

QWidget* ProgressBarPlugin::createWidget(QWidget* parent) {
    auto* bar = new ProgressBar(parent);
    if (core_)
        bar->SetDesignMode(true);
    return bar;
}

}  // namespace pellucor
