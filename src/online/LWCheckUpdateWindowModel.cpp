#include "LWCheckUpdateWindowModel.h"

#include "common/LWWindowsReady.h"

#include "LWDownload.h"
#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"
#include "LWUpdateSignature.h"
#include "common/LWDataPaths.h"
#include "common/LWServiceConfig.h"
#include "common/LWSettings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QUrl>
#include <QVector>
#include <QWindow>

namespace {

const QString kCheckingWindow = QStringLiteral("checkUpdateCheckingWindow");
const QString kOfferWindow = QStringLiteral("checkUpdateWindow");
const QString kIsNewWindow = QStringLiteral("checkUpdateIsNewWindow");
const QString kDownloadWindow = QStringLiteral("checkUpdateDownloadWindow");
const QString kFinishWindow = QStringLiteral("checkUpdateFinishWindow");

LWCheckUpdateWindowModel::Launcher &launcher()
{
    static LWCheckUpdateWindowModel::Launcher current = [](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    };
    return current;
}

LWCheckUpdateWindowModel::Quitter &quitter()
{
    static LWCheckUpdateWindowModel::Quitter current = [] { QCoreApplication::quit(); };
    return current;
}

QVector<qlonglong> components(const QString &version)
{
    const QString text = version.trimmed().isEmpty() ? QStringLiteral("0.0.0") : version.trimmed();
    QVector<qlonglong> numbers;
    for (const QString &part : text.split(QLatin1Char('.')))
        numbers.append(part.toLongLong());
    return numbers;
}

// The service's texts end up in file names; only plain characters stay.
QString fileNameSafe(const QString &text)
{
    QString safe = text;
    for (QChar &c : safe) {
        const bool plain = c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('_');
        if (!plain || c.unicode() > 127)
            c = QLatin1Char('_');
    }
    return safe == QLatin1String(".") || safe == QLatin1String("..") ? QString() : safe;
}

} // namespace

LWCheckUpdateWindowModel *LWCheckUpdateWindowModel::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWCheckUpdateWindowModel *object = nullptr;
    if (!object)
        object = new LWCheckUpdateWindowModel();
    return object;
}

LWCheckUpdateWindowModel::LWCheckUpdateWindowModel(QObject *parent)
    : QObject(parent)
    , m_curVersion(QStringLiteral(LW_VERSION))
{
    m_http.setTimeLimit(kCheckTimeLimitMs);
}

void LWCheckUpdateWindowModel::setLauncher(Launcher newLauncher)
{
    launcher() = std::move(newLauncher);
}

void LWCheckUpdateWindowModel::setQuitter(Quitter newQuitter)
{
    quitter() = std::move(newQuitter);
}

bool LWCheckUpdateWindowModel::isNewer(const QString &candidate, const QString &current)
{
    const QVector<qlonglong> a = components(candidate);
    const QVector<qlonglong> b = components(current);
    for (int i = 0; i < qMax(a.size(), b.size()); ++i) {
        const qlonglong x = i < a.size() ? a.at(i) : 0;
        const qlonglong y = i < b.size() ? b.at(i) : 0;
        if (x != y)
            return x > y;
    }
    return false;
}

// --- properties ------------------------------------------------------------

void LWCheckUpdateWindowModel::setText(QString &member, const QString &value,
                                       void (LWCheckUpdateWindowModel::*changed)())
{
    if (member == value)
        return;
    member = value;
    emit(this->*changed)();
}

void LWCheckUpdateWindowModel::setCurVersion(const QString &version)
{
    setText(m_curVersion, version, &LWCheckUpdateWindowModel::curVersionChanged);
}

bool LWCheckUpdateWindowModel::bAutoCheck() const
{
    return LWSettings::instance()->autoCheckUpdate();
}

void LWCheckUpdateWindowModel::setBAutoCheck(bool check)
{
    if (check == bAutoCheck())
        return;
    LWSettings::instance()->setAutoCheckUpdate(check);
    emit bAutoCheckChanged();
}

void LWCheckUpdateWindowModel::setShowChecking(bool checking)
{
    if (m_showChecking == checking)
        return;
    m_showChecking = checking;
    emit i_showCheckingChanged();
}

