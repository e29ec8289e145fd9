#pragma once

#include "LWResource2DTextureModel.h"

#include <QObject>
#include <QPointer>

class QThread;

// The inspector of a frame sequence: the preview of its first frame, the
// compression level and the progress of a running compression.
//
// Switching the level points the record at the sequence's folder for that
// level: the uncompressed folder for 0, the folder with the level's suffix
// for 1 to 3, compressed first when it does not exist yet. Compressed
// folders are kept, so switching back and forth compresses each level only
// once. A compression is written into a staging folder that becomes the
// level's folder only once complete, and the record moves there only then:
// until then saving, exporting and previewing keep using the folder the
// record names, and a failed compression leaves the sequence as it was.
class LWResource2DTextureFrameModel : public QObject, public LWResource2DTextureModel
{
    Q_OBJECT

public:
    static QString profilePath2DTextureFrame() { return QStringLiteral(":/ResourceInspector/LW2DTextureFrameView.json"); }
    // Suffix of the folder a compression is written into before it is complete.
    static QString stagingSuffix() { return QStringLiteral("_partial"); }

    explicit LWResource2DTextureFrameModel(const RecordPtr &record);
    ~LWResource2DTextureFrameModel() override;

    // The level the author chose (the record follows once its folder is ready).
    int level() const { return m_level; }
    bool compressing() const { return m_compressing; }
    float progressValue() const { return m_progress; }
    QString plainFilePath() const { return m_plainFilePath; }
    void reload() override;
    // The resources folder + the level's folder of the sequence.
    QString levelFolder(int level) const;
    // "<folder>/<name>_000.png" of the folder the record names.
    QString firstFramePath() const { return imagePath(); }

    // The level switch. Levels outside 0 to 3 are ignored; during a running
    // compression the last wish is kept and taken up when it ends.
    void switchLevel(int level);
    // The same from outside the panel (the batch window): the panel's
    // drop-down shows the level too, without an undo step.
    void chooseLevel(int level);

    bool qualify(int constraint, QString *error) const override;
    // Lets constraint 2 pass without looking at the frames (off unless set).
    void setAcceptsFaceSize1280(bool accepts) { m_acceptFaceSize1280 = accepts; }

public slots:
    void compressProgess(float p_fProgress);
    void compressCompleted();
    void compressError(int errorMsg);
    // The panel's edits: only the level is taken.
    void onInspectorDataChanged();

signals:
    // For the batch window; res_id is the record's resource id.
    void compressionProgress(float value, QString res_id);
    void compressionCompleted(QString res_id);
    void compressionFailed(int errorMsg, QString res_id);
    // The level, the compressing flag or the folder changed.
    void stateChanged();

protected:
    QString profilePath() const override { return profilePath2DTextureFrame(); }
    QJsonObject inspectorData() const override;
    QString imagePathFor(const QString &sourceFilePath) const override;

private:
    void applyLevel();
    void startCompression(int level);
    // The staging folder becomes the level's folder: frames the quantiser
    // left out are copied as they are, strays are dropped.
    bool publishStaging(int level);
    // Points the record and the panel at the folder of a level.
    void useFolderOf(int level);
    int recordLevel() const;
    void notifyPanel(int kinds, const QJsonObject &payload);
    void setControlsEnabled(bool enabled);
    void setProgress(float value);

    int m_level = 0;
    QString m_plainFilePath;
    bool m_compressing = false;
    int m_compressingLevel = 0;
    float m_progress = 0;
    bool m_acceptFaceSize1280 = false;
    QPointer<QThread> m_thread; // the running compression's thread; deletes itself
};
