#include "LWInspectorFactory.h"

#include "LW3DModelTextureInfoPanelModel.h"
#include "LWFaceIndexModel.h"
#include "LWInspectorViewModel.h"
#include "LWProp2DTextureButtonViewModel.h"
#include "LWProp2DTextureOptionViewModel.h"
#include "LWPropBoolViewModel.h"
#include "LWPropButtonViewModel.h"
#include "LWPropColorViewModel.h"
#include "LWPropColorsViewModel.h"
#include "LWPropEulerViewModel.h"
#include "LWPropFloatRangeViewModel.h"
#include "LWPropFloatViewModel.h"
#include "LWPropImageButtonViewModel.h"
#include "LWPropImageOptionViewModel.h"
#include "LWPropImageViewModel.h"
#include "LWPropIntViewModel.h"
#include "LWPropLabelButtonViewModel.h"
#include "LWPropLabelInputViewModel.h"
#include "LWPropLabelLabelViewModel.h"
#include "LWPropLabelViewModel.h"
#include "LWPropOpenPanelViewModel.h"
#include "LWPropOptionViewModel.h"
#include "LWPropProgressbarViewModel.h"
#include "LWPropRandomViewModel.h"
#include "LWPropStickerFrameUpdaterViewModel.h"
#include "LWPropVec2ViewModel.h"
#include "LWPropVec4ViewModel.h"
#include "LWSecCheckViewModel.h"
#include "LWSecListViewModel.h"
#include "LWSecOptionViewModel.h"
#include "LWSecPanelViewModel.h"
#include "LWSecSplitLineViewModel.h"
#include "LWSecVarListViewModel.h"
#include "LWViewData.h"

#include <QJsonArray>
#include <QMetaEnum>

Q_LOGGING_CATEGORY(lwInspector, "lw.inspector", QtWarningMsg)

namespace {

using Node = LWQmlViewModel;
using PropertyMaker = Node::Ptr (*)(const QString &, const QJsonValue &, const QJsonValue &, Node *);
using SectionMaker = Node::Ptr (*)(const QJsonValue &, const QJsonValue &, const QJsonObject &, Node *);

template <typename T>
Node::Ptr makeProperty(const QString &id, const QJsonValue &component, const QJsonValue &bound, Node *parent)
{
    return std::make_shared<T>(id, component, bound, parent);
}

template <typename T>
Node::Ptr makeSection(const QJsonValue &component, const QJsonValue &bound, const QJsonObject &profile, Node *parent)
{
    return std::make_shared<T>(component, bound, profile, parent);
}

// Indexed by LWSectionComponentType; null where the type makes no node
// itself (Vec3 and particle affector colours are not drawn, None and
// LWSection are handled before the table).
const PropertyMaker kPropertyMakers[] = {
    &makeProperty<LWPropOptionViewModel>,           // LWPropTypeOption
    &makeProperty<LWPropVec2ViewModel>,             // LWPropTypeVec2
    nullptr,                                        // LWPropTypeVec3
    &makeProperty<LWPropVec4ViewModel>,             // LWPropTypeVec4
    &makeProperty<LWPropEulerViewModel>,            // LWPropTypeEuler
    &makeProperty<LWPropFloatRangeViewModel>,       // LWPropTypeFloatRange
    &makeProperty<LWPropFloatViewModel>,            // LWPropTypeFloat
    &makeProperty<LWPropColorViewModel>,            // LWPropTypeColor
    &makeProperty<LWPropLabelViewModel>,            // LWPropTypeLabel
    &makeProperty<LWPropBoolViewModel>,             // LWPropTypeBool
    &makeProperty<LWPropButtonViewModel>,           // LWPropTypeButton
    &makeProperty<LWPropIntViewModel>,              // LWPropTypeInt
    &makeProperty<LWPropLabelInputViewModel>,       // LWPropTypeLabelInput
    nullptr,                                        // LWPropTypeParticleAffectorColors
    &makeProperty<LWPropImageButtonViewModel>,      // LWPropTypeImageViewButton
    &makeProperty<LWPropLabelLabelViewModel>,       // LWPropTypeLabelLabel
    &makeProperty<LWPropOpenPanelViewModel>,        // LWPropTypeOpenPanel
    &makeProperty<LWProp2DTextureOptionViewModel>,  // LWPropType2DTextureOption
    &makeProperty<LWProp2DTextureButtonViewModel>,  // LWPropType2DTextureButton
    &makeProperty<LWPropProgressbarViewModel>,      // LWPropTypeProgressBar
    &makeProperty<LWPropImageOptionViewModel>,      // LWPropTypeImageOptionPanel
    &makeProperty<LWPropStickerFrameUpdaterViewModel>, // LWPropTypeStickerFrameUpdater
    &makeProperty<LWPropLabelButtonViewModel>,      // LWPropTypeLabelButton
    &makeProperty<LWPropRandomViewModel>,           // LWPropTypeRandom
    &makeProperty<LWPropColorsViewModel>,           // LWPropTypeColors
    &makeProperty<LWFaceIndexModel>,                // LWSpecialTypeFaceIndex
    nullptr,                                        // LWPropTypeNone
    nullptr,                                        // LWSection
    &makeProperty<LWPropImageViewModel>,            // LWPropTypeImageView
};
static_assert(sizeof(kPropertyMakers) / sizeof(kPropertyMakers[0]) == Node::LWPropTypeImageView + 1,
              "one entry per component type");

// Indexed by LWSectionType.
const SectionMaker kSectionMakers[] = {
    &makeSection<LWSecCheckViewModel>,     // LWSectionTypeCheck
    &makeSection<LWSecOptionViewModel>,    // LWSectionTypeOption
    &makeSection<LWSecPanelViewModel>,     // LWSectionTypePanel
    &makeSection<LWSecPanelViewModel>,     // LWSectionTypeSingleValuePanel
    &makeSection<LWSecSplitLineViewModel>, // LWSectionTypeSplitLine
    &makeSection<LWSecListViewModel>,      // LWSectionTypeList
    &makeSection<LWSecVarListViewModel>,   // LWSectionTypeVarList
    &makeSection<LWInspectorViewModel>,    // LWSectionTypeInspector
};
static_assert(sizeof(kSectionMakers) / sizeof(kSectionMakers[0]) == Node::LWSectionTypeInspector + 1,
              "one entry per section type");

int enumValue(const char *enumName, const QString &key)
{
    if (key.isEmpty())
        return -1;
    const QMetaObject &meta = Node::staticMetaObject;
    const QMetaEnum metaEnum = meta.enumerator(meta.indexOfEnumerator(enumName));
    bool ok = false;
    const int value = metaEnum.keyToValue(key.toLatin1().constData(), &ok);
    return ok ? value : -1;
}

int depthOf(const Node *node)
{
    int depth = 0;
    for (; node; node = node->parentNode())
        ++depth;
    return depth;
}

} // namespace