void LWCheckUpdateWindowModel::setDownloadMessage(const QString &message)
{
    setText(m_downloadMessage, message, &LWCheckUpdateWindowModel::downloadMessageChanged);
}

void LWCheckUpdateWindowModel::setOfferMessage(const QString &message)
{
    setText(m_offerMessage, message, &LWCheckUpdateWindowModel::offerMessageChanged);
}

// --- checking ----------------------------------------------------------------

void LWCheckUpdateWindowModel::autoCheckUpdate()
{
    if (!bAutoCheck() || !m_autoCheckPending)
        return;
    m_autoCheckPending = false;
    // The author's own check is already on its way; it answers for both.
    if (m_showChecking)
        return;
    m_requestedByUser = false;
    m_cancelled = false;
    sendCheck();
}

void LWCheckUpdateWindowModel::updateLastestVersionByUser()
{
    m_cancelled = false;
    m_requestedByUser = true;
    showWindow(kIsNewWindow, false);
    showWindow(kCheckingWindow, true);
    setShowChecking(true);
    sendCheck();
}

void LWCheckUpdateWindowModel::sendCheck()
{
    m_http.cancelRunning();
    m_http.get(QUrl(LWServiceConfig::baseUrl(QStringLiteral("update")) + QLatin1String(LWServiceProtocol::kPathUpdate)
                    + QStringLiteral("?platform=1&type=0&source=0")),
               [this](const LWHttpReply &reply) { onCheckReply(reply); });
}

void LWCheckUpdateWindowModel::connectTimeOut()
{
    // The checking window stays and tells the author that no answer came.
    m_http.cancelRunning();
    setShowChecking(false);
}

void LWCheckUpdateWindowModel::setCancel()
{
    m_cancelled = true;
    m_http.cancelRunning();
    setShowChecking(false);
    showWindow(kCheckingWindow, false);
}

void LWCheckUpdateWindowModel::onCheckReply(const LWHttpReply &reply)
{
    if (reply.status == LWQTHttpBase::kStatusCancelled)
        return;
    if (reply.status == LWQTHttpBase::kStatusTimedOut) {
        connectTimeOut();
        return;
    }
    const Offer offer = m_cancelled || reply.status != 200 ? Offer::None : readOffer(reply.body);
    if (offer == Offer::None) {
        if (reply.status != 200)
            qDebug() << "update check answered with status" << reply.status;
        setShowChecking(false);
        return;
    }
    if (offer == Offer::Refused) {
        qWarning().noquote() << "update offer refused:" << m_offerMessage;
        // The author who asked learns why; an automatic check stays silent
        // rather than advertise what cannot be installed.
        if (m_requestedByUser) {
            showWindow(kCheckingWindow, false);
            showWindow(kOfferWindow, true);
        }
        setShowChecking(false);
        return;
    }
    const bool newer = isNewer(m_lastestVersion, m_curVersion);
    if (newer || m_requestedByUser)
        showWindow(kCheckingWindow, false);
    if (newer)
        showWindow(kOfferWindow, true);
    else if (m_requestedByUser)
        showWindow(kIsNewWindow, true);
    emit needNeedUpdate(newer);
    setShowChecking(false);
}

