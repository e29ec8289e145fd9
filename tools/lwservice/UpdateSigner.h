#pragma once

#include <QByteArray>
#include <QString>

// The key that signs the update offers: an Ed25519 pair kept in the data
// folder and made on first start. "update-secret.key" holds the base64 of
// libsodium's 64-byte secret key (seed, then public key) and stays the
// owner's alone; "update-public.key" holds the base64 of the 32-byte public
// key, for the editor to be built with. Neither is ever printed. A secret
// key file named at start (the committed test pair) is used instead of the
// folder's own and never written.
class UpdateSigner
{
public:
    static constexpr char kSecretFile[] = "update-secret.key";
    static constexpr char kPublicFile[] = "update-public.key";
    static constexpr int kSignatureBytes = 64;

    // secretPath: a secret key file to sign with instead of the folder's;
    // empty for the folder's own pair.
    explicit UpdateSigner(const QString &dataDir, const QString &secretPath = QString());
    ~UpdateSigner();
    UpdateSigner(const UpdateSigner &) = delete;
    UpdateSigner &operator=(const UpdateSigner &) = delete;

    // Loads the pair, or makes one when there is none. A secret file that
    // does not hold a key is an error, not replaced: editors may trust its
    // public half already.
    bool prepare(QString *error);

    QByteArray sign(const QByteArray &message) const; // detached, 64 bytes
    QByteArray publicKey() const;                     // 32 bytes
    QString publicKeyPath() const;

private:
    bool writeKeyFile(const QString &name, const QByteArray &key, QString *error) const;

    QString m_dataDir;
    QString m_secretPath;
    unsigned char m_secret[64] = {};
    bool m_ready = false;
};
