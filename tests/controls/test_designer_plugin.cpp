// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// The Designer plugin as Qt loads it: what it reports, the bars it creates, and forms placing
// them loaded at run time through QUiLoader with the plugin's folder as its only plugin path.
#include "AppError.h"
#include "ProgressBar.h"
#include "PropertyBag.h"

#include <QBuffer>
#include <QDomDocument>
#include <QPluginLoader>
#include <QTest>
#include <QUiLoader>
#include <QMetaProperty>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionFactory>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <cmath>
#include <limits>

using namespace pellucor;

namespace {

const QString PluginFile = QStringLiteral(PELLUCOR_DESIGNER_PLUGIN_FILE);

QByteArray Form(const QByteArray& properties) {
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>frmBars</class>
 <widget class="QWidget" name="frmBars">
  <widget class="pellucor::ProgressBar" name="ctlProgress">
   <property name="geometry"><rect><x>0</x><y>0</y><width>200</width><height>20</height></rect></property>
)" + properties + R"(
  </widget>
 </widget>
 <customwidgets>
  <customwidget><class>pellucor::ProgressBar</class><extends>QWidget</extends><header>pellucor/ProgressBar.h</header></customwidget>
 </customwidgets>
</ui>
)";
}

QByteArray Property(const char* name, const char* type, const QByteArray& value) {
    return QByteArray("<property name=\"") + name + "\"><" + type + ">" + value + "</" + type + "></property>\n";
}

struct Loaded {
    std::unique_ptr<QWidget> form;
    ProgressBar* bar = nullptr;
};

Loaded LoadForm(const QByteArray& ui) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(PluginFile).absolutePath());
    QBuffer buffer;
    buffer.setData(ui);
    buffer.open(QIODevice::ReadOnly);
    Loaded loaded;
    loaded.form.reset(loader.load(&buffer));
    if (loaded.form)
        loaded.bar = loaded.form->findChild<ProgressBar*>(QStringLiteral("ctlProgress"));
    return loaded;
}

QDesignerCustomWidgetInterface* Plugin() {
    static QPluginLoader loader(PluginFile);
    return qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
}

// Designer's own property sheet as far as saving goes: every property counts as changed.
class EditedSheet : public QObject, public QDesignerPropertySheetExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension)
public:
    EditedSheet(QObject* object, QObject* parent) : QObject(parent), object_(object) {}
    int count() const override { return object_->metaObject()->propertyCount(); }
    int indexOf(const QString& name) const override { return object_->metaObject()->indexOfProperty(name.toUtf8()); }
    QString propertyName(int index) const override { return object_->metaObject()->property(index).name(); }
    QString propertyGroup(int) const override { return {}; }
    void setPropertyGroup(int, const QString&) override {}
    bool hasReset(int) const override { return false; }
    bool reset(int) override { return false; }
    bool isVisible(int) const override { return true; }
    void setVisible(int, bool) override {}
    bool isAttribute(int) const override { return false; }
    void setAttribute(int, bool) override {}
    QVariant property(int index) const override { return object_->metaObject()->property(index).read(object_); }
    void setProperty(int index, const QVariant& value) override { object_->metaObject()->property(index).write(object_, value); }
    bool isChanged(int) const override { return true; }
    void setChanged(int, bool) override {}
    bool isEnabled(int) const override { return true; }
private:
    QObject* object_;
};

class EditedSheetFactory : public QExtensionFactory {
public:
    using QExtensionFactory::QExtensionFactory;
protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override {
        return iid == QLatin1String(Q_TYPEID(QDesignerPropertySheetExtension)) ? new EditedSheet(object, parent) : nullptr;
    }
};

struct FormEditor : QDesignerFormEditorInterface {
    using QDesignerFormEditorInterface::setExtensionManager;
};

using Values = QList<QVariant>;  // Orientation, BackColor, BorderColor, ForeColor, Resolution, Max, Value
const char* const Names[] = {"Orientation", "BackColor", "BorderColor", "ForeColor", "Resolution", "Max", "Value"};
const Values NewBar{0, 0x8000000Fu, 0x80000012u, 0x80000014u, 50, 100.0f, 0.0f};

}  // namespace

