#pragma once

#include "LWQmlViewModel.h"

class LWListViewModel;

// The root of every inspector tree, and the node of a nested inspector
// section. Owners build it from their profile and a copy of their data,
// keep it through a shared pointer and pull value() after each announced
// change.
class LWInspectorViewModel : public LWQmlViewModel
{
    Q_OBJECT
    Q_PROPERTY(LWListViewModel *listViewModel READ listViewModel NOTIFY listViewModelChanged)

public:
    // Root: the profile's "LWEntry" section bound to the owner's data.
    // dataSource is not owned and may be null.
    LWInspectorViewModel(const QJsonObject &profile, const QJsonValue &data,
                         LWQmlViewDataSource *dataSource = nullptr);
    // Nested inspector section.
    LWInspectorViewModel(const QJsonValue &component, const QJsonValue &data, const QJsonObject &profile,
                         LWQmlViewModel *parent);
    ~LWInspectorViewModel() override;

    // Reads a profile: the language variant of path when there is one. A
    // missing or unreadable file, or one that is not a JSON object, gives an
    // empty profile and so an empty panel.
    static QJsonObject loadProfile(const QString &path);
    // loadProfile + the root constructor.
    static std::shared_ptr<LWInspectorViewModel> fromProfile(const QString &path, const QJsonValue &data,
                                                             LWQmlViewDataSource *dataSource = nullptr);

    QString qmlPath() const override;
    int height() const override;
    LWListViewModel *listViewModel() const { return m_listViewModel.get(); }

signals:
    void listViewModelChanged();

protected:
    void emitHeightChanged() override;

private:
    void showChildren();

    std::shared_ptr<LWListViewModel> m_listViewModel; // owned
};
