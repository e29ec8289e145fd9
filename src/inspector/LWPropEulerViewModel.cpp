#include "LWPropEulerViewModel.h"

#include "LWPropBaseUndoCommandT.h"
#include "LWPropEdit.h"

LWPropEulerViewModel::LWPropEulerViewModel(const QString &id, const QJsonValue &component,
                                         const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropVecViewModel(id, component, value, parent, 26, 3)
{
}

QString LWPropEulerViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropEulerView.qml");
}

void LWPropEulerViewModel::pushCommit(const QList<double> &values)
{
    LWPropEdit::push<LWPropBaseUndoCommandT<LWPropEulerViewModel, QList<double>>>(this, values);
}
