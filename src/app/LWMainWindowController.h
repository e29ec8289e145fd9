#pragma once

#include "common/PostEventOffice.h"

#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QQmlApplicationEngine;
class QWindow;

// The interface layer's hub, published as "mainWindowController": switches
// between the top-level windows, tracks the key held down and keeps the
// session state the windows share. Tree, inspector and scene plumbing join
// it as those subsystems arrive.
class LWMainWindowController : public QObject, public LWEditorEventListener
{
    Q_OBJECT
    Q_PROPERTY(QString defaultProjPath READ defaultProjPath WRITE setDefaultProjPath NOTIFY defaultProjPathChanged)
    Q_PROPERTY(bool needShowTutorial READ needShowTutorial WRITE setNeedShowTutorial NOTIFY needShowTutorialChanged)
    Q_PROPERTY(bool forceClose READ forceClose WRITE setForceClose NOTIFY forceCloseChanged)
    Q_PROPERTY(int currentLanguageType READ currentLanguageType WRITE setCurrentLanguageType NOTIFY currentLanguageTypeChanged)
    Q_PROPERTY(QString mobileIP READ mobileIP WRITE setMobileIP NOTIFY mobileIPChanged)
    Q_PROPERTY(QString operationLog READ operationLog WRITE setOperationLog NOTIFY operationLogChanged)

public:
    static LWMainWindowController *instance();

    // The engine whose root objects are the top-level windows. Not owned.
    void attachEngine(QQmlApplicationEngine *engine);

    QString defaultProjPath() const { return m_defaultProjPath; }
    void setDefaultProjPath(const QString &path) { m_defaultProjPath = path; }
    bool needShowTutorial() const { return m_needShowTutorial; }
    void setNeedShowTutorial(bool show);
    bool forceClose() const { return m_forceClose; }
    void setForceClose(bool force) { m_forceClose = force; }
    int currentLanguageType() const;
    void setCurrentLanguageType(int type);
    QString mobileIP() const { return m_mobileIP; }
    void setMobileIP(const QString &ip) { m_mobileIP = ip; }
    QString operationLog() const { return m_operationLog; }
    void setOperationLog(const QString &log) { m_operationLog = log; }

    // Key state kept current by the application's notify().
    void setKeyPressed(bool pressed) { m_keyPressed = pressed; }
    void setCurrentKeyEvent(const QKeyEvent &event);
    Q_INVOKABLE bool hasKeyPressed() const { return m_keyPressed; }
    QKeyEvent currentKeyPressEvent() const { return *m_currentKeyEvent; }
    Q_INVOKABLE void resetCurrentKeyEvent();
    Q_INVOKABLE int currentPressKey() const { return m_currentKeyEvent->key(); }

    Q_INVOKABLE void showMainWindow();
    Q_INVOKABLE void showHomeWindow();
    Q_INVOKABLE void showUpdateWindow(bool visible);
    Q_INVOKABLE void setWindowStyle(const QString &p_strWindowObjName);
    Q_INVOKABLE int getInspectorWidth() const;
    Q_INVOKABLE int getHomeTabWidth() const;

    void onEditorEvent(LWEditorEventType event, const LWEditorEventData *data) override;
    void onPostedEvent(LWEPEvent event, const QVariant &value) override;

signals:
    void defaultProjPathChanged();
    void needShowTutorialChanged();
    void forceCloseChanged();
    void currentLanguageTypeChanged();
    void mobileIPChanged(QString);
    void operationLogChanged();
    // A project file handed to the program that the project layer opens.
    void openProjectRequested(const QString &path);

private:
    LWMainWindowController();
    QWindow *window(const QString &objectName) const;
    void showOnly(const QString &objectName);

    QPointer<QQmlApplicationEngine> m_engine; // not owned
    QString m_defaultProjPath;
    QString m_mobileIP;
    QString m_operationLog;
    bool m_needShowTutorial = true;
    bool m_forceClose = false;
    bool m_keyPressed = false;
    std::unique_ptr<QKeyEvent> m_currentKeyEvent;
};
