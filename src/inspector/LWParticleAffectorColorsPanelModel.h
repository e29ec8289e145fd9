#pragma once

#include "LWQmlViewModel.h"

class LWListViewModel;

// The pop-up list of a particle system's colours: one colour row per
// element of the bound array ({"label", "color"}).
class LWParticleAffectorColorsPanelModel : public LWQmlViewModel
{
    Q_OBJECT
    Q_PROPERTY(LWListViewModel *listViewModel READ listViewModel NOTIFY listViewModelChanged)

public:
    LWParticleAffectorColorsPanelModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                       LWQmlViewModel *parent);
    ~LWParticleAffectorColorsPanelModel() override;

    QString qmlPath() const override;
    int height() const override;
    // The bound elements in order with their "color" replaced by the rows'
    // colours; labels and other members stay.
    QJsonValue value() const override;
    LWListViewModel *listViewModel() const { return m_listViewModel.get(); }

signals:
    void listViewModelChanged();

protected:
    void emitHeightChanged() override;

private:
    std::shared_ptr<LWListViewModel> m_listViewModel; // owned
};
