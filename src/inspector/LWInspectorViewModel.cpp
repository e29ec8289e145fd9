#include "LWInspectorViewModel.h"

#include "LWListViewModel.h"
#include "common/LWJsonFile.h"
#include "common/LWLanguage.h"

LWInspectorViewModel::LWInspectorViewModel(const QJsonObject &profile, const QJsonValue &data,
                                           LWQmlViewDataSource *dataSource)
    : LWQmlViewModel(nullptr)
    , m_listViewModel(std::make_shared<LWListViewModel>(this))
{
    m_profile = profile;
    m_sectionName = QStringLiteral("LWEntry");
    m_definition = profile.value(m_sectionName);
    m_data = data;
    m_color = QStringLiteral("transparent");
    m_dataSource = dataSource;
    buildChildren(profile, false);
    showChildren();
}

LWInspectorViewModel::LWInspectorViewModel(const QJsonValue &component, const QJsonValue &data,
                                           const QJsonObject &profile, LWQmlViewModel *parent)
    : LWQmlViewModel(parent)
    , m_listViewModel(std::make_shared<LWListViewModel>(this))
{
    initSection(component, data, profile);
    m_color = QStringLiteral("transparent");
    buildChildren(profile, false);
    const QJsonValue label = component[QLatin1String("label")];
    m_name = label.isString() ? label.toString() : m_definition[QLatin1String("name")].toString();
    showChildren();
}

LWInspectorViewModel::~LWInspectorViewModel() = default;

QJsonObject LWInspectorViewModel::loadProfile(const QString &path)
{
    return LWJsonFile::read(LWLanguage::instance()->localizedPath(path));
}

std::shared_ptr<LWInspectorViewModel> LWInspectorViewModel::fromProfile(const QString &path, const QJsonValue &data,
                                                                        LWQmlViewDataSource *dataSource)
{
    return std::make_shared<LWInspectorViewModel>(loadProfile(path), data, dataSource);
}

QString LWInspectorViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWSecView/LWInspectorView.qml");
}

int LWInspectorViewModel::height() const
{
    return m_listViewModel->height();
}

void LWInspectorViewModel::showChildren()
{
    m_listViewModel->setRows(children());
}

void LWInspectorViewModel::emitHeightChanged()
{
    m_listViewModel->emitHeightsUpdate();
    emit heightChanged();
}