LWCheckUpdateWindowModel::Offer LWCheckUpdateWindowModel::readOffer(const QByteArray &body)
{
    const QJsonObject reply = QJsonDocument::fromJson(body).object();
    if (reply.value(QStringLiteral("status_code")).toInt(-1) != LWServiceProtocol::kStatusOk)
        return Offer::None;
    const QJsonObject data = reply.value(QStringLiteral("data")).toObject();
    const QString version = data.value(QStringLiteral("version")).toString();
    const QString md5 = data.value(QStringLiteral("md5")).toString();
    const QJsonArray urls = data.value(QStringLiteral("download_url")).toObject().value(QStringLiteral("url_list")).toArray();
    const QString url = urls.isEmpty() ? QString() : urls.first().toString();
    // Without a digest the installer could never be verified, so an offer
    // lacking one is treated like one lacking its version.
    if (version.isEmpty() || md5.isEmpty() || !LWOnlineAddresses::isWebAddress(QUrl(url)))
        return Offer::None;
    setText(m_lastestVersion, version, &LWCheckUpdateWindowModel::lastestVersionChanged);
    setText(m_strNewFeature, data.value(QStringLiteral("features")).toString(), &LWCheckUpdateWindowModel::strNewFeatureChanged);
    setText(m_strBugFixed, data.value(QStringLiteral("bugFix")).toString(), &LWCheckUpdateWindowModel::strBugFixedChanged);
    // Whoever answers the check must not be able to hand over a program:
    // only an installer signed with the built-in key is ever started, and
    // only an address that nobody on the way can answer for is fetched.
    const QString signatureText = data.value(QStringLiteral("signature")).toString();
    const QByteArray signature = LWUpdateSignature::decode(signatureText);
    m_md5.clear();
    m_downloadUrl.clear();
    m_signature.clear();
    if (signatureText.trimmed().isEmpty()) {
        setOfferMessage(tr("This update is not signed, so it cannot be trusted and is not offered for download."));
        return Offer::Refused;
    }
    if (signature.isEmpty()) {
        setOfferMessage(tr("This update carries a damaged signature, so it cannot be trusted and is not offered for download."));
        return Offer::Refused;
    }
    if (!LWUpdateSignature::isTrustedDownloadAddress(QUrl(url))) {
        setOfferMessage(tr("This update would be downloaded over an unprotected connection (not https), "
                           "so it is not offered for download."));
        return Offer::Refused;
    }
    setOfferMessage(QString());
    m_md5 = md5;
    m_downloadUrl = url;
    m_signature = signature;
    return Offer::Accepted;
}

// --- windows -------------------------------------------------------------------

void LWCheckUpdateWindowModel::showWindow(QString p_strWindowName, bool b_showOrClose)
{
    LWWindowsReady::ensure();
    const auto windows = QGuiApplication::allWindows();
    for (QWindow *window : windows) {
        if (window->objectName() != p_strWindowName)
            continue;
        if (!b_showOrClose) {
            window->hide();
            continue;
        }
        window->show();
        window->raise();
        window->requestActivate();
    }
}

void LWCheckUpdateWindowModel::setWindowStyle(QString)
{
}

// --- download and install ---------------------------------------------------------

QString LWCheckUpdateWindowModel::downloadPath() const
{
    QString name = fileNameSafe(QUrl(m_downloadUrl).fileName());
    if (name.isEmpty())
        name = QStringLiteral("GlowsmithSetup");
    return LWDataPaths::dataFolder() + QLatin1Char('/') + name + QStringLiteral(".exe");
}

QString LWCheckUpdateWindowModel::installerPath() const
{
    return LWDataPaths::dataFolder() + QStringLiteral("/Glowsmith_SetUp_") + fileNameSafe(m_lastestVersion)
        + QStringLiteral(".exe");
}

void LWCheckUpdateWindowModel::showDownloadWindow()
{
    showWindow(kOfferWindow, false);
    showWindow(kDownloadWindow, true);
    startDownload();
}

void LWCheckUpdateWindowModel::startDownload()
{
    if (m_downloadUrl.isEmpty())
        return;
    m_attempts = 0;
    setDownloadMessage(QString());
    attemptDownload();
}

void LWCheckUpdateWindowModel::attemptDownload()
{
    ++m_attempts;
    m_verified = false;
    resetProgress();
    emit updateBtnStatus(false);
    if (m_download)
        m_download->cancel();
    LWDownload::Request request;
    request.url = QUrl(m_downloadUrl);
    request.targetPath = downloadPath();
    request.maxBytes = kInstallerLimit;
    request.idleLimitMs = m_downloadIdleLimitMs;
    request.progress = [this](qint64 received, qint64 total) { updateDataRead(received, total); };
    m_download = LWDownload::start(request, this, [this](const LWDownload::Result &result) {
        onDownloadFinished(result.ok, result.targetFailed);
    });
}

void LWCheckUpdateWindowModel::cancelDownload()
{
    if (m_download)
        m_download->cancel();
    resetProgress();
    setDownloadMessage(QString());
    showWindow(kDownloadWindow, false);
    emit updateBtnStatus(true);
}

void LWCheckUpdateWindowModel::resetProgress()
{
    updateDataRead(0, 0);
}

