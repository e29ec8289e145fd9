#include "LWResourceReplaceImagesUndoCommand.h"

#include "LWResource2DTextureModel.h"
#include "LWResourceManager.h"
#include "NSLWResourceParameter.h"

LWResourceReplaceImagesUndoCommand::LWResourceReplaceImagesUndoCommand(const QString &resourceId,
                                                                       const Storage &before, const Storage &after)
    : m_resourceId(resourceId)
    , m_before(before)
    , m_after(after)
{
}

void LWResourceReplaceImagesUndoCommand::redo()
{
    apply(m_after);
    m_done = true;
}

void LWResourceReplaceImagesUndoCommand::undo()
{
    apply(m_before);
    m_done = false;
}

void LWResourceReplaceImagesUndoCommand::discard()
{
    // Only the pictures the record no longer names go; the library keeps
    // them until a save when the saved manifest still names them.
    LWResourceManager::instance()->releaseStoredPath(m_done ? m_before.sourceFilePath : m_after.sourceFilePath);
}

void LWResourceReplaceImagesUndoCommand::apply(const Storage &storage)
{
    auto *library = LWResourceManager::instance();
    const NSLWResourceParameter::ResourceContentPtr record = library->findRecord(m_resourceId);
    if (!record) {
        logUndoFailure("replace images: the resource is gone");
        return;
    }
    record->name = storage.name;
    record->sourceFilePath = storage.sourceFilePath;
    record->plainFilePath = NSLWResourceParameter::plainFilePathOf(storage.sourceFilePath);
    record->compressType = storage.compressType;
    if (record->model)
        record->model->reload();
    emit library->resourceModelDataChanged(record->type);
}
