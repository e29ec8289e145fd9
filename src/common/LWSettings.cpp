#include "LWSettings.h"

#include <QCoreApplication>

namespace {
const QString kLanguageType = QStringLiteral("languageType");
const QString kAutoCheckUpdate = QStringLiteral("autoCheckUpdate");
const QString kHelperVersion = QStringLiteral("lwhelperversion");
const QString kUserId = QStringLiteral("defaultuserId");
const QString kRemember = QStringLiteral("defaultRemeber");
const QString kPassword = QStringLiteral("defaultUserPassword");
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
QString LWSettings::defaultUserPassword() const { return m_settings.value(kPassword).toString(); }
int LWSettings::loginType() const { return m_settings.value(kLoginType, 0).toInt(); }

std::optional<bool> LWSettings::autoLogin() const
{
    if (!m_settings.contains(kAutoLogin))
        return std::nullopt;
    return m_settings.value(kAutoLogin).toBool();
}

void LWSettings::setLoginRecord(const QString &userId, bool remember, int loginType, bool autoLogin,
                                const QString &password)
{
    m_settings.setValue(kUserId, userId);
    m_settings.setValue(kRemember, remember);
    m_settings.setValue(kLoginType, loginType);
    m_settings.setValue(kAutoLogin, autoLogin);
    m_settings.setValue(kPassword, password);
    m_settings.sync();
}

void LWSettings::setAutoLogin(bool autoLogin, int loginType)
{
    m_settings.setValue(kAutoLogin, autoLogin);
    m_settings.setValue(kLoginType, loginType);
    m_settings.sync();
}
