#include "TokaWidgetPlugin.h"

#include <NorvoUITOKA/qt/widgets/TokaWidget.h>

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace norvo::qt {

QString TokaWidgetPlugin::name() const { return QStringLiteral("norvo::qt::TokaWidget"); }

QString TokaWidgetPlugin::group() const { return QStringLiteral("NorvoUITOKA"); }

QString TokaWidgetPlugin::toolTip() const { return QStringLiteral("Voice panel: two radios and a free channel"); }

QString TokaWidgetPlugin::whatsThis() const
{
    return QStringLiteral("The compact voice panel of a flight-simulation network client: the rooms of radio COMM1, "
                          "radio COMM2 and a free channel, their state, activity and speaker routing. It shows the "
                          "panel unbound until the host gives it a voice client (setVoiceClient) and a dock frame "
                          "(setDockFrame); the panel decides its own size.");
}

QString TokaWidgetPlugin::includeFile() const { return QStringLiteral("NorvoUITOKA/qt/widgets/TokaWidget.h"); }

// The panel in miniature: a dark strip with its three rooms.
QIcon TokaWidgetPlugin::icon() const
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 44, 52));
    painter.drawRoundedRect(QRectF(1, 8, 30, 16), 4, 4);
    const QColor rooms[] = {QColor(90, 200, 90), QColor(90, 200, 90), QColor(230, 180, 60)};
    for (int k = 0; k < 3; ++k) {
        painter.setBrush(rooms[k]);
        painter.drawRect(QRectF(4 + k * 9, 13, 6, 6));
    }
    return QIcon(pixmap);
}

bool TokaWidgetPlugin::isContainer() const { return false; }

QWidget* TokaWidgetPlugin::createWidget(QWidget* parent) { return new TokaWidget(parent); }

QString TokaWidgetPlugin::domXml() const
{
    return QStringLiteral(R"(<ui language="c++" displayname="Voice Panel">
 <widget class="norvo::qt::TokaWidget" name="tokaWidget"/>
 <customwidgets>
  <customwidget>
   <class>norvo::qt::TokaWidget</class>
   <extends>QWidget</extends>
   <header location="global">NorvoUITOKA/qt/widgets/TokaWidget.h</header>
  </customwidget>
 </customwidgets>
</ui>
)");
}

} // namespace norvo::qt
