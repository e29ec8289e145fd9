#include "LWUpdateSignature.h"

#include <QHostAddress>

#include <sodium.h>

static_assert(crypto_sign_PUBLICKEYBYTES == 32 && crypto_sign_BYTES == 64, "Ed25519 sizes");

namespace LWUpdateSignature {

QByteArray builtInPublicKey()
{
    static const QByteArray key = QByteArray::fromBase64(QByteArrayLiteral(LW_UPDATE_PUBLIC_KEY));
    return key;
}

bool verifies(const QByteArray &sha256, const QByteArray &signature)
{
    return verifies(sha256, signature, builtInPublicKey());
}

bool verifies(const QByteArray &sha256, const QByteArray &signature, const QByteArray &publicKey)
{
    if (sha256.size() != 32 || signature.size() != crypto_sign_BYTES || publicKey.size() != crypto_sign_PUBLICKEYBYTES)
        return false;
    // Safe to call more than once, and from any thread.
    if (sodium_init() < 0)
        return false;
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(signature.constData()),
                                       reinterpret_cast<const unsigned char *>(sha256.constData()),
                                       static_cast<unsigned long long>(sha256.size()),
                                       reinterpret_cast<const unsigned char *>(publicKey.constData()))
        == 0;
}

QByteArray decode(const QString &base64)
{
    const auto decoded = QByteArray::fromBase64Encoding(base64.trimmed().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != crypto_sign_BYTES)
        return QByteArray();
    return decoded.decoded;
}

bool isTrustedDownloadAddress(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    if (url.scheme() != QLatin1String("http"))
        return false;
    if (url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(url.host());
    return !address.isNull() && address.isLoopback();
}

} // namespace LWUpdateSignature
