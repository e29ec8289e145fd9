#include "LWPropVec2ViewModel.h"

#include "LWPropBaseUndoCommandT.h"
#include "LWPropEdit.h"

LWPropVec2ViewModel::LWPropVec2ViewModel(const QString &id, const QJsonValue &component,
                                         const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropVecViewModel(id, component, value, parent, 26, 2)
{
    m_removeButtonVisible = componentValue("removeButtonVisible").toBool(false);
}

QString LWPropVec2ViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropVec2View.qml");
}

void LWPropVec2ViewModel::pushCommit(const QList<double> &values)
{
    LWPropEdit::push<LWPropBaseUndoCommandT<LWPropVec2ViewModel, QList<double>>>(this, values);
}
