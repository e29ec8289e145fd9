#include "LWFeatureCatalogue.h"

#include "LWFeatureKind.h"

#include <QCoreApplication>
#include <QVariantMap>

namespace {

// The labels keep the translation context the menu has always had.
QString translated(const char *label)
{
    return QCoreApplication::translate("LWEffectNavigator", label);
}

} // namespace

LWFeatureCatalogue *LWFeatureCatalogue::instance()
{
    static LWFeatureCatalogue *catalogue = new LWFeatureCatalogue;
    return catalogue;
}

LWFeatureCatalogue::LWFeatureCatalogue()
    : QObject(QCoreApplication::instance())
{
}

QVariantList LWFeatureCatalogue::entries() const
{
    QVariantList entries;
    for (const LWFeatureKind *kind : LWFeatureKinds::menuKinds()) {
        QVariantList choices;
        for (const LWFeatureKind::Choice &choice : kind->menu.choices)
            choices.append(QVariantMap{{QStringLiteral("label"), translated(choice.label)},
                                       {QStringLiteral("choice"), choice.value}});
        entries.append(QVariantMap{{QStringLiteral("key"), kind->typeKey()},
                                   {QStringLiteral("label"), translated(kind->menu.label)},
                                   {QStringLiteral("icon"), kind->menu.icon},
                                   {QStringLiteral("state"), kind->menu.state},
                                   {QStringLiteral("choices"), choices}});
    }
    return entries;
}

bool LWFeatureCatalogue::isAddingFromMenu(const QString &kindState) const
{
    return !kindState.isEmpty() && menuState() == QStringLiteral("beginMenuItemAdd") + kindState;
}
