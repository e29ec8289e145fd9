#include "LWResource2DTextureFrameModel.h"

#include "LWResourceManager.h"
#include "common/LWEffectCommon.h"
#include "common/LWFolderUtil.h"
#include "compress/LWTextureCompess.h"
#include "inspector/LWInspectorHub.h"
#include "inspector/LWInspectorViewModel.h"
#include "undo/LWUndoStack.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QThread>

namespace {

// The bits of the panel's owner-to-tree messages.
constexpr int kOptionEnabled = 1;
constexpr int kProgress = 2;
constexpr int kResourceChanged = 4;
constexpr int kTextureClickEnabled = 8;
constexpr int kIndexChanged = 32;

int clampLevel(int level)
{
    return LWTextureCompess::isCompressedLevel(level) ? level : 0;
}

} // namespace

LWResource2DTextureFrameModel::LWResource2DTextureFrameModel(const RecordPtr &record)
    : LWResource2DTextureModel(record)
    , m_level(clampLevel(record->compressType))
    , m_plainFilePath(record->plainFilePath.isEmpty() ? NSLWResourceParameter::plainFilePathOf(record->sourceFilePath)
                                                      : record->plainFilePath)
{
    m_progress = m_level == 0 ? 0.0f : 1.0f;
    // Undo and redo of the level reach the panel while another item may be
    // selected; the model listens to every edit, not only the selection's.
    connect(LWInspectorHub::instance(), &LWInspectorHub::inspectorDataChanged, this,
            &LWResource2DTextureFrameModel::onInspectorDataChanged);
}

LWResource2DTextureFrameModel::~LWResource2DTextureFrameModel()
{
    // Nobody would take the result: the worker stops at its next frame.
    if (m_thread)
        m_thread->requestInterruption();
}

// --- what the panel shows --------------------------------------------------------

QString LWResource2DTextureFrameModel::imagePathFor(const QString &sourceFilePath) const
{
    const QString folder = resourcesFolder() + sourceFilePath;
    const QString first = folder + QLatin1Char('/') + name() + QStringLiteral("_000.png");
    if (QFileInfo(first).isFile())
        return first;
    // Sequences made from JPEG files, or stored by other versions, number
    // their frames otherwise; the preview shows the first one there is.
    const QStringList frames = QDir(folder).entryList(QDir::Files, QDir::Name);
    return frames.isEmpty() ? first : folder + QLatin1Char('/') + frames.first();
}

QJsonObject LWResource2DTextureFrameModel::inspectorData() const
{
    const double progress = m_compressing ? double(m_progress) : (m_level == 0 ? 0.0 : 1.0);
    return {{QStringLiteral("texture2d"), imagePath()},
            {QStringLiteral("compressType"), m_level},
            {QStringLiteral("progress"), progress}};
}

bool LWResource2DTextureFrameModel::qualify(int constraint, QString *error) const
{
    if (constraint == LWEffectCommon::LWConstraintTypeFaceSize1280 && m_acceptFaceSize1280) {
        if (error)
            error->clear();
        return true;
    }
    return LWResource2DTextureModel::qualify(constraint, error);
}

QString LWResource2DTextureFrameModel::levelFolder(int level) const
{
    return resourcesFolder() + m_plainFilePath + LWTextureCompess::folderSuffix(level);
}

int LWResource2DTextureFrameModel::recordLevel() const
{
    const RecordPtr current = record();
    return current ? clampLevel(current->compressType) : 0;
}

void LWResource2DTextureFrameModel::notifyPanel(int kinds, const QJsonObject &payload)
{
    if (const std::shared_ptr<LWInspectorViewModel> root = inspector())
        root->notifyChildren(kinds, payload);
}

void LWResource2DTextureFrameModel::setControlsEnabled(bool enabled)
{
    notifyPanel(kOptionEnabled | kTextureClickEnabled,
                {{QStringLiteral("optionEnabled"), enabled}, {QStringLiteral("textureClickEnabled"), enabled}});
}

void LWResource2DTextureFrameModel::setProgress(float value)
{
    m_progress = value;
    notifyPanel(kProgress, {{QStringLiteral("progress"), double(value)}});
}

void LWResource2DTextureFrameModel::reload()
{
    const RecordPtr current = record();
    if (!current || m_compressing)
        return;
    m_plainFilePath = current->plainFilePath;
    m_level = clampLevel(current->compressType);
    LWResource2DTextureModel::reload();
    notifyPanel(kIndexChanged, {{QStringLiteral("indexChanged"), m_level}});
    setProgress(m_level == 0 ? 0 : 1);
    emit stateChanged();
}

// --- switching levels ----------------------------------------------------------------

void LWResource2DTextureFrameModel::onInspectorDataChanged()
{
    const std::shared_ptr<LWInspectorViewModel> root = inspector();
    if (!root)
        return;
    const QJsonValue chosen = root->value().toObject().value(QStringLiteral("compressType"));
    if (chosen.isDouble() && chosen.toInt() != m_level)
        switchLevel(chosen.toInt());
}

void LWResource2DTextureFrameModel::chooseLevel(int level)
{
    if (level < 0 || level > 3)
        return;
    notifyPanel(kIndexChanged, {{QStringLiteral("indexChanged"), level}});
    switchLevel(level);
}

