#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class LWQmlViewDataSource;
class LWViewData;

// Base of every node of an inspector tree. A tree is built from a profile
// (sections and components) and a copy of its owner's JSON data; each node
// is bound to a piece of that data and hands back its edited piece through
// value(). Nodes are always owned through shared pointers (their parent's
// children list, the owner's root pointer), so undo commands can hold them
// weakly; the QML views only borrow them.
class LWQmlViewModel : public QObject, public std::enable_shared_from_this<LWQmlViewModel>
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString qmlPath READ qmlPath NOTIFY qmlPathChanged)
    Q_PROPERTY(int labelWidth READ labelWidth WRITE setLabelWidth NOTIFY labelWidthChanged)
    Q_PROPERTY(int height READ height WRITE setHeight NOTIFY heightChanged)
    Q_PROPERTY(QString color READ color NOTIFY colorChanged)
    Q_PROPERTY(QString sectionIcon READ sectionIcon NOTIFY sectionIconChanged)
    Q_PROPERTY(bool hasSplit READ hasSplit NOTIFY hasSplitChanged)

public:
    enum LWSectionType {
        LWSectionTypeCheck = 0,
        LWSectionTypeOption,
        LWSectionTypePanel,
        LWSectionTypeSingleValuePanel,
        LWSectionTypeSplitLine,
        LWSectionTypeList,
        LWSectionTypeVarList,
        LWSectionTypeInspector,
    };
    Q_ENUM(LWSectionType)

    enum LWSectionComponentType {
        LWPropTypeOption = 0,
        LWPropTypeVec2,
        LWPropTypeVec3,
        LWPropTypeVec4,
        LWPropTypeEuler,
        LWPropTypeFloatRange,
        LWPropTypeFloat,
        LWPropTypeColor,
        LWPropTypeLabel,
        LWPropTypeBool,
        LWPropTypeButton,
        LWPropTypeInt,
        LWPropTypeLabelInput,
        LWPropTypeParticleAffectorColors,
        LWPropTypeImageViewButton,
        LWPropTypeLabelLabel,
        LWPropTypeOpenPanel,
        LWPropType2DTextureOption,
        LWPropType2DTextureButton,
        LWPropTypeProgressBar,
        LWPropTypeImageOptionPanel,
        LWPropTypeStickerFrameUpdater,
        LWPropTypeLabelButton,
        LWPropTypeRandom,
        LWPropTypeColors,
        LWSpecialTypeFaceIndex,
        LWPropTypeNone,
        LWSection,
        LWPropTypeImageView,
    };
    Q_ENUM(LWSectionComponentType)

    using Ptr = std::shared_ptr<LWQmlViewModel>;

    // The colour of a node whose profile entry names none.
    static const char *const kDefaultBackground;

    explicit LWQmlViewModel(LWQmlViewModel *parent = nullptr);
    ~LWQmlViewModel() override;

    virtual QString name() const { return m_name; }
    virtual void setName(const QString &name);
    // The view document that draws this node; every concrete class names its own.
    virtual QString qmlPath() const { return QString(); }
    virtual QString sectionIcon() const { return m_sectionIcon; }
    virtual bool hasSplit() const { return m_hasSplit; }
    virtual int labelWidth() const { return m_labelWidth; }
    virtual void setLabelWidth(int width);
    virtual int height() const { return m_height; }
    virtual void setHeight(int height);
    virtual QString color() const { return m_color; }

    // The node's current value in the shape its owner's data holds it.
    // Here: the assembled value of a section (build mode, merge rule).
    virtual QJsonValue value() const;

    // List sections take the child's row out; others ignore it.
    virtual void removeItem(const Ptr &item);
    // Growable lists turn this into an undoable removal; others ignore it.
    virtual void requestRemoveItem(const Ptr &item);
    // Owner-to-tree messages: kinds is a bit set naming the members of
    // payload that are meant. The base forwards to every child.
    virtual void notifyChildren(int kinds, const QJsonValue &payload);

    virtual void buildChildren(const QJsonObject &profile, bool clear);
    virtual void buildComponents(const QJsonValue &element, const QJsonObject &profile, bool clear);
    virtual void collectValue(QJsonObject &out) const;
    virtual void collectElementValue(int index, QJsonObject &out) const;
    virtual void collectSingleValue(int index, QJsonValue &out) const;

    LWQmlViewModel *parentNode() const { return m_parent; }
    // A shared reference to this node; null for a node no tree owns.
    Ptr self() { return weak_from_this().lock(); }
    QString id() const { return m_id; }
    QString arrayId() const { return m_arrayId; }
    QString uuid() const { return m_uuid; }
    QString sectionName() const { return m_sectionName; }
    const QJsonObject &profile() const { return m_profile; }
    const QJsonValue &definition() const { return m_definition; }
    const QJsonValue &component() const { return m_component; }
    const QJsonValue &data() const { return m_data; }
    const QList<Ptr> &children() const { return m_children; }
    int hiddenValueCount() const { return int(m_hiddenValues.size()); }
    const LWViewData *hiddenValue(int index) const;
    void addHiddenValue(std::unique_ptr<LWViewData> hidden);

    // This node's data source, else the nearest ancestor's; may be null.
    LWQmlViewDataSource *dataSource() const;
    void setDataSource(LWQmlViewDataSource *source) { m_dataSource = source; }

    // This node and every ancestor emit heightChanged(), so enclosing
    // panels re-layout after a row appeared, vanished or changed size.
    void announceHeightChange();

    // Merges value v of a child with the given id and arrayId into o.
    static void mergeValue(QJsonObject &o, const QString &id, const QString &arrayId, const QJsonValue &v);
    // The build mode of a section definition ("array", "singleValueArray", ...).
    QString dataType() const;

signals:
    void nameChanged();
    void qmlPathChanged();
    void labelWidthChanged();
    void heightChanged();
    void colorChanged(QString color);
    void qmlViewDataChanged();
    void sectionIconChanged();
    void hasSplitChanged();

protected:
    // Binds a section node: definition is the section object its
    // component names through "sec".
    void initSection(const QJsonValue &component, const QJsonValue &data, const QJsonObject &profile);
    // Binds a property node to its component and bound value.
    void initProperty(const QString &id, const QJsonValue &component, const QJsonValue &value);
    // Reads "background", "icon" and "split" of a section or component object.
    void readAppearance(const QJsonValue &object);

    // Emits the height signal of this node and of what shows its rows.
    virtual void emitHeightChanged() { emit heightChanged(); }

    void setChildren(QList<Ptr> children) { m_children = std::move(children); }
    QList<Ptr> &mutableChildren() { return m_children; }

    LWQmlViewModel *m_parent = nullptr; // not owned: the node whose components made this one
    QString m_name;
    int m_labelWidth = 0;
    int m_height = 0;
    QString m_color;
    QString m_id;
    QString m_arrayId;
    QJsonObject m_profile;
    QJsonValue m_definition;
    QJsonValue m_component;
    QJsonValue m_data;
    LWQmlViewDataSource *m_dataSource = nullptr; // not owned; set on the root only
    QString m_uuid;
    QString m_sectionName; // the "sec" name a section node was made from
    QString m_sectionIcon;
    bool m_hasSplit = false;

private:
    QList<Ptr> m_children;                            // owned (shared with the list views)
    std::vector<std::unique_ptr<LWViewData>> m_hiddenValues; // owned
};
