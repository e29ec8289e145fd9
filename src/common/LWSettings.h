#pragma once

#include "Singleton.h"

#include <QSettings>
#include <QString>
#include <optional>

// The per-user settings store: a handful of persistent values. Every setter
// writes through and synchronises at once, so a crash never loses a choice
// the author made.
class LWSettings : public Singleton<LWSettings>
{
    friend class Singleton<LWSettings>;

public:
    // Sets the organisation and application names the store is keyed on.
    // Called before the first instance() and by the application at start.
    static void applyIdentity();

    int languageType() const;
    void setLanguageType(int type);

    bool autoCheckUpdate() const;
    void setAutoCheckUpdate(bool check);

    int lwhelperVersion() const;
    void setLwhelperVersion(int version);

    QString defaultUserId() const;
    bool defaultRemember() const;
    // The session the account service opened at the last remembered
    // sign-in ("Remember me"): it signs in again without the password,
    // which is never kept.
    QString defaultSessionToken() const;
    int loginType() const;
    std::optional<bool> autoLogin() const;

    // sessionToken: empty unless the author asked to be remembered.
    void setLoginRecord(const QString &userId, bool remember, int loginType, bool autoLogin,
                        const QString &sessionToken);
    void forgetSession();
    void setAutoLogin(bool autoLogin, int loginType);

private:
    LWSettings();
    void store(const QString &key, const QVariant &value);
    // The file is its owner's alone before a session token goes into it.
    void restrictFile();

    mutable QSettings m_settings;
};
