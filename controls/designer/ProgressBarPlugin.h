// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace pellucor {

class ProgressBarPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit ProgressBarPlugin(QObject* parent = nullptr) : QObject(parent) {}

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QString domXml() const override;

    // Designer hands over its form editor; a form loader at run time does not, and its
    // controls then run as on any other form.
    void initialize(QDesignerFormEditorInterface* core) override;
    bool isInitialized() const override { return initialized_; }
    QWidget* createWidget(QWidget* parent) override;

private:
    QDesignerFormEditorInterface* core_ = nullptr;
    bool initialized_ = false;
};

}  // namespace pellucor
