#pragma once

#include <QColor>
#include <QImage>
#include <QQuickPaintedItem>
#include <QString>

// Draws a text as a QR code (QML type "LWQrCode"), for the phone app to
// scan. Encoded by libqrencode; dark modules on a light quiet zone.
class LWQrCodeItem : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(QColor foreground READ foreground WRITE setForeground NOTIFY foregroundChanged)
    Q_PROPERTY(QColor background READ background WRITE setBackground NOTIFY backgroundChanged)
    Q_PROPERTY(bool valid READ valid NOTIFY textChanged)

public:
    static constexpr int kQuietModules = 4;

    explicit LWQrCodeItem(QQuickItem *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    QColor foreground() const { return m_foreground; }
    void setForeground(const QColor &color);
    QColor background() const { return m_background; }
    void setBackground(const QColor &color);
    bool valid() const { return !m_modules.isNull(); }

    // One pixel per module, quiet zone included; null for empty text or
    // text too long to encode.
    static QImage encode(const QString &text);

    void paint(QPainter *painter) override;

signals:
    void textChanged();
    void foregroundChanged();
    void backgroundChanged();

private:
    QString m_text;
    QImage m_modules;
    QColor m_foreground = Qt::black;
    QColor m_background = Qt::white;
};
