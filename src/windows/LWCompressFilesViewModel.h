#pragma once

#include "common/Singleton.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class CompressFileModel;
class LWNaviTreeItem;
class LWResource2DTextureFrameModel;

// The batch window "Compressed file": every frame sequence of the project
// with its frame count, size, first frame and compression level. Choosing a
// level switches the chosen sequence exactly as its inspector does (the
// sequence's own model does the switching, so one compression per sequence
// runs at a time whichever window started it).
class LWCompressFilesViewModel : public QObject, public Singleton<LWCompressFilesViewModel>
{
    Q_OBJECT
    friend class Singleton<LWCompressFilesViewModel>;
    Q_PROPERTY(int getImagesNumber READ getImagesNumber NOTIFY selectionInfoChanged)
    Q_PROPERTY(QString getImagesSize READ getImagesSize NOTIFY selectionInfoChanged)
    Q_PROPERTY(QString getImagesFirstPath READ getImagesFirstPath NOTIFY selectionInfoChanged)
    Q_PROPERTY(int getCompressType READ getCompressType NOTIFY selectionInfoChanged)
    Q_PROPERTY(float getProcessValue READ getProcessValue NOTIFY processValueChanged)
    Q_PROPERTY(bool getCompressTypeEnable READ getCompressTypeEnable NOTIFY selectionInfoChanged)
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY selectionInfoChanged)

public:
    using Singleton<LWCompressFilesViewModel>::instance;

    static QString windowObjectName() { return QStringLiteral("compressFilesWindow"); }

    int getImagesNumber() const { return m_imagesNumber; }
    QString getImagesSize() const { return m_imagesSize; }
    QString getImagesFirstPath() const { return m_imagesFirstPath; }
    int getCompressType() const { return m_compressType; }
    float getProcessValue() const { return m_processValue; }
    bool getCompressTypeEnable() const { return m_compressTypeEnable; }
    // The chosen entry, -1 when the list is empty.
    int currentIndex() const { return m_currentIndex; }
    QString currentResourceId() const;

    // Showing reads the project's frame sequences again and chooses the
    // first one (or the one chosen before, while it is still there).
    Q_INVOKABLE void showCompressFilesWindow(bool isShow);
    Q_INVOKABLE void onFileListClick(int index);
    Q_INVOKABLE void onCompressTypeListClick(int index);
    Q_INVOKABLE QList<QObject *> getFileList() const;
    // Reads the list again without touching the window.
    void reloadFileList();

public slots:
    void compressProgess(float value, QString res_id);
    void compressCompleted(QString res_id);
    void compressError(int errorMsg, QString res_id);

signals:
    void fileListChanged();
    void selectionInfoChanged();
    void processValueChanged();

private:
    LWCompressFilesViewModel();
    ~LWCompressFilesViewModel() override;

    void select(int index);
    void readSelection();
    void clearList();
    void setProcessValue(float value);

    QList<CompressFileModel *> m_files; // owned (QObject children)
    int m_currentIndex = -1;
    std::shared_ptr<LWResource2DTextureFrameModel> m_current; // the chosen sequence's model
    int m_imagesNumber = 0;
    QString m_imagesSize = QStringLiteral("0.00 KB");
    QString m_imagesFirstPath;
    int m_compressType = 0;
    float m_processValue = 0;
    bool m_compressTypeEnable = false;
};