void LWCheckUpdateWindowModel::updateDataRead(qlonglong received, qlonglong total)
{
    const qlonglong totalUnits = total > 0 ? total / 10000 : 0;
    const qlonglong nowUnits = received / 10000;
    // From the bytes: an installer under 10000 bytes has 0 units in all.
    const qlonglong percent = total > 0 ? qBound(0LL, received * 100 / total, 100LL) : 0;
    if (m_totalData != totalUnits) {
        m_totalData = totalUnits;
        emit i_totalDataChanged();
    }
    if (m_nowData != nowUnits) {
        m_nowData = nowUnits;
        emit i_nowDataChanged();
    }
    if (m_downloadPercent != percent) {
        m_downloadPercent = percent;
        emit i_downloadPercentChanged();
    }
}

LWCheckUpdateWindowModel::Check LWCheckUpdateWindowModel::checkInstaller() const
{
    QFile file(downloadPath());
    if (!file.open(QIODevice::ReadOnly))
        return Check::Damaged;
    QCryptographicHash md5(QCryptographicHash::Md5);
    QCryptographicHash sha256(QCryptographicHash::Sha256);
    while (!file.atEnd()) {
        const QByteArray block = file.read(1 << 20);
        if (block.isEmpty())
            return Check::Damaged;
        md5.addData(block);
        sha256.addData(block);
    }
    // The MD5 digest tells a damaged transfer, worth another attempt; a
    // whole file whose signature fails was never ours.
    if (QString::fromLatin1(md5.result().toHex()).compare(m_md5, Qt::CaseInsensitive) != 0)
        return Check::Damaged;
    return LWUpdateSignature::verifies(sha256.result(), m_signature) ? Check::Verified : Check::Forged;
}

void LWCheckUpdateWindowModel::onDownloadFinished(bool complete, bool targetFailed)
{
    if (targetFailed) {
        setDownloadMessage(tr("The installer cannot be saved in the Lumeworks folder."));
        emit updateBtnStatus(true);
        return;
    }
    // Only a verified installer is offered for installation.
    const Check check = complete ? checkInstaller() : Check::Damaged;
    if (check == Check::Forged) {
        QFile::remove(downloadPath());
        qWarning() << "installer signature does not verify; removed";
        setDownloadMessage(tr("The downloaded installer's signature does not match this editor's key, "
                              "so it was deleted and will not be started."));
        emit updateBtnStatus(true);
        return;
    }
    if (check == Check::Verified) {
        m_verified = true;
        const qlonglong size = QFileInfo(downloadPath()).size();
        updateDataRead(size, size);
        showWindow(kDownloadWindow, false);
        showWindow(kFinishWindow, true);
        emit updateBtnStatus(true);
        emit downloadVerified();
        return;
    }
    QFile::remove(downloadPath());
    if (m_attempts >= kMaxDownloadAttempts) {
        qWarning() << "installer failed its check" << m_attempts << "times; giving up";
        setDownloadMessage(tr("The download could not be completed. Please try again later."));
        emit updateBtnStatus(true);
        return;
    }
    qDebug() << "installer incomplete or its digest differs; downloading again";
    showWindow(kDownloadWindow, true);
    attemptDownload();
}

void LWCheckUpdateWindowModel::installPack()
{
    const QString target = installerPath();
    if (!m_verified) {
        setDownloadMessage(tr("There is no verified installer to start."));
        return;
    }
    // A second attempt after a failed start finds the installer renamed.
    if (QFile::exists(downloadPath())) {
        QFile::remove(target);
        if (!QFile::rename(downloadPath(), target)) {
            setDownloadMessage(tr("The installer cannot be prepared."));
            return;
        }
    } else if (!QFile::exists(target)) {
        m_verified = false;
        setDownloadMessage(tr("There is no verified installer to start."));
        return;
    }
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    QString applicationFolder = QCoreApplication::applicationDirPath();
    applicationFolder.replace(QLatin1Char('/'), QLatin1Char('\\'));
    // Ending the editor without a running installer would leave the author
    // with neither.
    if (!launcher()(target, {QStringLiteral("-update"), applicationFolder, target})) {
        qWarning().noquote() << "installer could not be started:" << target;
        setDownloadMessage(tr("The installer could not be started."));
        return;
    }
    quitter()();
}
