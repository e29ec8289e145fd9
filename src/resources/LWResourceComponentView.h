#pragma once

#include "LWResourceViewBase.h"

#include <memory>

class LWQmlViewModel;

// A leaf of the resource tree: one resource of the library, named by its
// resource id. The title is the author's name for it; renaming it never
// touches the file.
class LWResourceComponentView : public LWResourceViewBase
{
    Q_OBJECT
public:
    LWResourceComponentView(LWResouceTreeViewModel *library, const QString &name, const QString &resourceId,
                            int resourceType, std::shared_ptr<LWQmlViewModel> inspector);
    ~LWResourceComponentView() override;

    QString resourceId() const { return m_resourceId; }

    // The tree icon of a resource type; empty keeps the default icon.
    static QString iconForType(int resourceType);

    // "name", "resourceId", "compressType" (-1 without a record).
    QJsonObject toJson() const override;
    void collectByType(int type, int constraint, QList<LWResourceViewBase *> &found, QStringList *errors) override;
    // Drops the record and its files, then the item.
    void finalRelease() override;

private:
    QString m_resourceId;
};
