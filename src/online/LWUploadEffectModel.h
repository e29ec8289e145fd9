#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class LWUploadEffectFile;
class LWUploadEffectIcon;

// The upload window: name, introduction, hint text and icon of an effect
// submitted for review, optionally replacing one of the author's earlier
// effects. One per process.
class LWUploadEffectModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString effectName READ effectName WRITE setEffectName NOTIFY effectNameChanged)
    Q_PROPERTY(QString effectDesc READ effectDesc WRITE setEffectDesc NOTIFY effectDescChanged)
    Q_PROPERTY(QString strDescription READ strDescription WRITE setStrDescription NOTIFY strDescriptionChanged)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(QString effectSize READ effectSize NOTIFY effectSizeChanged)
    Q_PROPERTY(bool uploadReady READ uploadReady NOTIFY uploadReadyChanged)
    Q_PROPERTY(QUrl iconPath READ iconPath NOTIFY iconPathChanged)
    Q_PROPERTY(bool buploading READ buploading NOTIFY buploadingChanged)

public:
    // The one the interface uses; tests may make their own.
    static LWUploadEffectModel *instance();
    explicit LWUploadEffectModel(QObject *parent = nullptr);

    QString effectName() const { return m_effectName; }
    void setEffectName(const QString &name);
    QString effectDesc() const { return m_effectDesc; }
    void setEffectDesc(const QString &desc);
    QString strDescription() const { return m_strDescription; }
    void setStrDescription(const QString &text);
    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index);
    QString effectSize() const { return m_effectSize; }
    bool uploadReady() const { return m_uploadReady; }
    QUrl iconPath() const { return m_iconPath; }
    bool buploading() const { return m_uploading; }
    QString iconReference() const { return m_iconReference; }

    Q_INVOKABLE void getAndCaculateEffectPack();
    Q_INVOKABLE void uploadIcon(QUrl p_strIconPath);
    // Asks the interface's file dialog for a PNG and uploads it.
    Q_INVOKABLE void chooseIcon();
    Q_INVOKABLE void uploadEffectFile();
    Q_INVOKABLE void uploadEffectFile(QString strUUID);
    Q_INVOKABLE void cancleUpload();

signals:
    void iconUploadResult(int p_type, QString p_retStr);
    void fileUploadResult(int p_type, QString p_retStr);
    void cancleUploadSignal();
    void effectNameChanged();
    void effectDescChanged();
    void strDescriptionChanged();
    void currentIndexChanged();
    void effectSizeChanged();
    void uploadReadyChanged();
    void iconPathChanged();
    void buploadingChanged();

private:
    bool refuseBeforeSending();
    void setUploadReady(bool ready);
    void setUploading(bool uploading);
    void reportSubmission();

    QString m_effectName;
    QString m_effectDesc;
    QString m_strDescription;
    int m_currentIndex = 0;
    QString m_effectSize;
    bool m_uploadReady = false;
    bool m_overSize = false;
    QUrl m_iconPath;
    bool m_uploading = false;
    QString m_packagePath;
    QString m_iconReference;
    LWUploadEffectFile *m_file;  // owned (QObject child)
    LWUploadEffectIcon *m_icon;  // owned (QObject child)
};
