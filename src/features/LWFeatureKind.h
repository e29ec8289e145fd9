#pragma once

#include "LWFeatureFactory.h"
#include "common/LWEffectCommon.h"
#include "package/LWPackageCheck.h"

#include <QList>
#include <QString>
#include <functional>

// Everything the program knows of one feature kind outside the kind's own
// classes, in one record that the kind's folder registers (its
// LW<Kind>Kind.cpp, found by the build): how the effect names, creates,
// stores and checks it, how the add menu offers it, and which inspector
// profile and scene document its new features show. The factory, the effect,
// the package check, the add menu and the tests read it.
struct LWFeatureKind
{
    using Creator = std::function<LWFeatureModel *(const LWFeatureFactory::Request &request)>;

    // One entry of a submenu: the untranslated label (translation context
    // "LWEffectNavigator") and the choice handed to the new feature.
    struct Choice
    {
        const char *label = nullptr;
        QString value;
    };

    // How the effect navigator's add menu offers the kind. A kind with no
    // label is not offered.
    struct MenuEntry
    {
        const char *label = nullptr; // translation context "LWEffectNavigator"
        QString icon;
        QList<Choice> choices;
        // Entries are shown by ascending order.
        int order = 0;
        // "beginMenuItemAdd<state>" is set while the feature is created from
        // the menu, "endMenuItemAdd<state>" after; empty for none.
        QString state;
    };

    LWEffectCommon::LWFeatureType type = LWEffectCommon::LWFeatureTypeUnknow;
    // The type's name in packages and projects ("2DSticker"); taken from the
    // type's key when left empty.
    QString packageName;
    // The folder under ":/FeatureTemplates/" holding the content of a new
    // feature, with a trailing "/"; empty for none.
    QString templateFolder;
    int usageEvent = 0;
    // At most one such feature takes effect; a second is warned about.
    bool singleInstance = false;
    // Kept as this record of the effect document ("bgm") instead of a
    // folder and a Link entry; empty for a feature with a folder.
    QString effectRecordKey;
    MenuEntry menu;
    // The inspector profile and the scene document a new feature shows;
    // empty when it has none.
    QString profile;
    QString sceneDocument;
    Creator create;
    // Looks over the kind's folder in an unpacked package; may be empty.
    LWPackageCheck::FeatureCheck packageCheck;

    // The content file a package folder of this kind holds.
    QString contentFileName() const;
    // "LWFeatureType" + package name: the key the interface passes.
    QString typeKey() const;
};

namespace LWFeatureKinds {

// Registers a kind (replacing one of the same type); its package check joins
// the package check. The kind folders do this when the registry is first
// used.
void add(LWFeatureKind kind);

// Null for a type without a feature class.
const LWFeatureKind *find(LWEffectCommon::LWFeatureType type);
// Every registered kind, by type value.
QList<const LWFeatureKind *> all();
// The kinds the add menu offers, in menu order.
QList<const LWFeatureKind *> menuKinds();

// The usage event of creating a feature of the type: the kind's own, or for
// a type without a class the event the vocabulary gives it (0: none).
int usageEvent(LWEffectCommon::LWFeatureType type);
// Whether at most one feature of the type takes effect.
bool isSingleInstance(LWEffectCommon::LWFeatureType type);

} // namespace LWFeatureKinds
