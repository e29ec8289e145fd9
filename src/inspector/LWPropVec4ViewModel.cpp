#include "LWPropVec4ViewModel.h"

#include "LWPropBaseUndoCommandT.h"
#include "LWPropEdit.h"

LWPropVec4ViewModel::LWPropVec4ViewModel(const QString &id, const QJsonValue &component,
                                         const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropVecViewModel(id, component, value, parent, 26, 4)
{
}

QString LWPropVec4ViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropVec4View.qml");
}

void LWPropVec4ViewModel::pushCommit(const QList<double> &values)
{
    LWPropEdit::push<LWPropBaseUndoCommandT<LWPropVec4ViewModel, QList<double>>>(this, values);
}
