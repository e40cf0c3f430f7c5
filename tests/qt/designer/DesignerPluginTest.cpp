#include "qt/QtTestSupport.h"

#include <QFile>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <gtest/gtest.h>

#include <map>

namespace {

// What a widget's domXml gives Designer: the class of the widget it places
// and the header of each custom widget.
std::map<QString, QString> classesAndHeaders(const QString& domXml, QString& placed)
{
    std::map<QString, QString> headers;
    QXmlStreamReader xml(domXml);
    QString currentClass;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"widget" && placed.isEmpty())
            placed = xml.attributes().value(QStringLiteral("class")).toString();
        else if (xml.name() == u"class")
            currentClass = xml.readElementText();
        else if (xml.name() == u"header")
            headers[currentClass] = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return headers;
}

// Designer loads the plugin, lists its widgets in their group and places each
// by its description: the widget created is of the class named, and its header
// is one that the library's users have.
TEST(DesignerPluginTest, EveryWidgetOfferedIsCreatedAsDescribed)
{
    QPluginLoader loader(QStringLiteral(NORVO_DESIGNER_PLUGIN));
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    ASSERT_NE(collection, nullptr);
    const QList<QDesignerCustomWidgetInterface*> offered = collection->customWidgets();
    ASSERT_FALSE(offered.isEmpty());
    for (QDesignerCustomWidgetInterface* plugin : offered) {
        const QString name = plugin->name();
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(plugin->group(), u"NorvoUITOKA");
        EXPECT_FALSE(plugin->icon().isNull());
        EXPECT_FALSE(plugin->toolTip().isEmpty());
        EXPECT_TRUE(QFile::exists(QStringLiteral(NORVO_INCLUDE_DIR "/") + plugin->includeFile()));
        QString placed;
        const auto headers = classesAndHeaders(plugin->domXml(), placed);
        EXPECT_EQ(placed, name);
        ASSERT_EQ(headers.count(name), 1U);
        EXPECT_EQ(headers.at(name), plugin->includeFile());

        QWidget form;
        QWidget* widget = plugin->createWidget(&form);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(QString::fromLatin1(widget->metaObject()->className()), name);
        EXPECT_EQ(widget->parentWidget(), &form);
        EXPECT_FALSE(widget->sizeHint().isEmpty());
        // Designer's property editor writes back what it reads.
        const QMetaObject* meta = widget->metaObject();
        for (int k = QWidget::staticMetaObject.propertyCount(); k < meta->propertyCount(); ++k) {
            const QMetaProperty property = meta->property(k);
            EXPECT_TRUE(property.isDesignable() && property.write(widget, property.read(widget))) << property.name();
        }
    }
}

} // namespace
