#include "LWTemplateCatalogue.h"

#include "common/LWResources.h"

#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QUrl>

namespace {

const char *const kContext = "LWTemplateCatalogue";

struct Template
{
    const char *group;
    const char *title;
    const char *name;       // archive and picture under ":/LWHome/templates/"
    const char *usageEvent;
};

// In menu order; the groups are those of the main menu.
const Template kTemplates[] = {
    {QT_TRANSLATE_NOOP("LWTemplateCatalogue", "2D Sticker"), QT_TRANSLATE_NOOP("LWTemplateCatalogue", "White Cat"),
     "temp2DSticker1", "gsTemplateWhiteCat"},
    {QT_TRANSLATE_NOOP("LWTemplateCatalogue", "2D Sticker"), QT_TRANSLATE_NOOP("LWTemplateCatalogue", "FileMovie"),
     "temp2DSticker2", "gsTemplateLittleBeauty"},
    {QT_TRANSLATE_NOOP("LWTemplateCatalogue", "2D Sticker"), QT_TRANSLATE_NOOP("LWTemplateCatalogue", "I'm DJ"),
     "temp2DSticker3", "gsTemplateTidewaveDJ"},
    {QT_TRANSLATE_NOOP("LWTemplateCatalogue", "2D Sticker"), QT_TRANSLATE_NOOP("LWTemplateCatalogue", "Cat And Bear"),
     "temp2DSticker4", "gsTemplateCatAndBear"},
    {QT_TRANSLATE_NOOP("LWTemplateCatalogue", "FaceMakeUp"),
     QT_TRANSLATE_NOOP("LWTemplateCatalogue", "Orange eye shadow and tear mole"), "tempMakeup1",
     "gsTemplateMakeupEyeTear"},
    {QT_TRANSLATE_NOOP("LWTemplateCatalogue", "FaceMakeUp"), QT_TRANSLATE_NOOP("LWTemplateCatalogue", "Ex Machina"),
     "tempMakeup2", "gsTemplateMakeupRobot"},
    {QT_TRANSLATE_NOOP("LWTemplateCatalogue", "Cut out human image"),
     QT_TRANSLATE_NOOP("LWTemplateCatalogue", "Capsule"), "tempSegmentBody1", "gsTemplateSpaceCapsule"},
    {QT_TRANSLATE_NOOP("LWTemplateCatalogue", "Filter"), QT_TRANSLATE_NOOP("LWTemplateCatalogue", "Sweet Filter"),
     "tempFilter1", "gsTemplateSweetyFilter"},
};

bool shipped(const QString &url)
{
    return QFile::exists(QLatin1Char(':') + QUrl(url).path());
}

} // namespace

LWTemplateCatalogue *LWTemplateCatalogue::instance()
{
    static QMutex mutex;
    static LWTemplateCatalogue *catalogue = nullptr;
    QMutexLocker lock(&mutex);
    if (!catalogue)
        catalogue = new LWTemplateCatalogue(QCoreApplication::instance());
    return catalogue;
}

LWTemplateCatalogue::LWTemplateCatalogue(QObject *parent)
    : QAbstractListModel(parent)
{
    // Which archives the build carries is only known once the resources are in.
    lwInitResources();
    for (const Template &t : kTemplates) {
        const QString base = QStringLiteral("qrc:/LWHome/templates/") + QLatin1String(t.name);
        const QString zip = base + QStringLiteral(".zip");
        if (!shipped(zip))
            continue;
        const QString picture = base + QStringLiteral(".png");
        m_entries.append({t.group, t.title, zip, shipped(picture) ? picture : QString(),
                          QLatin1String(t.usageEvent)});
    }
}

int LWTemplateCatalogue::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

QVariant LWTemplateCatalogue::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Entry &entry = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case TitleRole: return QCoreApplication::translate(kContext, entry.title);
    case GroupRole: return QCoreApplication::translate(kContext, entry.group);
    case ZipRole: return entry.zip;
    case PictureRole: return entry.picture;
    case UsageEventRole: return entry.usageEvent;
    default: return QVariant();
    }
}

QHash<int, QByteArray> LWTemplateCatalogue::roleNames() const
{
    return {
        {TitleRole, "title"},
        {GroupRole, "group"},
        {ZipRole, "zip"},
        {PictureRole, "picture"},
        {UsageEventRole, "usageEvent"},
    };
}
