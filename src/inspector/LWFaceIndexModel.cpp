#include "LWFaceIndexModel.h"

#include <QJsonArray>

LWFaceIndexModel::LWFaceIndexModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                   LWQmlViewModel *parent)
    : LWPropViewModel(id, component, value, parent, 26)
{
    const QJsonArray indexs = value.toArray();
    for (const QJsonValue &index : indexs)
        m_faceIndexs << index.toInt();
    m_height = heightFor(m_faceIndexs.size());
    useLanguageChange(80);
}

QString LWFaceIndexModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWSpecialView/LWFaceIndex.qml");
}

int LWFaceIndexModel::heightFor(int count)
{
    return count > 0 ? 20 * count + 62 : 26;
}

QJsonValue LWFaceIndexModel::value() const
{
    QJsonArray result;
    QList<int> seen;
    for (int index : m_faceIndexs) {
        if (index < 0 || index > kMaxFaceIndex || seen.contains(index))
            continue;
        seen << index;
        result.append(index);
    }
    return result;
}

void LWFaceIndexModel::setFaceIndexs(const QList<int> &indexs)
{
    if (indexs == m_faceIndexs)
        return;
    m_faceIndexs = indexs;
    emit faceIndexsChanged(indexs);
    setHeight(heightFor(indexs.size()));
    emit qmlViewDataChanged();
}

void LWFaceIndexModel::setFaceIndexAt(int slot, int faceIndex)
{
    if (slot < 0 || slot >= m_faceIndexs.size())
        return;
    QList<int> indexs = m_faceIndexs;
    indexs[slot] = faceIndex;
    setFaceIndexs(indexs);
}

void LWFaceIndexModel::addFaceSlot()
{
    if (m_faceIndexs.size() >= kMaxSlots)
        return;
    setFaceIndexs(m_faceIndexs + QList<int>{0});
}

void LWFaceIndexModel::removeFaceSlot(int slot)
{
    if (slot < 0 || slot >= m_faceIndexs.size())
        return;
    QList<int> indexs = m_faceIndexs;
    indexs.removeAt(slot);
    setFaceIndexs(indexs);
}

void LWFaceIndexModel::setAllFaces(bool all)
{
    if (all)
        setFaceIndexs({});
    else if (m_faceIndexs.isEmpty())
        setFaceIndexs({0});
}