int LWInspectorFactory::componentType(const QString &name)
{
    return enumValue("LWSectionComponentType", name);
}

int LWInspectorFactory::sectionType(const QString &name)
{
    return enumValue("LWSectionType", name);
}

QJsonValue LWInspectorFactory::boundValue(const QJsonValue &component, const QJsonValue &element)
{
    const QJsonValue id = component[QLatin1String("id")];
    if (!id.isUndefined())
        return element[id.toString()];
    const QJsonValue mapKey = component[QLatin1String("mapKey")];
    if (mapKey.isUndefined())
        return element;
    QJsonValue bound = element[mapKey.toString()];
    if (component[QLatin1String("dataType")].toString() == QLatin1String("array") && !bound.isArray()
        && !bound.isUndefined())
        bound = QJsonArray{bound};
    return bound;
}

Node::Ptr LWInspectorFactory::createComponent(const QJsonValue &component, const QJsonValue &bound,
                                              const QJsonObject &profile, Node *parent)
{
    const QString typeName = component[QLatin1String("type")].toString();
    const int type = componentType(typeName);
    if (type < 0) {
        qCWarning(lwInspector) << "skipping component of unknown type" << typeName;
        return nullptr;
    }
    const QString id = component[QLatin1String("id")].toString();
    if (type == Node::LWPropTypeNone) {
        if (parent)
            parent->addHiddenValue(std::make_unique<LWViewData>(id, component, bound));
        return nullptr;
    }
    if (type == Node::LWSection)
        return createSection(component, bound, profile, parent);
    const PropertyMaker make = kPropertyMakers[type];
    return make ? make(id, component, bound, parent) : nullptr;
}

Node::Ptr LWInspectorFactory::createSection(const QJsonValue &component, const QJsonValue &bound,
                                            const QJsonObject &profile, Node *parent)
{
    const QString sectionName = component[QLatin1String("sec")].toString();
    const QJsonValue definition = profile.value(sectionName);
    const int type = sectionType(definition[QLatin1String("sectionType")].toString());
    if (!definition.isObject() || type < 0) {
        qCWarning(lwInspector) << "skipping section" << sectionName << "(missing or of unknown type)";
        return nullptr;
    }
    if (wouldRecurse(sectionName, bound, parent)) {
        qCWarning(lwInspector) << "skipping section" << sectionName << "that contains itself";
        return nullptr;
    }
    return kSectionMakers[type](component, bound, profile, parent);
}

// A section that an ancestor already shows with the same data would build
// the same subtree again and again; nesting past the depth limit is cut too.
bool LWInspectorFactory::wouldRecurse(const QString &sectionName, const QJsonValue &bound, const Node *parent)
{
    if (depthOf(parent) >= kMaxDepth)
        return true;
    for (const Node *node = parent; node; node = node->parentNode()) {
        if (node->sectionName() == sectionName && node->data() == bound)
            return true;
    }
    return false;
}
