#pragma once

#include "LWQTHttpBase.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class LWDownload;

// The update check: asks the publishing service for the newest release at
// start (when the author allows it) and on request, offers it when it is
// newer than the running version, downloads the installer with progress,
// verifies its MD5 digest and its signature, and starts it. An offer is
// taken only when it is signed and names an address no one on the way can
// answer for; a refused one says why. One per process.
class LWCheckUpdateWindowModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString curVersion READ curVersion NOTIFY curVersionChanged)
    Q_PROPERTY(QString lastestVersion READ lastestVersion NOTIFY lastestVersionChanged)
    Q_PROPERTY(bool bAutoCheck READ bAutoCheck WRITE setBAutoCheck NOTIFY bAutoCheckChanged)
    Q_PROPERTY(QString strNewFeature READ strNewFeature NOTIFY strNewFeatureChanged)
    Q_PROPERTY(QString strBugFixed READ strBugFixed NOTIFY strBugFixedChanged)
    Q_PROPERTY(qlonglong i_totalData READ totalData NOTIFY i_totalDataChanged)
    Q_PROPERTY(qlonglong i_nowData READ nowData NOTIFY i_nowDataChanged)
    Q_PROPERTY(qlonglong i_downloadPercent READ downloadPercent NOTIFY i_downloadPercentChanged)
    Q_PROPERTY(bool i_showChecking READ showChecking NOTIFY i_showCheckingChanged)
    // Why the last download or installation did not go through; empty
    // while all is well.
    Q_PROPERTY(QString downloadMessage READ downloadMessage NOTIFY downloadMessageChanged)
    // Why the offered version cannot be installed; empty for an offer that
    // may be downloaded.
    Q_PROPERTY(QString offerMessage READ offerMessage NOTIFY offerMessageChanged)

public:
    using Launcher = std::function<bool(const QString &program, const QStringList &arguments)>;
    using Quitter = std::function<void()>;

    static constexpr int kCheckTimeLimitMs = 7000;
    // A digest that keeps failing means the offer itself is wrong; trying
    // for ever would download the installer in an endless loop.
    static constexpr int kMaxDownloadAttempts = 3;
    // An installer is far smaller; anything larger is no installer of ours.
    static constexpr qint64 kInstallerLimit = qint64(512) * 1024 * 1024;
    // A transfer on which nothing moves for this long is given up.
    static constexpr int kDownloadIdleLimitMs = 30000;

    // The one the interface uses; tests may make their own.
    static LWCheckUpdateWindowModel *instance();
    explicit LWCheckUpdateWindowModel(QObject *parent = nullptr);

    // Dot-separated integers compared from the left, a missing component
    // counting as 0: whether candidate is a later version than current.
    static bool isNewer(const QString &candidate, const QString &current);

    QString curVersion() const { return m_curVersion; }
    void setCurVersion(const QString &version);
    QString lastestVersion() const { return m_lastestVersion; }
    bool bAutoCheck() const;
    void setBAutoCheck(bool check);
    QString strNewFeature() const { return m_strNewFeature; }
    QString strBugFixed() const { return m_strBugFixed; }
    qlonglong totalData() const { return m_totalData; }
    qlonglong nowData() const { return m_nowData; }
    qlonglong downloadPercent() const { return m_downloadPercent; }
    bool showChecking() const { return m_showChecking; }
    QString downloadMessage() const { return m_downloadMessage; }
    QString offerMessage() const { return m_offerMessage; }

    Q_INVOKABLE void autoCheckUpdate();
    Q_INVOKABLE void updateLastestVersionByUser();
    Q_INVOKABLE void showDownloadWindow();
    Q_INVOKABLE void startDownload();
    Q_INVOKABLE void cancelDownload();
    Q_INVOKABLE void installPack();
    Q_INVOKABLE void setCancel();
    Q_INVOKABLE void showWindow(QString p_strWindowName, bool b_showOrClose);
    Q_INVOKABLE void setWindowStyle(QString p_strWindowObjName);

    // Where the download goes: "<home>/Lumeworks/<file name of the URL>.exe".
    QString downloadPath() const;
    QString installerPath() const; // "<home>/Lumeworks/Glowsmith_SetUp_<version>.exe"
    int downloadAttempts() const { return m_attempts; }
    void setDownloadIdleLimit(int ms) { m_downloadIdleLimitMs = ms; }
    // Tests start nothing and end nothing.
    static void setLauncher(Launcher launcher);
    static void setQuitter(Quitter quitter);

public slots:
    void updateDataRead(qlonglong received, qlonglong total);
    void connectTimeOut();

signals:
    void needNeedUpdate(bool p_bNeedUpdate);
    void updateBtnStatus(bool p_bEnable);
    void curVersionChanged();
    void lastestVersionChanged();
    void bAutoCheckChanged();
    void strNewFeatureChanged();
    void strBugFixedChanged();
    void i_totalDataChanged();
    void i_nowDataChanged();
    void i_downloadPercentChanged();
    void i_showCheckingChanged();
    void downloadMessageChanged();
    void offerMessageChanged();
    // The installer arrived and its digest matched.
    void downloadVerified();

private:
    void sendCheck();
    void onCheckReply(const LWHttpReply &reply);
    enum class Offer { None, Refused, Accepted };
    Offer readOffer(const QByteArray &body);
    void setShowChecking(bool checking);
    void setDownloadMessage(const QString &message);
    void setOfferMessage(const QString &message);
    void setText(QString &member, const QString &value, void (LWCheckUpdateWindowModel::*changed)());
    void resetProgress();
    void attemptDownload();
    void onDownloadFinished(bool complete, bool targetFailed);
    enum class Check { Damaged, Forged, Verified };
    Check checkInstaller() const;

    QString m_curVersion;
    QString m_lastestVersion;
    QString m_strNewFeature;
    QString m_strBugFixed;
    QString m_md5;
    QString m_downloadUrl;
    QString m_downloadMessage;
    QString m_offerMessage;
    QByteArray m_signature; // 64 bytes, over the installer's SHA-256
    qlonglong m_totalData = 0;
    qlonglong m_nowData = 0;
    qlonglong m_downloadPercent = 0;
    bool m_showChecking = false;
    bool m_cancelled = false;
    bool m_autoCheckPending = true;
    bool m_requestedByUser = false;
    bool m_verified = false;
    int m_attempts = 0;
    int m_downloadIdleLimitMs = kDownloadIdleLimitMs;
    LWQTHttpBase m_http;            // owned; the check
    QPointer<LWDownload> m_download; // owned (QObject child) while it runs
};
