#pragma once

#include "render/LWRenderPackage.h"
#include "render/LWRenderRules.h"

#include <QObject>
#include <memory>

class QMediaPlayer;

// The preview's background music: it sounds where the effect would sound
// it, following the preview's clock and fired actions, and is made silent
// by the author's mute. The player is made when there is first music to
// play, so an effect without music costs nothing.
class LWPreviewMusic : public QObject
{
    Q_OBJECT
public:
    explicit LWPreviewMusic(QObject *parent = nullptr);

    // keep holds the package's folder on disk while its music may play.
    void setMusic(const LWRenderPackage::Music &music, bool present, std::shared_ptr<void> keep);
    bool present() const { return m_present; }
    bool muted() const { return m_muted; }
    void setMuted(bool muted);
    // Where the preview is: effect time, fired actions, whether it plays.
    void follow(qint64 effectMs, const QVector<LWRenderRules::Trigger> &fired, bool playing);
    void silence();

private:
    QMediaPlayer *player();

    LWRenderPackage::Music m_music;
    bool m_present = false;
    bool m_muted = false;
    std::shared_ptr<void> m_keep;
    QMediaPlayer *m_player = nullptr; // owned (QObject child), made on first use
};
