#include "LWSecVarListViewModel.h"

#include "LWPropEdit.h"
#include "LWPropListViewUndoCommand.h"

#include <QCoreApplication>

LWSecVarListViewModel::LWSecVarListViewModel(const QJsonValue &component, const QJsonValue &data,
                                             const QJsonObject &profile, LWQmlViewModel *parent)
    : LWSecSplitLineViewModel(component, data, profile, parent, {28, 28})
    , m_addButtonTitle(QCoreApplication::translate("LWSecVarListViewModel", "Add"))
{
}

QString LWSecVarListViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWSecView/LWSecVarListView.qml");
}

void LWSecVarListViewModel::pushListEdit(const Ptr &item, bool add)
{
    using Command = LWPropListViewUndoCommand<LWSecVarListViewModel>;
    LWPropEdit::push<Command>(this, item, add ? Command::Add : Command::Remove);
}