class TestDesignerPlugin : public QObject {
    Q_OBJECT

private slots:
    void reports() {
        QPluginLoader loader(PluginFile);
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        QCOMPARE(loader.metaData().value("IID").toString(), QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetInterface"));
        auto* plugin = Plugin();
        QVERIFY(plugin);
        QCOMPARE(plugin->name(), QStringLiteral("pellucor::ProgressBar"));
        QCOMPARE(plugin->group(), QStringLiteral("Pellucor"));
        QCOMPARE(plugin->includeFile(), QStringLiteral("pellucor/ProgressBar.h"));
        QVERIFY(!plugin->isContainer());
        QVERIFY(!plugin->icon().isNull());
        QVERIFY(!plugin->toolTip().isEmpty());

        // The widget box's entry places a bar whose new colours are kept by the form, as the
        // property store keeps them.
        QDomDocument dom;
        QVERIFY(dom.setContent(plugin->domXml()));
        const QDomElement widget = dom.documentElement().firstChildElement("widget");
        QCOMPARE(widget.attribute("class"), plugin->name());
        std::unique_ptr<QWidget> created(plugin->createWidget(nullptr));
        auto* bar = qobject_cast<ProgressBar*>(created.get());
        QVERIFY(bar);
        PropertyBag store;
        bar->WriteProperties(store);
        QStringList placed;
        for (QDomElement p = widget.firstChildElement("property"); !p.isNull(); p = p.nextSiblingElement("property")) {
            if (p.attribute("name") == "geometry")
                continue;
            placed.append(p.attribute("name"));
            QCOMPARE(p.firstChildElement().text().toUInt(), uint(store.Find(p.attribute("name"))->ToInt32()));
        }
        QCOMPARE(placed, store.Keys());
    }

    void formsAtRunTime_data() {
        QTest::addColumn<QByteArray>("properties");
        QTest::addColumn<Values>("expected");
        QTest::newRow("every property set")
            << Property("Orientation", "number", "1") + Property("BackColor", "UInt", "14737632") +
                   Property("BorderColor", "UInt", "2147483661") + Property("ForeColor", "UInt", "32768") +
                   Property("Resolution", "number", "-1") + Property("Max", "double", "40.5") +
                   Property("Value", "double", "-0.25")
            << Values{1, 14737632u, 2147483661u, 32768u, -1, 40.5f, -0.25f};
        QTest::newRow("none set") << QByteArray() << NewBar;
        // Values the setters refuse leave the bar as new, and nothing throws or asks.
        QTest::newRow("undrawable colours")
            << Property("BackColor", "UInt", "16777216") + Property("BorderColor", "UInt", "4294967295") +
                   Property("ForeColor", "UInt", "2147483673")
            << NewBar;
        QTest::newRow("Orientation 7") << Property("Orientation", "number", "7") << NewBar;
        QTest::newRow("negative Max and NaN Max") << Property("Max", "double", "-5") + Property("Max", "double", "nan")
                                                  << NewBar;
        QTest::newRow("Resolution -2") << Property("Resolution", "number", "-2") << NewBar;
        QTest::newRow("wrong types") << Property("Max", "string", "many") + Property("Orientation", "string", "x") +
                                            Property("Value", "bool", "true")
                                     << NewBar;
        QTest::newRow("good after bad") << Property("Max", "double", "0") + Property("Max", "double", "8") +
                                               Property("Value", "double", "inf") + Property("Value", "double", "2")
                                        << Values{0, 0x8000000Fu, 0x80000012u, 0x80000014u, 50, 8.0f, 2.0f};
    }
    void formsAtRunTime() {
        QFETCH(QByteArray, properties);
        QFETCH(Values, expected);
        Loaded loaded;
        try {
            loaded = LoadForm(Form(properties));
        } catch (...) {
            QFAIL("loading the form threw");
        }
        QVERIFY(loaded.bar);
        for (int i = 0; i < 7; ++i) {
            const QVariant value = loaded.bar->property(Names[i]);
            if (expected[i].typeId() == QMetaType::Float)
                QVERIFY2(value.toFloat() == expected[i].toFloat() &&
                             std::signbit(value.toFloat()) == std::signbit(expected[i].toFloat()),
                         Names[i]);
            else
                QCOMPARE(value, expected[i]);
        }
        // A form loaded at run time runs: once shown, Orientation is locked.
        loaded.form->show();
        QVERIFY_THROWS_EXCEPTION(AppError, loaded.bar->SetOrientation(1 - loaded.bar->Orientation()));
    }

    // Last: once Designer's form editor is handed over, the plugin's bars are being designed,
    // and Designer saves of them what the property store would.
    void designMode() {
        auto* plugin = Plugin();
        QVERIFY(plugin);
        FormEditor core;
        QExtensionManager manager;
        core.setExtensionManager(&manager);
        manager.registerExtensions(new EditedSheetFactory(&manager), Q_TYPEID(QDesignerPropertySheetExtension));
        plugin->initialize(&core);
        QVERIFY(plugin->isInitialized());
        QWidget form;
        auto* bar = qobject_cast<ProgressBar*>(plugin->createWidget(&form));
        QVERIFY(bar && bar->DesignMode());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        bar->SetOrientation(1);
        QVERIFY(bar->setProperty("Orientation", 0));
        QVERIFY(bar->setProperty("Orientation", 1));
        QCOMPARE(bar->Orientation(), 1);

        bar->setBackColor(0x00FFFFFF);
        bar->setValue(60);
        bar->setMax(100);
        auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(&manager, bar);
        QVERIFY(sheet);
        PropertyBag store;
        bar->WriteProperties(store);
        QCOMPARE(store.Keys(), QStringList({"ForeColor", "Value", "Orientation"}));
        for (const char* name : Names)
            QVERIFY2(sheet->isChanged(sheet->indexOf(name)) == store.Find(name).has_value(), name);
        QVERIFY(sheet->isChanged(sheet->indexOf("geometry")));
    }
};

QTEST_MAIN(TestDesignerPlugin)
#include "test_designer_plugin.moc"
