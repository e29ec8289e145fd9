#include "LWSessionState.h"

#include "CustomFileDialogAdapter.h"
#include "CustomTutorialDialogAdapter.h"
#include "common/LWLanguage.h"
#include "common/LWSettingFlags.h"
#include "features/LWFeatureCatalogue.h"

#include <QPointer>
#include <QQmlPropertyMap>

namespace {

std::unique_ptr<QKeyEvent> blankKeyEvent()
{
    return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString());
}

} // namespace

LWSessionState::LWSessionState(QObject *parent)
    : QObject(parent)
    , m_fileDialog(new CustomFileDialogAdapter(this))
    , m_tutorialDialog(new CustomTutorialDialogAdapter(this))
    , m_customPropertyMap(new QQmlPropertyMap(this))
    , m_currentKeyEvent(blankKeyEvent())
{
    m_customPropertyMap->insert(QStringLiteral("optState"), QStringLiteral("null"));
    QPointer<QQmlPropertyMap> map(m_customPropertyMap);
    LWFeatureCatalogue::instance()->setMenuStateProvider(
        [map] { return map ? map->value(QStringLiteral("state")).toString() : QString(); });
    m_needShowTutorial = LWSettingFlags::read(QStringLiteral("tutorial")).value_or(true);
}

LWSessionState::~LWSessionState() = default;

void LWSessionState::setNeedShowTutorial(bool show)
{
    m_needShowTutorial = show;
    LWSettingFlags::write(QStringLiteral("tutorial"), show);
}

int LWSessionState::currentLanguageType() const
{
    return LWLanguage::instance()->currentLanguage();
}

void LWSessionState::setCurrentLanguageType(int type)
{
    LWLanguage::instance()->setLanguage(type);
    emit currentLanguageTypeChanged();
}

void LWSessionState::setCurrentKeyEvent(const QKeyEvent &event)
{
    m_currentKeyEvent = std::make_unique<QKeyEvent>(event.type(), event.key(), event.modifiers(), event.text(),
                                                    event.isAutoRepeat(), ushort(event.count()));
}

void LWSessionState::resetCurrentKeyEvent()
{
    m_currentKeyEvent = blankKeyEvent();
}
