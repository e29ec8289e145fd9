#pragma once

#include "LWPropViewModel.h"

#include <QList>

// Which tracked faces an effect follows: an empty list means every face,
// otherwise up to five face slots. Changes apply at once (no undo step).
class LWFaceIndexModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(QList<int> faceIndexs READ faceIndexs WRITE setFaceIndexs NOTIFY faceIndexsChanged)

public:
    static constexpr int kMaxFaceIndex = 5; // faces are counted 0 to 5
    static constexpr int kMaxSlots = 5;

    LWFaceIndexModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                     LWQmlViewModel *parent);

    QString qmlPath() const override;
    // The listed indices in order, only 0 to 5 and only the first of repeats.
    QJsonValue value() const override;

    QList<int> faceIndexs() const { return m_faceIndexs; }
    void setFaceIndexs(const QList<int> &indexs);
    // The view's list edits, each writing the whole list.
    Q_INVOKABLE void setFaceIndexAt(int slot, int faceIndex);
    Q_INVOKABLE void addFaceSlot();
    Q_INVOKABLE void removeFaceSlot(int slot);
    Q_INVOKABLE void setAllFaces(bool all);

    // The height the view needs for a list of that many slots.
    static int heightFor(int count);

signals:
    void faceIndexsChanged(QList<int> indexs);

private:
    QList<int> m_faceIndexs;
};
