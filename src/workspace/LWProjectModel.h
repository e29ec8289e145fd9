#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class LWEffectModel;

// The open project: a folder with its project file, its effect and its
// resource library.
class LWProjectModel : public QObject
{
    Q_OBJECT
public:
    // Opens the project file; missing or broken values take their defaults.
    static LWProjectModel *open(const QString &projectFilePath, QObject *parent = nullptr);
    // A new "Untitled" project in a fresh scratch folder, from the templates.
    static LWProjectModel *createTemporary(QObject *parent = nullptr);

    LWEffectModel *effect() const { return m_effect; }
    QString name() const { return m_name; }
    QString folder() const { return m_folder; }
    QString effectFolderName() const { return m_effectFolderName; }
    QString effectFolder() const { return m_folder + QLatin1Char('/') + m_effectFolderName; }
    QString projectFilePath() const;
    bool isTemporary() const { return m_temporary; }

    // Writes the project file, effect.json and the resource manifest, all
    // of them or none (see LWSaveJournal). Returns false when they could
    // not be written; the project on disk is then the last save.
    bool save();
    // Writes the resource manifest into folder (the effect folder of a copy).
    bool saveLibraryInto(const QString &folder) const;

    // Copies the project into newFolder and continues there; the name
    // follows the folder. Same folder: a plain save.
    bool saveAs(const QString &newFolder);

private:
    explicit LWProjectModel(QObject *parent);
    void loadEffect();
    // Replaces the resource library with this project's.
    void loadResources();
    // The project file into folder, effect.json and the manifest into
    // effectTarget; stops at the first failure.
    bool writeFiles(const QString &folder, const QString &effectTarget);

    LWEffectModel *m_effect = nullptr; // owned (QObject child)
    QString m_name;
    QString m_folder;
    QString m_effectFolderName = QStringLiteral("effect");
    bool m_temporary = false;
};
