#pragma once

// Drives the editor's windows from a test the way an author would: keys
// and clicks go to the window, items are found by their object names or by
// the text they show.
#include "app/LWAppHost.h"
#include "app/LWMainWindowController.h"
#include "common/LWLanguage.h"
#include "common/LWResources.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTranslator>
#include <QtTest>

namespace LWEditorDriver {

// The editor's windows loaded from their documents with every service behind
// them, as the program starts them; the tutorial prompt stays away.
inline QQmlApplicationEngine *loadEditor(QObject *parent)
{
    LWAppHost::registerTypes();
    auto *engine = new QQmlApplicationEngine(parent);
    LWAppHost::publishServices(*engine);
    for (const QString &document : LWAppHost::windowDocuments())
        engine->load(QUrl(document));
    LWMainWindowController::instance()->attachEngine(engine);
    LWMainWindowController::instance()->setNeedShowTutorial(false);
    return engine;
}

inline QQuickWindow *window(QQmlApplicationEngine &engine, const QString &objectName)
{
    for (QObject *root : engine.rootObjects()) {
        if (root->objectName() == objectName)
            return qobject_cast<QQuickWindow *>(root);
    }
    return nullptr;
}

inline bool showing(QQuickWindow *w)
{
    return w && w->isVisible();
}

// The first visible item under `root` whose "text" is `text`, depth first;
// popups live in the window's overlay, which is under the content item too.
inline QQuickItem *itemWithText(QQuickItem *root, const QString &text)
{
    if (!root || !root->isVisible())
        return nullptr;
    if (root->property("text").toString() == text)
        return root;
    for (QQuickItem *child : root->childItems()) {
        if (QQuickItem *found = itemWithText(child, text))
            return found;
    }
    return nullptr;
}

inline bool click(QQuickWindow *w, QQuickItem *item)
{
    if (!w || !item)
        return false;
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}

inline bool clickText(QQuickWindow *w, const QString &text)
{
    return click(w, itemWithText(w ? w->contentItem() : nullptr, text));
}

inline bool activate(QQuickWindow *w)
{
    if (!w)
        return false;
    w->requestActivate();
    return QTest::qWaitForWindowActive(w, 5000);
}

inline QVariant call(QObject *target, const char *function, const QVariant &argument = QVariant())
{
    QVariant result;
    if (argument.isValid())
        QMetaObject::invokeMethod(target, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, argument));
    else
        QMetaObject::invokeMethod(target, function, Q_RETURN_ARG(QVariant, result));
    return result;
}

inline bool opened(QObject *popupOrDialog)
{
    return popupOrDialog && (popupOrDialog->property("opened").toBool() || popupOrDialog->property("visible").toBool());
}

// Screenshots in a chosen language: LW_SHOT_LANG=1 English, 2 Chinese,
// 3 Japanese, 4 Korean. Called before anything resolves the language; the
// translator must outlive the test.
inline void useShotLanguage(QCoreApplication &app, QTranslator &translator)
{
    if (!qEnvironmentVariableIsSet("LW_SHOT_LANG"))
        return;
    lwInitResources();
    LWLanguage::instance()->setLanguage(qEnvironmentVariableIntValue("LW_SHOT_LANG"));
    if (translator.load(LWLanguage::instance()->translatorPath()))
        app.installTranslator(&translator);
}

} // namespace LWEditorDriver
