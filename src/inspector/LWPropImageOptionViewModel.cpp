#include "LWPropImageOptionViewModel.h"

#include "common/LWEffectCommon.h"

#include <QJsonArray>
#include <QUrl>

const char *const LWPropImageOptionViewModel::kNoImage = "no image";

LWPropImageOptionViewModel::LWPropImageOptionViewModel(const QString &id, const QJsonValue &component,
                                                       const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropChoiceViewModel(id, component, value, parent, 300)
{
    if (componentValue("imgWidth").isDouble())
        m_imgWidth = componentValue("imgWidth").toInt();
    if (componentValue("imgHeight").isDouble())
        m_imgHeight = componentValue("imgHeight").toInt();
    const QJsonValue bound = boundOrDefault();
    m_selectedKey = bound.isString() ? bound.toString() : QString::fromLatin1(kNoImage);
    if (componentValue("dynamicResData").isString())
        listResources(0);
    else
        setEntries(staticEntries());
    // A static grid has nothing to wait for: an unlisted value is no image.
    if (m_resourceType < 0 && !keyListed())
        m_selectedKey = QString::fromLatin1(kNoImage);
}

QString LWPropImageOptionViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropImageOptionView.qml");
}

QList<LWPropChoiceViewModel::Entry> LWPropImageOptionViewModel::staticEntries() const
{
    QList<Entry> entries{{QStringLiteral("None"), QString::fromLatin1(kPlaceholderIcon), QString::fromLatin1(kNoImage)}};
    const QJsonArray values = componentValue("options").toArray();
    const QJsonArray labels = componentValue("optionLabels").toArray();
    for (int i = 0; i < values.size(); ++i) {
        const QString path = keyOf(values.at(i));
        const QString icon = path.startsWith(QLatin1Char(':')) ? QStringLiteral("qrc") + path : path;
        entries.append({labels.at(i).toVariant().toString(), icon, values.at(i)});
    }
    return entries;
}

QList<LWPropChoiceViewModel::Entry> LWPropImageOptionViewModel::resourceEntries() const
{
    QList<Entry> entries = staticEntries();
    QList<Entry> resources = LWPropChoiceViewModel::resourceEntries();
    resources.removeFirst(); // the library's own "None": the grid has its "no image" cell
    return entries + resources;
}

QJsonValue LWPropImageOptionViewModel::value() const
{
    return m_selectedKey;
}

QStringList LWPropImageOptionViewModel::strTexurePaths() const
{
    QStringList paths;
    for (const Entry &e : m_entries)
        paths << e.iconPath;
    return paths;
}
