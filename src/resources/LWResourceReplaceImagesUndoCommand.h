#pragma once

#include "undo/LWUndoCommand.h"

#include <QString>

// Gives an image or a frame sequence of the library new pictures. The new
// pictures are stored beside the old ones under a fresh storage name and
// the record is pointed at them, so the files a saved project names stay
// untouched until the next save; undo points the record back. The side
// that is not in use when the stack drops the command is released like a
// removed resource's files.
class LWResourceReplaceImagesUndoCommand : public LWUndoCommand
{
public:
    struct Storage
    {
        QString name;           // record name (a frame folder's name and frame prefix)
        QString sourceFilePath; // relative to the resources folder
        int compressType = 0;
    };

    LWResourceReplaceImagesUndoCommand(const QString &resourceId, const Storage &before, const Storage &after);

    void redo() override;
    void undo() override;
    void discard() override;

private:
    void apply(const Storage &storage);

    QString m_resourceId;
    Storage m_before;
    Storage m_after;
    bool m_done = false;
};
