#include "LWServiceProtocol.h"

#include <QCryptographicHash>
#include <QTextCodec>

namespace LWServiceProtocol {

namespace {

bool isHex(const QString &text)
{
    for (const QChar c : text) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const bool lower = c >= QLatin1Char('a') && c <= QLatin1Char('f');
        const bool upper = c >= QLatin1Char('A') && c <= QLatin1Char('F');
        if (!digit && !lower && !upper)
            return false;
    }
    return true;
}

QString md5Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

} // namespace

QString notSignedInMessage()
{
    return QString::fromUtf8("未登录");
}

QString deviceIdFromHardwareAddress(const QString &hardwareAddress)
{
    if (hardwareAddress.isEmpty())
        return QString();
    return md5Hex(hardwareAddress.toLower().toUtf8()).toUpper();
}

bool isValidDeviceId(const QString &deviceId)
{
    return deviceId.size() <= 64 && isHex(deviceId);
}

QString maskText(const QString &clear)
{
    QByteArray bytes = clear.toUtf8();
    for (char &b : bytes)
        b = char(static_cast<unsigned char>(b) ^ kMask);
    return QString::fromLatin1(bytes.toHex());
}

bool unmaskText(const QString &masked, QString *clear)
{
    if (masked.size() % 2 != 0 || !isHex(masked))
        return false;
    QByteArray bytes = QByteArray::fromHex(masked.toLatin1());
    for (char &b : bytes)
        b = char(static_cast<unsigned char>(b) ^ kMask);
    // Refuse bytes that are not UTF-8 rather than passing on replacement
    // characters that would then never match a stored password.
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        return false;
    if (clear)
        *clear = text;
    return true;
}

QString makeRandom(int value)
{
    return maskText(QString::number(value));
}

int randomValue(const QString &random)
{
    QString clear;
    if (!unmaskText(random, &clear))
        return 0;
    bool ok = false;
    const int value = clear.toInt(&ok);
    return ok && value >= 1 && value <= 100 ? value : 0;
}

QString makeToken(qint64 msecsSinceEpoch, const QString &deviceId)
{
    const QString stamp = QString::number(msecsSinceEpoch);
    return stamp + QLatin1Char('.') + md5Hex(QString(stamp + QLatin1Char('.') + deviceId.toUpper()).toUtf8());
}

bool tokenMatchesDevice(const QString &token, const QString &deviceId)
{
    const int dot = token.indexOf(QLatin1Char('.'));
    if (dot <= 0)
        return false;
    bool ok = false;
    const qint64 stamp = token.left(dot).toLongLong(&ok);
    if (!ok || stamp <= 0)
        return false;
    return token.compare(makeToken(stamp, deviceId), Qt::CaseInsensitive) == 0;
}

QString accessToken(const QString &token, const QString &deviceId)
{
    const QString text = QString(token + QLatin1Char(':') + deviceId.toUpper() + QStringLiteral(":glowsmith-access"));
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
}

bool accessTokenMatches(const QString &reply, const QString &token, const QString &deviceId)
{
    return !reply.isEmpty() && reply.compare(accessToken(token, deviceId), Qt::CaseInsensitive) == 0;
}

} // namespace LWServiceProtocol
