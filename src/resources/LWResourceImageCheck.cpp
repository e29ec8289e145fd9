#include "LWResourceImageCheck.h"

#include "common/LWEffectCommon.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSize>

namespace LWResourceImageCheck {

namespace {

constexpr int kBitDepthOffset = 24; // signature (8), IHDR length and tag (8), width, height

// A namespace has no tr(); the context is spelled out so that lupdate files
// these texts under it.
QString translated(const char *text)
{
    return QCoreApplication::translate("LWResourceImageCheck", text);
}

struct SizeRule
{
    bool (*fits)(const QSize &size);
    const char *error;
};

const SizeRule *ruleFor(int constraint)
{
    using C = LWEffectCommon;
    static const SizeRule rules[] = {
        {[](const QSize &s) { return s.width() == 1200 && s.height() == 1200; },
         QT_TRANSLATE_NOOP("LWResourceImageCheck", "Size should be 1200 x 1200")},
        {[](const QSize &s) { return s.width() == 1280 && s.height() == 1280; },
         QT_TRANSLATE_NOOP("LWResourceImageCheck", "Size should be 1280 x 1280")},
        {[](const QSize &s) { return s.width() <= 540 && s.height() <= 960; },
         QT_TRANSLATE_NOOP("LWResourceImageCheck", "Size should under 540 x 960")},
        {[](const QSize &s) { return qint64(s.width()) * s.height() <= 1000000; },
         QT_TRANSLATE_NOOP("LWResourceImageCheck", "Size should under 1000 x 1000")},
        {[](const QSize &s) { return s.width() == 174 && s.height() == 89; },
         QT_TRANSLATE_NOOP("LWResourceImageCheck", "Size should be 174 x 89")},
        {[](const QSize &s) { return s.width() == 512 && s.height() == 512; },
         QT_TRANSLATE_NOOP("LWResourceImageCheck", "Size should be 512 x 512")},
        {[](const QSize &s) { return s.width() == 150 && s.height() == 150; },
         QT_TRANSLATE_NOOP("LWResourceImageCheck", "Size should be 150 x 150")},
    };
    if (constraint < C::LWConstraintTypeFaceSize1200 || constraint > C::LWConstrainTypeTextureSizeFix150x150)
        return nullptr;
    return &rules[constraint - C::LWConstraintTypeFaceSize1200];
}

} // namespace

bool passesEightBitCheck(const QString &filePath)
{
    if (QFileInfo(filePath).suffix() != QLatin1String("png"))
        return true;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray header = file.read(kBitDepthOffset + 1);
    // Byte 24 is the bit depth only in PNG data; a file that merely carries
    // the name is judged by what it is.
    static const QByteArray kSignature("\x89PNG\r\n\x1a\n", 8);
    if (header.size() <= kBitDepthOffset || !header.startsWith(kSignature))
        return true;
    const int depth = quint8(header.at(kBitDepthOffset));
    return depth != 16 && depth != 32;
}

bool checkTextureConstraint(const QString &imagePath, int constraint, QString *error)
{
    if (error)
        error->clear();
    if (imagePath.isEmpty())
        return false;
    if (constraint == LWEffectCommon::LWConstraintTypeNone)
        return true;
    const SizeRule *rule = ruleFor(constraint);
    if (!rule || !QFileInfo::exists(imagePath))
        return false;
    const QSize size = QImageReader(imagePath).size();
    const bool bounded = constraint == LWEffectCommon::LWConstrainTypeTextureSize540x960
                         || constraint == LWEffectCommon::LWConstrainTypeTextureSizeMul1000x1000;
    if (bounded && size.width() < 1 && size.height() < 1) {
        if (error)
            *error = QCoreApplication::translate("LWResourceImageCheck", "Invalid resources");
        return false;
    }
    if (rule->fits(size))
        return true;
    if (error)
        *error = translated(rule->error);
    return false;
}

} // namespace LWResourceImageCheck
