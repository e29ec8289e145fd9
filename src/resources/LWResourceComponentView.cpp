#include "LWResourceComponentView.h"

#include "LWResourceManager.h"
#include "common/LWEffectCommon.h"
#include "inspector/LWQmlViewModel.h"

#include <QDebug>

LWResourceComponentView::LWResourceComponentView(LWResouceTreeViewModel *library, const QString &name,
                                                 const QString &resourceId, int resourceType,
                                                 std::shared_ptr<LWQmlViewModel> inspector)
    : LWResourceViewBase(library, resourceType)
    , m_resourceId(resourceId)
{
    setTitle(name);
    setNaviItemIcon(iconForType(resourceType));
    setInspectorViewModel(std::move(inspector));
    setSubItems({menuEntry(tr("Rename"), renameMenuId()), menuEntry(tr("Delete"), removeMenuId())});
}

LWResourceComponentView::~LWResourceComponentView()
{
    qDebug("component release");
}

QString LWResourceComponentView::iconForType(int resourceType)
{
    switch (resourceType) {
    case LWEffectCommon::LWResourceType2DTexture: return QStringLiteral("qrc:/LWViewCommon/images/resImage.png");
    case LWEffectCommon::LWResourceTypeMTL: return QStringLiteral("qrc:/LWViewCommon/images/resMtl.png");
    case LWEffectCommon::LWResourceTypeParticle: return QStringLiteral("qrc:/LWViewCommon/images/resParticle.png");
    case LWEffectCommon::LWResourceType2DTextureFrame: return QStringLiteral("qrc:/LWViewCommon/images/resTexture.png");
    default: return QString();
    }
}

QJsonObject LWResourceComponentView::toJson() const
{
    return {{QStringLiteral("name"), title()},
            {QStringLiteral("resourceId"), m_resourceId},
            {QStringLiteral("compressType"), LWResourceManager::instance()->compressType(m_resourceId)}};
}

void LWResourceComponentView::collectByType(int type, int constraint, QList<LWResourceViewBase *> &found,
                                            QStringList *errors)
{
    if (resourceType() != type)
        return;
    QString error;
    if (constraint != LWEffectCommon::LWConstraintTypeNone
        && !LWResourceManager::instance()->checkConstraint(m_resourceId, constraint, &error)) {
        if (errors && !error.isEmpty())
            errors->append(error);
        return;
    }
    found.append(this);
}

void LWResourceComponentView::finalRelease()
{
    LWResourceManager::instance()->releaseResource(m_resourceId, library());
    deleteLater();
}
