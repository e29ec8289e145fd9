#include "LWGuiApplication.h"

#include "LWMainWindowController.h"

#include <QFileOpenEvent>
#include <QKeyEvent>

LWGuiApplication::LWGuiApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool LWGuiApplication::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::FileOpen:
        LWMainWindowController::instance()->setDefaultProjPath(static_cast<QFileOpenEvent *>(e)->file());
        break;
    case QEvent::Close:
        LWMainWindowController::instance()->setForceClose(true);
        break;
    default:
        break;
    }
    return QApplication::event(e);
}

bool LWGuiApplication::notify(QObject *receiver, QEvent *e)
{
    // Key events reach several receivers on their way (window, item, parent
    // items); recording each delivery is harmless since they all carry the
    // same key.
    if (e->type() == QEvent::KeyPress) {
        auto *controller = LWMainWindowController::instance();
        controller->setKeyPressed(true);
        controller->setCurrentKeyEvent(*static_cast<QKeyEvent *>(e));
    } else if (e->type() == QEvent::KeyRelease) {
        auto *controller = LWMainWindowController::instance();
        controller->setKeyPressed(false);
        controller->resetCurrentKeyEvent();
    }
    return QApplication::notify(receiver, e);
}
