#include "LWListViewModel.h"

#include "LWListViewListModel.h"

LWListViewModel::LWListViewModel(LWQmlViewModel *parent)
    : LWQmlViewModel(parent)
    , m_listModel(new LWListViewListModel(this))
{
    m_color = QStringLiteral("transparent");
}

LWListViewModel::~LWListViewModel() = default;

QString LWListViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWListView.qml");
}

int LWListViewModel::height() const
{
    int sum = 0;
    for (const Ptr &row : m_listModel->rows())
        sum += row->height();
    return sum;
}

void LWListViewModel::setInteractive(bool interactive)
{
    if (interactive == m_interactive)
        return;
    m_interactive = interactive;
    emit interactiveChanged(interactive);
}

const QList<LWQmlViewModel::Ptr> &LWListViewModel::rows() const
{
    return m_listModel->rows();
}

void LWListViewModel::setRows(QList<Ptr> rows)
{
    m_listModel->setRows(std::move(rows));
    emitHeightsUpdate();
}

void LWListViewModel::emitHeightsUpdate()
{
    emit heightChanged();
    emit heightsUpdate();
}
