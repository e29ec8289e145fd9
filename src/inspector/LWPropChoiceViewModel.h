#pragma once

#include "LWPropViewModel.h"

#include <QList>

class LWPropOptionItemModel;

// What the choosing controls share (drop-down, texture choice, image grid,
// image button): a list of entries with titles, icons and values, the
// selected index, and for resource-backed lists the rebuild from the
// resource library whenever it reports a change of the listed type.
//
// A resource list remembers the id it was bound to even while that id is
// not listed (the library may load after the panel, or the resource may be
// gone): it shows "None" but does not write "None" over the owner's id
// until the author picks something.
class LWPropChoiceViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(int optionIndex READ optionIndex WRITE setOptionIndex NOTIFY optionIndexChanged)
    Q_PROPERTY(QList<QObject *> options READ options NOTIFY optionsChanged)
    Q_PROPERTY(bool enabled READ enabled NOTIFY enabledChanged)
    Q_PROPERTY(int fontWidth READ fontWidth NOTIFY fontWidthChanged)
    Q_PROPERTY(QString comboDisplayText READ comboDisplayText NOTIFY comboDisplayTextChanged)

public:
    struct Entry
    {
        QString title;
        QString iconPath;
        QJsonValue value;
    };

    static const char *const kNoneValue;       // "__LWOptionNone"
    static const char *const kPlaceholderIcon; // the "None" entry's image

    LWPropChoiceViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                          LWQmlViewModel *parent, int height);
    ~LWPropChoiceViewModel() override;

    int optionIndex() const { return m_optionIndex; }
    void setOptionIndex(int index);
    QList<QObject *> options() const;
    bool enabled() const { return m_enabled; }
    int fontWidth() const { return m_fontWidth; }
    QString comboDisplayText() const;
    int entryCount() const { return m_entries.size(); }
    const Entry &entry(int index) const;
    // The key (string form of the value) of the current choice.
    QString selectedKey() const { return m_selectedKey; }
    // LWResourceType listed, -1 for a static list.
    int resourceType() const { return m_resourceType; }

    // Sets the index without an undo step and says so to the owner's
    // tree only when announce is set.
    void applyIndex(int index, bool announce);
    void notifyChildren(int kinds, const QJsonValue &payload) override;

    // A value as the key it is matched by: numbers in decimal, text as is.
    static QString keyOf(const QJsonValue &value);
    // Chooses the library resource with this id, as the author would in the
    // list (its edit path and undo step); false when the list does not offer it.
    bool chooseKey(const QString &key);
    // The resource-backed choice editing the member id in the tree, or null.
    static LWPropChoiceViewModel *findIn(LWQmlViewModel *root, const QString &memberId);

public slots:
    void onResourceModelDataChanged(int type);
    void onResLibDataChanged();

signals:
    void optionIndexChanged(int index);
    void optionsChanged();
    void enabledChanged();
    void fontWidthChanged();
    void comboDisplayTextChanged();

protected:
    // The click button: shows the component's tutorial hint first when it
    // has one, then lets the author choose a file (chooseFile).
    void chooseFileAfterTutorial();
    virtual void chooseFile() {}
    // How a committed choice is applied; the drop-down makes it an undo step.
    virtual void commitIndex(int index);
    // The entries of a resource list: "None", then the library's resources.
    virtual QList<Entry> resourceEntries() const;
    void setEntries(QList<Entry> entries);
    void setEnabled(bool enabled);
    // Reads "dynamicResData"; connects the rebuild when it names a type.
    void listResources(int constraint);
    void rebuildFromResources();
    bool keyListed() const;

    QList<Entry> m_entries;
    QList<LWPropOptionItemModel *> m_items; // owned (QObject children)
    int m_optionIndex = 0;
    QString m_selectedKey;
    int m_resourceType = -1;
    int m_constraint = 0;
    bool m_enabled = true;
    bool m_autoEnable = true;
    int m_fontWidth = 0;
};
