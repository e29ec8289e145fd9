#include "LWLanguage.h"

#include "LWSettings.h"

#include <QFileInfo>
#include <QLocale>

void LWLanguage::resolve()
{
    const int stored = LWSettings::instance()->languageType();
    if (stored == 0) {
        switch (QLocale().language()) {
        case QLocale::Chinese: m_current = Chinese; break;
        case QLocale::English: m_current = English; break;
        case QLocale::Japanese: m_current = Japanese; break;
        case QLocale::Korean: m_current = Korean; break;
        default: break; // an unsupported system language keeps what we had
        }
    } else if (stored >= English && stored <= Korean) {
        m_current = stored;
    }
    if (m_first) {
        m_first = false;
        m_startup = m_current;
    }
}

int LWLanguage::currentLanguage()
{
    resolve();
    return m_current;
}

int LWLanguage::startupLanguage()
{
    resolve();
    return m_startup;
}

QString LWLanguage::translatorPath()
{
    resolve();
    switch (m_current) {
    case Chinese: return QStringLiteral(":/toChinese.qm");
    case Japanese: return QStringLiteral(":/toJapanese.qm");
    case Korean: return QStringLiteral(":/toKorean.qm");
    default: return QString();
    }
}

void LWLanguage::setLanguage(int type)
{
    LWSettings::instance()->setLanguageType(type < 5 ? type : English);
}

QString LWLanguage::localizedPath(const QString &path)
{
    resolve();
    if (m_startup == Chinese)
        return path;
    QString tag;
    switch (m_startup) {
    // A system language we have no texts for shows the interface in English
    // (no translation is installed); the profiles follow, so the inspector
    // does not speak Chinese in an English window.
    case Unresolved:
    case English: tag = QStringLiteral("_EN."); break;
    case Japanese: tag = QStringLiteral("_JP."); break;
    case Korean: tag = QStringLiteral("_KR."); break;
    default: return path;
    }
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash + 1); // keeps the "/", empty without a folder
    const QString fileName = path.mid(slash + 1);
    const int firstDot = fileName.indexOf(QLatin1Char('.'));
    const int lastDot = fileName.lastIndexOf(QLatin1Char('.'));
    if (firstDot < 0)
        return path;
    const QString variant = folder + fileName.left(firstDot) + tag + fileName.mid(lastDot + 1);
    return QFileInfo::exists(variant) ? variant : path;
}
