#pragma once

#include "LWPropViewModel.h"

#include <QUrl>

// A labelled image that the author replaces by dropping or picking a file.
// The value is the bound object with "imageName" set to the image's path.
class LWPropImageViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(QString labelName READ labelName CONSTANT)
    Q_PROPERTY(QString imgPath READ imgPath NOTIFY imgPathChanged)
    Q_PROPERTY(int width READ width CONSTANT)

public:
    LWPropImageViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                         LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override;

    QString labelName() const { return m_name; }
    QString imgPath() const;
    int width() const { return m_width; }
    Q_INVOKABLE void changeImage(QUrl url);

signals:
    void imgPathChanged();
    void signalunRecognizedImage(QString message);

private:
    QString m_imageName;
    int m_width = 120;
};
