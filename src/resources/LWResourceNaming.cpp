#include "LWResourceNaming.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace LWResourceNaming {

namespace {

bool isAsciiLetters(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')))
            return false;
    }
    return true;
}

bool entryExists(const QString &folder, const QString &name)
{
    const QFileInfo info(folder + QLatin1Char('/') + name);
    return info.exists() || info.isSymLink();
}

} // namespace

QString randomLetters()
{
    QString letters(8, QLatin1Char('a'));
    for (QChar &c : letters)
        c = QLatin1Char(char('a' + QRandomGenerator::global()->bounded(26)));
    return letters;
}

QString generatedName(const QString &sourceName, const QString &destinationFolder)
{
    const QString suffix = sourceName.section(QLatin1Char('.'), -1);
    QString name = randomLetters() + QLatin1Char('_') + QString::number(QDateTime::currentSecsSinceEpoch());
    if (isAsciiLetters(suffix))
        name += QLatin1Char('.') + suffix;
    return uniqueIn(name, destinationFolder);
}

QString uniqueIn(const QString &name, const QString &folder)
{
    if (!entryExists(folder, name))
        return name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    QString rest = dot < 0 ? name : name.left(dot);
    const QString suffix = dot < 0 ? QString() : name.mid(dot);
    static const QRegularExpression kNumbered(QStringLiteral("_(\\d+)$"));
    qint64 counter = 0;
    const QRegularExpressionMatch match = kNumbered.match(rest);
    if (match.hasMatch()) {
        counter = match.captured(1).toLongLong();
        rest.chop(match.capturedLength(0));
    }
    QString candidate;
    do {
        candidate = rest + QLatin1Char('_') + QString::number(++counter) + suffix;
    } while (entryExists(folder, candidate));
    return candidate;
}

QString readableName(const QString &storedName)
{
    static const QRegularExpression kGenerated(QStringLiteral("^[a-z]{8}_\\d+\\.(.+)$"));
    const QRegularExpressionMatch match = kGenerated.match(storedName);
    return match.hasMatch() ? match.captured(1) : storedName;
}

QString trimmedDisplayName(const QString &name)
{
    QString trimmed = name;
    if (trimmed.size() < 4)
        return trimmed;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('0')))
        trimmed.chop(1);
    return trimmed;
}

} // namespace LWResourceNaming
