#pragma once

// Helpers of the resource library tests: image fixtures written on the fly
// (PNG of 8 and 16 bits, GIF animations, files whose suffix lies) and the
// library invariant, checked after every edit, undo and redo: every tree
// item names a record, every record's file is on disk, every item's parent
// and row agree with its parent's list, and the controller's tree model
// shows exactly that structure.

#include "app/LWMainWindowController.h"
#include "navigation/LWNaviTreeModel.h"
#include "resources/LWResouceTreeViewModel.h"
#include "resources/LWResourceComponentView.h"
#include "resources/LWResourceGroupsView.h"
#include "resources/LWResourceManager.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtTest>

namespace LWResourceTestKit {

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An 8-bit RGBA PNG (or 16-bit with wide) of one colour.
inline QString writePng(const QString &path, QSize size = QSize(8, 8), QColor color = Qt::red, bool wide = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, wide ? QImage::Format_RGBA64 : QImage::Format_ARGB32);
    image.fill(color);
    return image.save(path, "PNG") ? path : QString();
}

inline int pngBitDepth(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(25);
    return header.size() == 25 ? quint8(header.at(24)) : -1;
}

// A GIF89a animation with one frame per colour, written with the simplest
// valid LZW stream (9-bit literal codes, a clear code every 100 pixels).
inline QByteArray gifBytes(const QList<QColor> &frames, QSize size = QSize(4, 4))
{
    QByteArray gif("GIF89a");
    auto le16 = [&gif](int v) { gif.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    le16(size.width());
    le16(size.height());
    gif.append(char(0xF7)).append(char(0)).append(char(0)); // 256-entry global table
    for (int i = 0; i < 256; ++i) {
        const QColor c = i < frames.size() ? frames.at(i) : QColor(Qt::black);
        gif.append(char(c.red())).append(char(c.green())).append(char(c.blue()));
    }
    gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int index = 0; index < frames.size(); ++index) {
        gif.append("\x21\xF9\x04\x00", 4);
        le16(10);
        gif.append(char(0)).append(char(0));
        gif.append(char(0x2C));
        le16(0);
        le16(0);
        le16(size.width());
        le16(size.height());
        gif.append(char(0));
        gif.append(char(8)); // minimum code size
        QByteArray data;
        quint32 bits = 0;
        int bitCount = 0;
        auto put = [&](int code) {
            bits |= quint32(code) << bitCount;
            bitCount += 9;
            while (bitCount >= 8) {
                data.append(char(bits & 0xff));
                bits >>= 8;
                bitCount -= 8;
            }
        };
        const int pixels = size.width() * size.height();
        for (int p = 0; p < pixels; ++p) {
            if (p % 100 == 0)
                put(256);
            put(index);
        }
        put(257);
        if (bitCount > 0)
            data.append(char(bits & 0xff));
        for (int at = 0; at < data.size(); at += 255) {
            const QByteArray block = data.mid(at, 255);
            gif.append(char(block.size())).append(block);
        }
        gif.append(char(0));
    }
    gif.append(char(0x3B));
    return gif;
}

inline QString writeGif(const QString &path, const QList<QColor> &frames, QSize size = QSize(4, 4))
{
    return writeFile(path, gifBytes(frames, size)) ? path : QString();
}

inline LWResourceManager *library()
{
    return LWResourceManager::instance();
}

// Every item below the node, depth first.
inline void collectItems(LWNaviTreeItem *node, QList<LWResourceViewBase *> &items)
{
    for (int row = 0; row < node->childCount(); ++row) {
        auto *child = qobject_cast<LWResourceViewBase *>(node->child(row));
        items.append(child);
        if (child)
            collectItems(child, items);
    }
}

inline QList<LWResourceComponentView *> components()
{
    QList<LWResourceViewBase *> items;
    if (library()->treeRoot())
        collectItems(library()->treeRoot(), items);
    QList<LWResourceComponentView *> found;
    for (LWResourceViewBase *item : items) {
        if (auto *component = qobject_cast<LWResourceComponentView *>(item))
            found.append(component);
    }
    return found;
}

inline LWResourceComponentView *componentOf(const QString &resourceId)
{
    for (LWResourceComponentView *component : components()) {
        if (component->resourceId() == resourceId)
            return component;
    }
    return nullptr;
}

inline QString checkNode(LWNaviTreeItem *node, LWNaviTreeModel *model, const QModelIndex &index)
{
    if (model && model->rowCount(index) != node->childCount())
        return QStringLiteral("model shows %1 rows under %2, the tree has %3")
            .arg(model->rowCount(index)).arg(node->title()).arg(node->childCount());
    for (int row = 0; row < node->childCount(); ++row) {
        auto *child = qobject_cast<LWResourceViewBase *>(node->child(row));
        if (!child)
            return QStringLiteral("a child of %1 is no resource item").arg(node->title());
        if (child->parentItem() != node || child->row() != row)
            return QStringLiteral("%1 does not know its place").arg(child->title());
        if (auto *component = qobject_cast<LWResourceComponentView *>(child)) {
            if (!library()->findRecord(component->resourceId()))
                return QStringLiteral("item %1 names no record").arg(component->title());
        }
        const QModelIndex childIndex = model ? model->index(row, 0, index) : QModelIndex();
        if (model && LWNaviTreeModel::itemFromIndex(childIndex) != child)
            return QStringLiteral("model row %1 under %2 is another item").arg(row).arg(node->title());
        const QString nested = checkNode(child, model, childIndex);
        if (!nested.isEmpty())
            return nested;
    }
    return QString();
}

// Empty when the library is consistent, else what is wrong.
inline QString libraryProblem()
{
    LWResouceTreeViewModel *root = library()->treeRoot();
    if (!root)
        return QString();
    LWNaviTreeModel *model = LWMainWindowController::instance()->resourceNaviTreeModel();
    if (model && model->rootItem() != root)
        return QStringLiteral("the controller shows another tree");
    const QString tree = checkNode(root, model, QModelIndex());
    if (!tree.isEmpty())
        return tree;
    for (const auto &record : library()->records()) {
        const QFileInfo file(library()->absolutePath(record->resourceId));
        if (!file.exists() || file.isDir() != record->isFolder())
            return QStringLiteral("the file of record %1 (%2) is missing").arg(record->resourceId, record->sourceFilePath);
    }
    return QString();
}

} // namespace LWResourceTestKit

#define LW_VERIFY_LIBRARY()                                                                        \
    do {                                                                                           \
        const QString problem = LWResourceTestKit::libraryProblem();                               \
        QVERIFY2(problem.isEmpty(), qPrintable(problem));                                          \
    } while (false)
