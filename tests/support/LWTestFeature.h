#pragma once

// A feature kind for the tests of the effect and the project lifecycle
// until the real kinds exist: it keeps a content file, writes a Link entry
// and registers itself for a few types.

#include "features/LWFeatureFactory.h"
#include "features/LWFeatureTreeItem.h"
#include "inspector/LWQmlViewModel.h"

#include <QJsonObject>

class LWTestFeature : public LWFeatureTreeItem
{
public:
    explicit LWTestFeature(const LWFeatureFactory::Request &request, LWEffectCommon::LWFeatureType type)
        : LWFeatureTreeItem(request.effect, request.zOrder, request.path)
    {
        setFeatureType(type);
        setSdkVersion(type == LWEffectCommon::LWFeatureTypeFilter ? QStringLiteral("2.9.1") : QStringLiteral("2.7.0"));
        setContextMenu({{QStringLiteral("Delete"), removeMenuId()}});
        if (request.loadParam.bLoadFromProject) {
            readProjectRecord(request.data);
        } else {
            loadContentFile();
        }
        data = request.data;
    }

    QJsonValue toConfigLinkValue() const override
    {
        return QJsonObject{{"type", LWEffectCommon::featurePackageName(featureType())},
                           {"zorder", zOrder()},
                           {"path", path()}};
    }

    // Background music keeps its record instead of a folder.
    QJsonValue saveFeature(const SaveParam &param) override
    {
        if (featureType() != LWEffectCommon::LWFeatureTypeBGM)
            return LWFeatureTreeItem::saveFeature(param);
        QJsonObject record = data;
        if (param.bSaveProject)
            record.insert("checked", checked());
        return record;
    }

    QJsonObject data;

    static void registerKinds()
    {
        using C = LWEffectCommon;
        LWFeatureFactory::setCreator(C::LWFeatureType2DSticker, [](const LWFeatureFactory::Request &r) -> LWFeatureModel * {
            return new LWTestFeature(r, C::LWFeatureType2DSticker);
        });
        LWFeatureFactory::setCreator(C::LWFeatureTypeFilter, [](const LWFeatureFactory::Request &r) -> LWFeatureModel * {
            return new LWTestFeature(r, C::LWFeatureTypeFilter);
        });
        LWFeatureFactory::setCreator(C::LWFeatureTypeLegDistortion, [](const LWFeatureFactory::Request &r) -> LWFeatureModel * {
            return new LWTestFeature(r, C::LWFeatureTypeLegDistortion);
        });
        LWFeatureFactory::setCreator(C::LWFeatureTypeBGM, [](const LWFeatureFactory::Request &r) -> LWFeatureModel * {
            return new LWTestFeature(r, C::LWFeatureTypeBGM);
        });
    }
};
