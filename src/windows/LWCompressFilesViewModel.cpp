#include "LWCompressFilesViewModel.h"

#include "common/LWWindowsReady.h"

#include "CompressFileModel.h"
#include "common/LWEffectCommon.h"
#include "resources/LWResource2DTextureFrameModel.h"
#include "resources/LWResourceComponentView.h"
#include "resources/LWResourceManager.h"
#include "workspace/LWEffectPackManager.h"

#include <QDebug>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>
#include <QUrl>
#include <QWindow>
#include <algorithm>

namespace {

LWResourceManager *library()
{
    return LWResourceManager::instance();
}

} // namespace

LWCompressFilesViewModel::LWCompressFilesViewModel()
{
    // Another project, or none: its sequences are other ones.
    connect(LWEffectPackManager::instance(), &LWEffectPackManager::resourceInWorkspaceChanged, this,
            [this](LWNaviTreeItem *) {
                clearList();
                emit fileListChanged();
                readSelection();
            });
}

LWCompressFilesViewModel::~LWCompressFilesViewModel() = default;

QString LWCompressFilesViewModel::currentResourceId() const
{
    return m_currentIndex >= 0 && m_currentIndex < m_files.size() ? m_files.at(m_currentIndex)->resourceId()
                                                                   : QString();
}

QList<QObject *> LWCompressFilesViewModel::getFileList() const
{
    QList<QObject *> files;
    for (CompressFileModel *file : m_files)
        files.append(file);
    return files;
}

void LWCompressFilesViewModel::clearList()
{
    if (m_current)
        disconnect(m_current.get(), nullptr, this, nullptr);
    m_current.reset();
    m_currentIndex = -1;
    for (CompressFileModel *file : qAsConst(m_files))
        file->deleteLater(); // the window may still be drawing them
    m_files.clear();
}

void LWCompressFilesViewModel::reloadFileList()
{
    const QString chosen = currentResourceId();
    clearList();
    // The tree's order first, with the author's names; then sequences the
    // tree does not show.
    QStringList ids;
    QStringList titles;
    const auto items = library()->collectByType(LWEffectCommon::LWResourceType2DTextureFrame);
    for (LWResourceViewBase *item : items) {
        auto *component = qobject_cast<LWResourceComponentView *>(item);
        if (component && library()->findRecord(component->resourceId()) && !ids.contains(component->resourceId())) {
            ids << component->resourceId();
            titles << component->title();
        }
    }
    QList<NSLWResourceParameter::ResourceContentPtr> loose;
    for (const auto &record : library()->records()) {
        if (record->type == LWEffectCommon::LWResourceType2DTextureFrame && !ids.contains(record->resourceId))
            loose << record;
    }
    std::sort(loose.begin(), loose.end(), [](const auto &a, const auto &b) { return a->name < b->name; });
    for (const auto &record : qAsConst(loose)) {
        ids << record->resourceId;
        titles << QString();
    }
    for (int i = 0; i < ids.size(); ++i) {
        // A reopened project has no display names (they are not stored).
        QString name = library()->displayName(ids.at(i));
        if (name.isEmpty())
            name = titles.at(i);
        if (name.isEmpty())
            name = library()->recordName(ids.at(i));
        m_files.append(new CompressFileModel(ids.at(i), name, this));
    }
    emit fileListChanged();
    const int again = ids.indexOf(chosen);
    select(again >= 0 ? again : (ids.isEmpty() ? -1 : 0));
}

void LWCompressFilesViewModel::showCompressFilesWindow(bool isShow)
{
    if (isShow)
        reloadFileList();
    LWWindowsReady::ensure();
    const auto windows = QGuiApplication::allWindows();
    for (QWindow *window : windows) {
        if (window->objectName() != windowObjectName())
            continue;
        if (!isShow) {
            window->hide();
            continue;
        }
        window->show();
        window->raise();
        window->requestActivate();
    }
}

void LWCompressFilesViewModel::onFileListClick(int index)
{
    if (index != m_currentIndex)
        select(index);
}

void LWCompressFilesViewModel::select(int index)
{
    if (m_current)
        disconnect(m_current.get(), nullptr, this, nullptr);
    m_current.reset();
    m_currentIndex = index >= 0 && index < m_files.size() ? index : -1;
    if (m_currentIndex >= 0) {
        m_current = std::dynamic_pointer_cast<LWResource2DTextureFrameModel>(
            library()->resourceModel(m_files.at(m_currentIndex)->resourceId()));
    }
    if (m_current) {
        LWResource2DTextureFrameModel *model = m_current.get();
        connect(model, &LWResource2DTextureFrameModel::compressionProgress, this,
                &LWCompressFilesViewModel::compressProgess);
        connect(model, &LWResource2DTextureFrameModel::compressionCompleted, this,
                &LWCompressFilesViewModel::compressCompleted);
        connect(model, &LWResource2DTextureFrameModel::compressionFailed, this,
                &LWCompressFilesViewModel::compressError);
        connect(model, &LWResource2DTextureFrameModel::stateChanged, this, &LWCompressFilesViewModel::readSelection);
    }
    readSelection();
}

void LWCompressFilesViewModel::readSelection()
{
    if (!m_current) {
        m_imagesNumber = 0;
        m_imagesSize = QStringLiteral("0.00 KB");
        m_imagesFirstPath.clear();
        m_compressType = 0;
        m_compressTypeEnable = false;
        emit selectionInfoChanged();
        setProcessValue(0);
        return;
    }
    const QString id = m_current->resourceId();
    m_imagesNumber = library()->frameCount(id);
    m_imagesSize = QString::number(double(library()->sizeOnDisk(id)) / 1024.0, 'f', 2) + QStringLiteral(" KB");
    const QString first = m_current->firstFramePath();
    m_imagesFirstPath = QFileInfo(first).isFile() ? QUrl::fromLocalFile(first).toString() : QString();
    m_compressType = m_current->level();
    m_compressTypeEnable = !m_current->compressing();
    emit selectionInfoChanged();
    setProcessValue(m_current->progressValue());
}

void LWCompressFilesViewModel::setProcessValue(float value)
{
    if (qFuzzyCompare(value + 1.0f, m_processValue + 1.0f))
        return;
    m_processValue = value;
    emit processValueChanged();
}

void LWCompressFilesViewModel::onCompressTypeListClick(int index)
{
    if (!m_current || m_current->compressing())
        return;
    m_current->chooseLevel(index);
    readSelection();
}

void LWCompressFilesViewModel::compressProgess(float value, QString res_id)
{
    if (res_id == currentResourceId())
        setProcessValue(value);
}

void LWCompressFilesViewModel::compressCompleted(QString res_id)
{
    if (res_id == currentResourceId())
        readSelection();
}

void LWCompressFilesViewModel::compressError(int errorMsg, QString res_id)
{
    qDebug().noquote() << "compression failed:" << errorMsg << res_id;
    if (res_id == currentResourceId())
        readSelection();
}
