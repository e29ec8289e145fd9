#include "LWPreviewMusic.h"

#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {

// A player this far from where the effect is gets moved there; closer, it
// plays on, so the music does not stutter on every frame.
constexpr qint64 kDriftMs = 400;

} // namespace

LWPreviewMusic::LWPreviewMusic(QObject *parent)
    : QObject(parent)
{
}

QMediaPlayer *LWPreviewMusic::player()
{
    if (!m_player)
        m_player = new QMediaPlayer(this);
    return m_player;
}

void LWPreviewMusic::setMusic(const LWRenderPackage::Music &music, bool present, std::shared_ptr<void> keep)
{
    const bool usable = present && !music.file.isEmpty() && QFileInfo(music.file).isFile();
    if (usable == m_present && music.file == m_music.file)
        return;
    silence();
    m_music = music;
    m_present = usable;
    if (m_player)
        m_player->setMedia(usable ? QUrl::fromLocalFile(music.file) : QUrl());
    else if (usable)
        player()->setMedia(QUrl::fromLocalFile(music.file));
    m_keep = std::move(keep); // the folder of the music before goes now
}

void LWPreviewMusic::setMuted(bool muted)
{
    m_muted = muted;
    if (m_player)
        m_player->setMuted(muted);
}

void LWPreviewMusic::follow(qint64 effectMs, const QVector<LWRenderRules::Trigger> &fired, bool playing)
{
    if (!m_present || m_muted || !playing) {
        silence();
        return;
    }
    QMediaPlayer *media = player();
    const LWRenderRules::MusicPosition at =
        LWRenderRules::musicAt(m_music.trigger, m_music.triggerLoop, media->duration(), effectMs, fired);
    if (!at.sounding) {
        silence();
        return;
    }
    if (media->state() != QMediaPlayer::PlayingState) {
        media->setPosition(at.positionMs);
        media->play();
    } else if (qAbs(media->position() - at.positionMs) > kDriftMs) {
        media->setPosition(at.positionMs);
    }
}

void LWPreviewMusic::silence()
{
    if (m_player && m_player->state() == QMediaPlayer::PlayingState)
        m_player->pause();
}
