#include "LWQrCodeItem.h"

#include <QPainter>

#include <qrencode.h>

LWQrCodeItem::LWQrCodeItem(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(false);
}

QImage LWQrCodeItem::encode(const QString &text)
{
    if (text.isEmpty())
        return QImage();
    const QByteArray bytes = text.toUtf8();
    QRcode *code = QRcode_encodeData(bytes.size(), reinterpret_cast<const unsigned char *>(bytes.constData()), 0,
                                     QR_ECLEVEL_M);
    if (!code)
        return QImage();
    const int side = code->width + 2 * kQuietModules;
    QImage image(side, side, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if (code->data[y * code->width + x] & 1)
                image.setPixel(x + kQuietModules, y + kQuietModules, qRgb(0, 0, 0));
        }
    }
    QRcode_free(code);
    return image;
}

void LWQrCodeItem::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    m_modules = encode(text);
    emit textChanged();
    update();
}

void LWQrCodeItem::setForeground(const QColor &color)
{
    if (m_foreground == color)
        return;
    m_foreground = color;
    emit foregroundChanged();
    update();
}

void LWQrCodeItem::setBackground(const QColor &color)
{
    if (m_background == color)
        return;
    m_background = color;
    emit backgroundChanged();
    update();
}

void LWQrCodeItem::paint(QPainter *painter)
{
    if (m_modules.isNull())
        return;
    // Whole pixels per module keep the edges sharp for the phone's camera.
    const int side = m_modules.width();
    const int module = qMax(1, int(qMin(width(), height())) / side);
    const int offsetX = (int(width()) - module * side) / 2;
    const int offsetY = (int(height()) - module * side) / 2;
    painter->fillRect(QRect(offsetX, offsetY, module * side, module * side), m_background);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (qGray(m_modules.pixel(x, y)) < 128)
                painter->fillRect(QRect(offsetX + x * module, offsetY + y * module, module, module), m_foreground);
        }
    }
}
