#pragma once

#include "LWPropChoiceViewModel.h"

#include <QStringList>

// A grid of images to choose from; the first cell is "no image". Entries
// come from the profile's "options" (image paths) and, with
// "dynamicResData", from the project's resources. Picks apply at once.
class LWPropImageOptionViewModel : public LWPropChoiceViewModel
{
    Q_OBJECT
    Q_PROPERTY(QStringList strTexurePaths READ strTexurePaths NOTIFY optionsChanged)
    Q_PROPERTY(int imgWidth READ imgWidth CONSTANT)
    Q_PROPERTY(int imgHeight READ imgHeight CONSTANT)

public:
    static const char *const kNoImage; // "no image"

    LWPropImageOptionViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                               LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override;

    QStringList strTexurePaths() const;
    int imgWidth() const { return m_imgWidth; }
    int imgHeight() const { return m_imgHeight; }

protected:
    QList<Entry> resourceEntries() const override;

private:
    QList<Entry> staticEntries() const;

    int m_imgWidth = 64;
    int m_imgHeight = 64;
};
