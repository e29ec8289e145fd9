#include "LWWindowSwitcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QWindow>

LWWindowSwitcher::LWWindowSwitcher(QObject *parent)
    : QObject(parent)
{
}

void LWWindowSwitcher::attachEngine(QQmlApplicationEngine *engine)
{
    m_engine = engine;
}

QWindow *LWWindowSwitcher::window(const QString &objectName) const
{
    if (!m_engine)
        return nullptr;
    const auto roots = m_engine->rootObjects();
    for (QObject *root : roots) {
        if (root->objectName() == objectName)
            return qobject_cast<QWindow *>(root);
    }
    return nullptr;
}

void LWWindowSwitcher::showOnly(const QString &objectName)
{
    if (!m_engine)
        return;
    QWindow *target = window(objectName);
    if (target) {
        target->show();
        target->raise();
        target->requestActivate();
    }
    const auto roots = m_engine->rootObjects();
    for (QObject *root : roots) {
        if (auto *w = qobject_cast<QWindow *>(root); w && w != target)
            w->hide();
    }
}

void LWWindowSwitcher::setVisible(const QString &objectName, bool visible)
{
    if (QWindow *w = window(objectName))
        w->setVisible(visible);
}

void LWWindowSwitcher::restart()
{
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QCoreApplication::quit();
    QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments, QDir::currentPath());
}
