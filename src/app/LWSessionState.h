#pragma once

#include <QKeyEvent>
#include <QObject>
#include <QString>
#include <memory>

class CustomFileDialogAdapter;
class CustomTutorialDialogAdapter;
class QQmlPropertyMap;

// The small pieces of state the windows share for the run: the phone
// address, the project handed over by the shell, the tutorial flag, the
// forced close, the key held down, the interface language, the custom
// property map and the dialog adapters. Published through the main window
// controller, whose names they keep.
class LWSessionState : public QObject
{
    Q_OBJECT

public:
    explicit LWSessionState(QObject *parent = nullptr);
    ~LWSessionState() override;

    QString mobileIP() const { return m_mobileIP; }
    void setMobileIP(const QString &ip) { m_mobileIP = ip; }
    QString operationLog() const { return m_operationLog; }
    void setOperationLog(const QString &log) { m_operationLog = log; }
    QString defaultProjPath() const { return m_defaultProjPath; }
    void setDefaultProjPath(const QString &path) { m_defaultProjPath = path; }
    // Read from and written to "tutorial" of setting.json.
    bool needShowTutorial() const { return m_needShowTutorial; }
    void setNeedShowTutorial(bool show);
    bool forceClose() const { return m_forceClose; }
    void setForceClose(bool force) { m_forceClose = force; }
    int currentLanguageType() const;
    void setCurrentLanguageType(int type);

    // Kept current by the application's notify().
    bool hasKeyPressed() const { return m_keyPressed; }
    void setKeyPressed(bool pressed) { m_keyPressed = pressed; }
    void setCurrentKeyEvent(const QKeyEvent &event);
    QKeyEvent currentKeyPressEvent() const { return *m_currentKeyEvent; }
    void resetCurrentKeyEvent();
    int currentPressKey() const { return m_currentKeyEvent->key(); }

    // Its "state" is the add menu's state, which the feature kinds read
    // while a feature is created from the menu.
    QQmlPropertyMap *customPropertyMap() const { return m_customPropertyMap; }
    CustomFileDialogAdapter *fileDialogAdapter() const { return m_fileDialog; }
    CustomTutorialDialogAdapter *tutorialDialogAdapter() const { return m_tutorialDialog; }

signals:
    void currentLanguageTypeChanged();

private:
    CustomFileDialogAdapter *m_fileDialog;         // owned (QObject child)
    CustomTutorialDialogAdapter *m_tutorialDialog; // owned (QObject child)
    QQmlPropertyMap *m_customPropertyMap;          // owned (QObject child)
    QString m_mobileIP;
    QString m_operationLog;
    QString m_defaultProjPath;
    bool m_keyPressed = false;
    bool m_needShowTutorial = true;
    bool m_forceClose = false;
    std::unique_ptr<QKeyEvent> m_currentKeyEvent;
};
