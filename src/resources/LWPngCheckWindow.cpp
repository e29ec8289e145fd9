#include "LWPngCheckWindow.h"

#include <QDebug>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QUrl>
#include <QWindow>

namespace LWPngCheckWindow {

namespace {

QWindow *findWindow()
{
    const auto windows = QGuiApplication::allWindows();
    for (QWindow *window : windows) {
        if (window->objectName() == objectName())
            return window;
    }
    return nullptr;
}

QQmlEngine *interfaceEngine()
{
    const auto windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        if (QQmlEngine *engine = qmlEngine(window))
            return engine;
    }
    return nullptr;
}

QWindow *createWindow()
{
    QQmlEngine *engine = interfaceEngine();
    if (!engine)
        return nullptr;
    QQmlComponent component(engine, QUrl(documentUrl()));
    QObject *object = component.create();
    auto *window = qobject_cast<QWindow *>(object);
    if (!window) {
        qWarning().noquote() << "png check window:" << component.errorString();
        delete object;
        return nullptr;
    }
    // Kept for the rest of the run, like the other windows.
    QObject::connect(engine, &QObject::destroyed, window, &QObject::deleteLater);
    return window;
}

} // namespace

QString objectName()
{
    return QStringLiteral("pngCheckWindow");
}

QString documentUrl()
{
    return QStringLiteral("qrc:/LWViewCommon/LWPngCheckWindow.qml");
}

bool show(const QString &message)
{
    QWindow *window = findWindow();
    if (!window)
        window = createWindow();
    if (!window) {
        qDebug("png check window: no interface to show it in");
        return false;
    }
    window->setProperty("message", message);
    window->show();
    window->raise();
    window->requestActivate();
    return true;
}

} // namespace LWPngCheckWindow
