#pragma once

#include "LWPropChoiceViewModel.h"

#include <QStringList>

// An image preview with a drop-down of the project's images and a button
// that imports a new one (the filter's lookup table, for example). Picks
// apply at once. "checkSize" makes a pick or an import that does not meet
// the size constraint ("resConstrainType", else the 512 x 512 of a lookup
// table) fail with signalTextureSizeNotFit.
class LWPropImageButtonViewModel : public LWPropChoiceViewModel
{
    Q_OBJECT
    Q_PROPERTY(int width READ width CONSTANT)
    Q_PROPERTY(QString imageSize READ imageSize NOTIFY imageInfoChanged)
    Q_PROPERTY(QString imageType READ imageType NOTIFY imageInfoChanged)
    Q_PROPERTY(QString imageResolution READ imageResolution NOTIFY imageInfoChanged)
    Q_PROPERTY(QStringList imageUrls READ imageUrls NOTIFY optionsChanged)
    // Why the chosen image does not meet the size rule; empty when it does.
    Q_PROPERTY(QString sizeProblem READ sizeProblem NOTIFY imageInfoChanged)

public:
    LWPropImageButtonViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                               LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override { return m_selectedKey; }

    int width() const { return m_width; }
    QString imageSize() const { return m_imageSize; }
    QString imageType() const { return m_imageType; }
    QString imageResolution() const { return m_imageResolution; }
    QString sizeProblem() const { return m_sizeProblem; }
    QStringList imageUrls() const;

    Q_INVOKABLE void onClickButton();
    // Shows size, type and resolution of the entry at index.
    Q_INVOKABLE void setImageInfo(int index);

signals:
    void imageInfoChanged();
    void signalunRecognizedImage(QString message);
    void signalTextureSizeNotFit(QString message);

protected:
    void chooseFile() override { pickFile(); }
    // The images that meet the size rule, and the chosen one whatever its
    // size: the author's choice is shown, with its problem, not replaced.
    QList<Entry> resourceEntries() const override;
    void commitIndex(int index) override;

private:
    void pickFile();
    void imported(const QList<QUrl> &urls);
    bool meetsConstraint(const QString &resourceId);

    int m_width = 120;
    int m_sizeConstraint = 0;
    QString m_imageSize;
    QString m_imageType;
    QString m_imageResolution;
    QString m_sizeProblem;
};
