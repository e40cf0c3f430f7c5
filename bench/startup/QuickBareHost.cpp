// A bare Qt Quick host of the voice panel's size for StartupBench: a
// QQuickWindow holding 20 Rectangle items, each with a Text, in 535x21, made
// from QML. It reports its first frame (FirstFrameReport) and quits.
#include "FirstFrameReport.h"
#include "QuickFrameWatch.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>

#include <cstdio>
#include <memory>

namespace {

constexpr const char* Strip = R"(
import QtQuick
Row {
    width: 535
    height: 21
    Repeater {
        model: 20
        Rectangle {
            width: 535 / 20
            height: 21
            color: "black"
            border.color: "grey"
            Text {
                anchors.fill: parent
                anchors.margins: 1
                text: index % 2 == 0 ? "122.800" : "EDDF"
                color: "white"
                font.pixelSize: 11
            }
        }
    }
}
)";

} // namespace

int main(int argc, char** argv)
{
    const std::int64_t entered = FirstFrameReport::now();
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    FirstFrameReport report;
    report.mark("main", entered);
    report.mark("app");

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(Strip, QUrl());
    const std::unique_ptr<QObject> made(component.create());
    auto* strip = qobject_cast<QQuickItem*>(made.get());
    if (!strip) {
        std::fprintf(stderr, "startup-quick-bare-host: %s\n", qPrintable(component.errorString()));
        return 1;
    }
    QQuickWindow window;
    strip->setParentItem(window.contentItem());
    window.resize(535, 21);
    report.mark("built");

    QuickFrameWatch::watch(report, window);
    window.show();
    const int status = app.exec();
    strip->setParentItem(nullptr);
    return status;
}
