#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// One resource offered by a resource-backed control.
struct LWInspectorResourceEntry
{
    QString resourceId;
    QString title;         // the name shown in the tree
    QString thumbnailPath; // absolute path of its first image; empty for music
};

// What the resource-backed controls ask of the project's resource library.
// The engine reaches the library only through this interface, so it stays
// free of the library's own headers; the application installs the real one
// on the inspector hub. This base is an empty library: every query gives
// its "no such resource" answer.
class LWInspectorResources
{
public:
    virtual ~LWInspectorResources();

    // Resources of an LWResourceType in tree order; with a constraint
    // (LWConstraintType) only those whose first image qualifies.
    virtual QList<LWInspectorResourceEntry> collectByType(int type, int constraint) const;
    // Resources folder + the stored relative path; empty when unknown.
    virtual QString absolutePath(const QString &resourceId) const;
    // The file itself, or the first entry of a frame folder.
    virtual QString firstImage(const QString &resourceId) const;
    // 1 for a single file, the entries of a frame folder, 0 when unknown.
    virtual int frameCount(const QString &resourceId) const;
    // Bytes on disk (summed over a frame folder); exists tells whether there is a record.
    virtual qint64 sizeOnDisk(const QString &resourceId, bool *exists) const;
    virtual QString displayName(const QString &resourceId) const;
    // LWResourceType of the record, 0 when unknown.
    virtual int type(const QString &resourceId) const;
    // Whether the resource's first image meets an LWConstraintType; error
    // receives the text to show when it does not.
    virtual bool qualifies(const QString &resourceId, int constraint, QString *error) const;
    // Imports what the author picked as one resource of the given type and
    // returns its id (empty when nothing was imported).
    virtual QString importPicked(int type, const QList<QUrl> &urls);
    // Whether what the author picked (a file, several, or a frame folder)
    // meets an LWConstraintType, judged on its first image before anything
    // is imported; error receives the text to show when it does not.
    virtual bool pickQualifies(int type, const QList<QUrl> &urls, int constraint, QString *error) const;
};
