#pragma once

#include "LWPropViewModel.h"

#include <QColor>

// A colour swatch. Feature files hold colours either as hexadecimal text
// without "#" (six digits, or eight with alpha) or as arrays of fractions;
// value() writes the colour back in the shape it was bound in.
class LWPropColorViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(QColor colorValue READ colorValue WRITE setColorValue NOTIFY colorValueChanged)
    Q_PROPERTY(bool showAlpha READ showAlpha CONSTANT)

public:
    using UndoValue = QColor;

    LWPropColorViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                         LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override;

    QColor colorValue() const { return m_color; }
    void setColorValue(const QColor &color);
    bool showAlpha() const { return m_showAlpha; }

    UndoValue undoValue() const { return m_color; }
    void applyUndoValue(const QColor &color);

    // A fraction 0..1 as a colour component. Truncates like the files'
    // other readers, but a fraction this class wrote itself (n / 255) reads
    // back as n, so load and save cycles never darken a colour.
    static int componentFromFraction(double fraction);

signals:
    void colorValueChanged(QColor color);

private:
    void readBound(const QJsonValue &bound);

    QColor m_color = Qt::white;
    bool m_showAlpha = true;
    bool m_boundAsString = false;
};
