#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <functional>

// The feature kinds the effect navigator's add menu offers, in menu order,
// as the interface reads them: one entry per kind with its key
// ("LWFeatureType2DSticker"), translated label, icon, the menu state set
// while it is created (empty for none) and its choices (a submenu of
// {label, choice}; empty for a plain entry). Published as
// "featureCatalogue".
class LWFeatureCatalogue : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList entries READ entries CONSTANT)

public:
    static LWFeatureCatalogue *instance();

    QVariantList entries() const;

    // The add menu's state while a feature is created from it
    // ("beginMenuItemAdd2DSticker" ...), as the interface keeps it; the
    // application installs where to read it. Empty without one.
    using MenuStateProvider = std::function<QString()>;
    void setMenuStateProvider(MenuStateProvider provider) { m_menuState = std::move(provider); }
    QString menuState() const { return m_menuState ? m_menuState() : QString(); }
    // Whether the kind's feature is being made from the add menu now.
    bool isAddingFromMenu(const QString &kindState) const;

private:
    LWFeatureCatalogue();

    MenuStateProvider m_menuState;
};
