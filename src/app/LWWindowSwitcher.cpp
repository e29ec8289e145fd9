#include "LWWindowSwitcher.h"

#include "LWLocalService.h"
#include "common/LWWindowsReady.h"

#include <QCoreApplication>
#include <QDir>
#include <memory>
#include <QProcess>
#include <QQuickWindow>
#include <QTimer>
#include <QUrl>
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

void LWWindowSwitcher::deferDocuments(const QStringList &documents, QQuickWindow *first)
{
    m_deferred = documents;
    LWWindowsReady::setLoader([this] { loadDeferred(); });
    if (!first) {
        loadDeferred();
        return;
    }
    auto started = std::make_shared<bool>(false);
    connect(first, &QQuickWindow::frameSwapped, this, [this, started] {
        if (*started)
            return;
        *started = true;
        QTimer::singleShot(0, this, &LWWindowSwitcher::loadNextDeferred);
    }, Qt::QueuedConnection);
}

void LWWindowSwitcher::loadNextDeferred()
{
    if (m_deferred.isEmpty() || !m_engine)
        return;
    m_engine->load(QUrl(m_deferred.takeFirst()));
    if (m_deferred.isEmpty())
        LWWindowsReady::setLoader({});
    else
        QTimer::singleShot(0, this, &LWWindowSwitcher::loadNextDeferred);
}

void LWWindowSwitcher::loadDeferred()
{
    LWWindowsReady::setLoader({});
    while (!m_deferred.isEmpty() && m_engine)
        m_engine->load(QUrl(m_deferred.takeFirst()));
}

QWindow *LWWindowSwitcher::window(const QString &objectName) const
{
    if (!m_engine)
        return nullptr;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto roots = m_engine->rootObjects();
        for (QObject *root : roots) {
            if (root->objectName() == objectName)
                return qobject_cast<QWindow *>(root);
        }
        // Not loaded yet, perhaps.
        LWWindowsReady::ensure();
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
    // The next editor must find the address free to start its own service.
    LWLocalService::instance()->stop();
    QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments, QDir::currentPath());
}
