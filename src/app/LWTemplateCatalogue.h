#pragma once

#include <QAbstractListModel>
#include <QVector>

// The shipped templates a project can start from: the home window's tiles
// and the main menu's "Create a new project from the template" entries read
// the same rows. Only templates whose archive this build carries are
// listed. Titles and groups are translated when they are read, so the rows
// speak the language the translator installed.
class LWTemplateCatalogue : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        TitleRole = Qt::UserRole + 1,
        GroupRole,
        ZipRole,        // "qrc:/LWHome/templates/<name>.zip"
        PictureRole,    // the tile's picture, empty when the build has none
        UsageEventRole, // the usage event reported when a project starts from it
    };
    Q_ENUM(Role)

    static LWTemplateCatalogue *instance();

    explicit LWTemplateCatalogue(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    struct Entry
    {
        const char *group;
        const char *title;
        QString zip;
        QString picture;
        QString usageEvent;
    };
    QVector<Entry> m_entries;
};
