#include "UpdateSigner.h"

#include <QFile>
#include <QSaveFile>

#include <sodium.h>

static_assert(crypto_sign_SECRETKEYBYTES == 64 && crypto_sign_PUBLICKEYBYTES == 32 && crypto_sign_BYTES == 64,
              "Ed25519 sizes as documented");

UpdateSigner::UpdateSigner(const QString &dataDir, const QString &secretPath)
    : m_dataDir(dataDir)
    , m_secretPath(secretPath)
{
}

UpdateSigner::~UpdateSigner()
{
    sodium_memzero(m_secret, sizeof(m_secret));
}

QString UpdateSigner::publicKeyPath() const
{
    return m_dataDir + QLatin1Char('/') + QLatin1String(kPublicFile);
}

bool UpdateSigner::writeKeyFile(const QString &name, const QByteArray &key, QString *error) const
{
    const QString path = m_dataDir + QLatin1Char('/') + name;
    QByteArray text = key.toBase64() + '\n';
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit()
        && QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    sodium_memzero(text.data(), size_t(text.size()));
    if (!ok)
        *error = QStringLiteral("cannot write %1").arg(path);
    return ok;
}

bool UpdateSigner::prepare(QString *error)
{
    if (sodium_init() < 0) {
        *error = QStringLiteral("libsodium cannot be initialised");
        return false;
    }
    const bool given = !m_secretPath.isEmpty();
    const QString secretPath = given ? m_secretPath : m_dataDir + QLatin1Char('/') + QLatin1String(kSecretFile);
    QFile secretFile(secretPath);
    if (given && !secretFile.exists()) {
        *error = QStringLiteral("%1 does not exist").arg(secretPath);
        return false;
    }
    if (secretFile.exists()) {
        if (!secretFile.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1").arg(secretPath);
            return false;
        }
        QByteArray text = secretFile.readAll();
        auto decoded = QByteArray::fromBase64Encoding(text.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
        unsigned char derived[crypto_sign_PUBLICKEYBYTES];
        const bool isKey = decoded && decoded.decoded.size() == int(sizeof(m_secret));
        if (isKey)
            memcpy(m_secret, decoded.decoded.constData(), sizeof(m_secret));
        sodium_memzero(text.data(), size_t(text.size()));
        if (decoded.decoded.size() > 0)
            sodium_memzero(decoded.decoded.data(), size_t(decoded.decoded.size()));
        // The secret key carries its public half; a file that does not
        // agree with itself was damaged.
        if (!isKey || crypto_sign_ed25519_sk_to_pk(derived, m_secret) != 0
            || sodium_memcmp(derived, m_secret + crypto_sign_SEEDBYTES, sizeof(derived)) != 0) {
            sodium_memzero(m_secret, sizeof(m_secret));
            *error = QStringLiteral("%1 does not hold an Ed25519 secret key; move it away to make a new pair").arg(secretPath);
            return false;
        }
    } else {
        unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
        crypto_sign_keypair(publicKey, m_secret);
        QByteArray secret(reinterpret_cast<const char *>(m_secret), int(sizeof(m_secret)));
        const bool written = writeKeyFile(QLatin1String(kSecretFile), secret, error);
        sodium_memzero(secret.data(), size_t(secret.size()));
        if (!written)
            return false;
    }
    m_ready = true;
    // The public file always says what the secret one holds.
    const QByteArray expected = publicKey().toBase64() + '\n';
    QFile publicFile(publicKeyPath());
    if (publicFile.open(QIODevice::ReadOnly) && publicFile.readAll() == expected)
        return true;
    publicFile.close();
    return writeKeyFile(QLatin1String(kPublicFile), publicKey(), error);
}

QByteArray UpdateSigner::publicKey() const
{
    return QByteArray(reinterpret_cast<const char *>(m_secret) + crypto_sign_SEEDBYTES, crypto_sign_PUBLICKEYBYTES);
}

QByteArray UpdateSigner::sign(const QByteArray &message) const
{
    if (!m_ready)
        return QByteArray();
    QByteArray signature(kSignatureBytes, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char *>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char *>(message.constData()), static_cast<unsigned long long>(message.size()),
                         m_secret);
    return signature;
}
