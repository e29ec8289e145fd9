// The reference for the start-up benchmark: a bare Qt Quick Controls
// window with a label, started and probed exactly as the editor is.
#include "app/LWStartupProbe.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(R"(
import QtQuick 2.15
import QtQuick.Controls 2.15
ApplicationWindow {
    width: 1080; height: 680; visible: true
    title: "bare"
    Label { anchors.centerIn: parent; text: "Hello" }
})");
    if (engine.rootObjects().isEmpty())
        return 1;
    LWStartupProbe::reportFirstFrame(qobject_cast<QQuickWindow *>(engine.rootObjects().first()));
    return app.exec();
}
