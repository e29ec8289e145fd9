#include "LWMainWindowController.h"

#include "common/LWLanguage.h"
#include "common/LWSettingFlags.h"

#include <QCoreApplication>
#include <QMutex>
#include <QQmlApplicationEngine>
#include <QWindow>

namespace {
QKeyEvent blankKeyEvent()
{
    return QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString());
}
} // namespace

LWMainWindowController *LWMainWindowController::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWMainWindowController *controller = nullptr;
    if (!controller)
        controller = new LWMainWindowController;
    return controller;
}

LWMainWindowController::LWMainWindowController()
    : QObject(QCoreApplication::instance())
    , m_currentKeyEvent(std::make_unique<QKeyEvent>(blankKeyEvent()))
{
    m_needShowTutorial = LWSettingFlags::read(QStringLiteral("tutorial")).value_or(true);
}

void LWMainWindowController::attachEngine(QQmlApplicationEngine *engine)
{
    m_engine = engine;
}

void LWMainWindowController::setNeedShowTutorial(bool show)
{
    m_needShowTutorial = show;
    LWSettingFlags::write(QStringLiteral("tutorial"), show);
}

int LWMainWindowController::currentLanguageType() const
{
    return LWLanguage::instance()->currentLanguage();
}

void LWMainWindowController::setCurrentLanguageType(int type)
{
    LWLanguage::instance()->setLanguage(type);
}

void LWMainWindowController::setCurrentKeyEvent(const QKeyEvent &event)
{
    m_currentKeyEvent = std::make_unique<QKeyEvent>(event.type(), event.key(), event.modifiers(), event.text(),
                                                    event.isAutoRepeat(), ushort(event.count()));
}

void LWMainWindowController::resetCurrentKeyEvent()
{
    m_currentKeyEvent = std::make_unique<QKeyEvent>(blankKeyEvent());
}

QWindow *LWMainWindowController::window(const QString &objectName) const
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

void LWMainWindowController::showOnly(const QString &objectName)
{
    if (!m_engine)
        return;
    QWindow *target = window(objectName);
    const auto roots = m_engine->rootObjects();
    // Show first, then hide the others: hiding the last visible window first
    // would end the program.
    if (target) {
        target->show();
        target->raise();
        target->requestActivate();
    }
    for (QObject *root : roots) {
        if (auto *w = qobject_cast<QWindow *>(root); w && w != target)
            w->hide();
    }
}

void LWMainWindowController::showMainWindow()
{
    showOnly(QStringLiteral("mainStudioObj"));
}

void LWMainWindowController::showHomeWindow()
{
    if (!m_defaultProjPath.isEmpty()) {
        const QString path = m_defaultProjPath;
        showMainWindow();
        m_defaultProjPath.clear();
        emit openProjectRequested(path);
        return;
    }
    showOnly(QStringLiteral("homeWinObj"));
}

void LWMainWindowController::showUpdateWindow(bool visible)
{
    if (QWindow *w = window(QStringLiteral("checkUpdateWindow")))
        w->setVisible(visible);
}

void LWMainWindowController::setWindowStyle(const QString &)
{
    // Window decoration styles only exist on the original desktop platform.
}

int LWMainWindowController::getInspectorWidth() const
{
    switch (LWLanguage::instance()->currentLanguage()) {
    case LWLanguage::English: return 340;
    case LWLanguage::Japanese: return 380;
    default: return 320;
    }
}

int LWMainWindowController::getHomeTabWidth() const
{
    switch (LWLanguage::instance()->currentLanguage()) {
    case LWLanguage::English: return 140;
    case LWLanguage::Japanese: return 180;
    default: return 120;
    }
}

void LWMainWindowController::onEditorEvent(LWEditorEventType, const LWEditorEventData *)
{
    // The tree models that these events update arrive with the navigation
    // subsystem.
}

void LWMainWindowController::onPostedEvent(LWEPEvent, const QVariant &)
{
}