void LWResource2DTextureFrameModel::switchLevel(int level)
{
    if (level < 0 || level > 3 || level == m_level)
        return;
    m_level = level;
    emit stateChanged();
    if (!m_compressing)
        applyLevel();
}

void LWResource2DTextureFrameModel::applyLevel()
{
    if (!record())
        return;
    if (m_level == 0 || QFileInfo(levelFolder(m_level)).isDir())
        useFolderOf(m_level);
    else
        startCompression(m_level);
}

void LWResource2DTextureFrameModel::useFolderOf(int level)
{
    const RecordPtr current = record();
    if (!current)
        return;
    const QString relative = m_plainFilePath + LWTextureCompess::folderSuffix(level);
    const bool changed = current->sourceFilePath != relative || current->compressType != level;
    current->sourceFilePath = relative;
    current->compressType = level;
    setSourceFilePath(relative);
    setProgress(level == 0 ? 0 : 1);
    notifyPanel(kResourceChanged, {{QStringLiteral("resourceChanged"), imagePath()}});
    if (changed) {
        // The manifest will name another folder: the project has changed,
        // and lists showing the sequence's frames must read them again.
        LWUndoStack::instance()->markChanged();
        emit LWResourceManager::instance()->resourceModelDataChanged(LWEffectCommon::LWResourceType2DTextureFrame);
    }
    emit stateChanged();
}

void LWResource2DTextureFrameModel::startCompression(int level)
{
    const QString staging = levelFolder(level) + stagingSuffix();
    // Left over from a run that was stopped with the program.
    LWFolderUtil::removeFolder(staging);
    m_compressing = true;
    m_compressingLevel = level;
    LWTextureCompess *worker = LWTextureCompess::prepare(levelFolder(0), staging, level, resourceId());
    connect(worker, qOverload<float>(&LWTextureCompess::progress), this,
            &LWResource2DTextureFrameModel::compressProgess);
    connect(worker, &LWTextureCompess::finished, this, &LWResource2DTextureFrameModel::compressCompleted);
    connect(worker, qOverload<int>(&LWTextureCompess::compressError), this,
            &LWResource2DTextureFrameModel::compressError);
    m_thread = worker->thread();
    setControlsEnabled(false);
    setProgress(0);
    emit stateChanged();
    worker->start();
}

void LWResource2DTextureFrameModel::compressProgess(float p_fProgress)
{
    if (!m_compressing)
        return;
    setProgress(p_fProgress);
    emit compressionProgress(p_fProgress, resourceId());
}

bool LWResource2DTextureFrameModel::publishStaging(int level)
{
    const QString target = levelFolder(level);
    const QString staging = target + stagingSuffix();
    const QDir source(levelFolder(0));
    const QDir stage(staging);
    if (!source.exists() || !stage.exists())
        return false;
    const QStringList frames = source.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    const QStringList written = stage.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &entry : written) {
        if (!frames.contains(entry)) {
            const QString path = stage.filePath(entry);
            QFileInfo(path).isDir() ? LWFolderUtil::removeFolder(path) : QFile::remove(path);
        }
    }
    // Frames the quantiser does not take (JPEG frames of a sequence made
    // from chosen files) still belong to the sequence.
    for (const QString &entry : frames) {
        if (written.contains(entry))
            continue;
        const QString from = source.filePath(entry);
        const bool copied = QFileInfo(from).isDir() ? LWFolderUtil::copyFolder(from, stage.filePath(entry))
                                                    : QFile::copy(from, stage.filePath(entry));
        if (!copied)
            return false;
    }
    if (QFileInfo::exists(target)) {
        LWFolderUtil::removeFolder(staging);
        return true;
    }
    return QDir().rename(staging, target);
}

void LWResource2DTextureFrameModel::compressCompleted()
{
    if (!m_compressing)
        return;
    if (!publishStaging(m_compressingLevel)) {
        compressError(LWTextureCompess::ErrorDestination);
        return;
    }
    m_compressing = false;
    m_thread = nullptr;
    const int level = m_compressingLevel;
    setControlsEnabled(true);
    if (m_level == level)
        useFolderOf(level);
    emit compressionCompleted(resourceId());
    emit stateChanged();
    // The author chose another level meanwhile.
    if (m_level != recordLevel() && !m_compressing)
        applyLevel();
}

void LWResource2DTextureFrameModel::compressError(int errorMsg)
{
    if (!m_compressing)
        return;
    m_compressing = false;
    m_thread = nullptr;
    const int failedLevel = m_compressingLevel;
    LWFolderUtil::removeFolder(levelFolder(failedLevel) + stagingSuffix());
    qWarning().noquote() << QStringLiteral("compression of %1 to level %2 failed with error %3")
                                .arg(name()).arg(failedLevel).arg(errorMsg);
    // The sequence stays where it was; the drop-down says so again.
    if (m_level == failedLevel) {
        m_level = recordLevel();
        notifyPanel(kIndexChanged, {{QStringLiteral("indexChanged"), m_level}});
    }
    setProgress(recordLevel() == 0 ? 0 : 1);
    setControlsEnabled(true);
    emit compressionFailed(errorMsg, resourceId());
    emit stateChanged();
    if (m_level != recordLevel())
        applyLevel();
}
