#pragma once

#include "scene/LWSceneViewModel.h"

#include <QObjectList>
#include <QString>

// The scene of a face makeup: its filters drawn over the mean face, with
// the pupil drawn on its own over both eyes. The makeup answers the
// questions through Source; the scene only announces changes.
class LWMakeupV2SceneViewModel : public LWSceneViewModel
{
    Q_OBJECT
    Q_PROPERTY(QString backgroundImage READ backgroundImage CONSTANT)
    Q_PROPERTY(QObjectList listFilterObject READ listFilterObject NOTIFY listFilterObjectChanged)
    Q_PROPERTY(QString pupilFilterPath READ pupilFilterPath NOTIFY pupilFilterPathChanged)
    Q_PROPERTY(int standardFaceWidth READ standardFaceWidth NOTIFY standardFaceWidthChanged)
    Q_PROPERTY(bool filterChecked READ filterChecked WRITE setFilterChecked NOTIFY filterCheckedChanged)

public:
    class Source
    {
    public:
        virtual ~Source() = default;
        // The filters to draw, last drawn first (the top filter is drawn
        // last), without the pupil.
        virtual QObjectList sceneFilters() const = 0;
        // The pupil picture, empty without a pupil filter.
        virtual QString scenePupilPath() const = 0;
        virtual int sceneStandardFaceWidth() const = 0;
    };

    // source is not owned and must outlive the scene (the makeup owns both).
    explicit LWMakeupV2SceneViewModel(Source *source, QObject *parent = nullptr);

    QString qmlPath() const override { return QStringLiteral("qrc:/LWFaceMakeUpV2/LWMakeUpSceneView.qml"); }
    QString backgroundImage() const { return QStringLiteral("qrc:/LWFaceMakeUpV2/res/meanface.png"); }
    // Reading the list also refreshes the pupil picture: the view reads
    // both after every change of the list.
    QObjectList listFilterObject();
    QString pupilFilterPath() const { return m_pupilFilterPath; }
    int standardFaceWidth() const;
    bool filterChecked() const { return m_filterChecked; }
    void setFilterChecked(bool checked);

    // A filter came, went, moved or changed its picture.
    void notifyFilterListChanged();

signals:
    void listFilterObjectChanged();
    void pupilFilterPathChanged();
    void standardFaceWidthChanged();
    void filterCheckedChanged();

private:
    Source *m_source; // not owned
    QString m_pupilFilterPath;
    bool m_filterChecked = true;
};
