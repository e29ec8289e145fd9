#include "LWSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kLanguageType = QStringLiteral("languageType");
const QString kAutoCheckUpdate = QStringLiteral("autoCheckUpdate");
const QString kHelperVersion = QStringLiteral("lwhelperversion");
const QString kUserId = QStringLiteral("defaultuserId");
const QString kRemember = QStringLiteral("defaultRemeber");
// Earlier versions kept the password here in clear; it is erased on start.
const QString kOldPassword = QStringLiteral("defaultUserPassword");
const QString kSessionToken = QStringLiteral("defaultSessionToken");
const QString kLoginType = QStringLiteral("loginType");
const QString kAutoLogin = QStringLiteral("autoLogin");
} // namespace

void LWSettings::applyIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Brightfold"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("brightfold.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumeworks"));
}

LWSettings::LWSettings()
    : m_settings((applyIdentity(), QSettings::NativeFormat), QSettings::UserScope,
                 QStringLiteral("Brightfold"), QStringLiteral("Lumeworks"))
{
    if (m_settings.contains(kOldPassword)) {
        m_settings.remove(kOldPassword);
        m_settings.sync();
    }
    if (!defaultSessionToken().isEmpty())
        restrictFile();
}

void LWSettings::restrictFile()
{
    const QString path = m_settings.fileName();
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (!QFileInfo::exists(path)) {
        // Created empty and restricted, so the first write of the token
        // never lands in a file others can read; later writes keep the
        // permissions of the file they replace.
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
    }
    QFile::setPermissions(path, ownerOnly);
}

void LWSettings::store(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, value);
    m_settings.sync();
}

int LWSettings::languageType() const { return m_settings.value(kLanguageType, 0).toInt(); }
void LWSettings::setLanguageType(int type) { store(kLanguageType, type); }

bool LWSettings::autoCheckUpdate() const { return m_settings.value(kAutoCheckUpdate, true).toBool(); }
void LWSettings::setAutoCheckUpdate(bool check) { store(kAutoCheckUpdate, check); }

int LWSettings::lwhelperVersion() const { return m_settings.value(kHelperVersion, 0).toInt(); }
void LWSettings::setLwhelperVersion(int version) { store(kHelperVersion, version); }

QString LWSettings::defaultUserId() const { return m_settings.value(kUserId).toString(); }
bool LWSettings::defaultRemember() const { return m_settings.value(kRemember, false).toBool(); }
QString LWSettings::defaultSessionToken() const { return m_settings.value(kSessionToken).toString(); }
int LWSettings::loginType() const { return m_settings.value(kLoginType, 0).toInt(); }

std::optional<bool> LWSettings::autoLogin() const
{
    if (!m_settings.contains(kAutoLogin))
        return std::nullopt;
    return m_settings.value(kAutoLogin).toBool();
}

void LWSettings::setLoginRecord(const QString &userId, bool remember, int loginType, bool autoLogin,
                                const QString &sessionToken)
{
    if (!sessionToken.isEmpty())
        restrictFile();
    m_settings.setValue(kUserId, userId);
    m_settings.setValue(kRemember, remember);
    m_settings.setValue(kLoginType, loginType);
    m_settings.setValue(kAutoLogin, autoLogin);
    if (sessionToken.isEmpty())
        m_settings.remove(kSessionToken);
    else
        m_settings.setValue(kSessionToken, sessionToken);
    m_settings.sync();
    if (!sessionToken.isEmpty())
        restrictFile();
}

void LWSettings::forgetSession()
{
    m_settings.remove(kSessionToken);
    m_settings.sync();
}

void LWSettings::setAutoLogin(bool autoLogin, int loginType)
{
    m_settings.setValue(kAutoLogin, autoLogin);
    m_settings.setValue(kLoginType, loginType);
    m_settings.sync();
}
