#pragma once

#include "LWPropChoiceViewModel.h"

#include <QJsonObject>

// The drop-down: static entries from the profile ("options" with
// "optionLabels"), or the project's resources of one type with a button
// that imports a new one. Each choice is one undo step; the value goes back
// in the shape the owner's data had.
class LWPropOptionViewModel : public LWPropChoiceViewModel
{
    Q_OBJECT
    Q_PROPERTY(bool showThumbnail READ showThumbnail CONSTANT)
    Q_PROPERTY(bool showClickButton READ showClickButton CONSTANT)
    Q_PROPERTY(int buttonType READ buttonType CONSTANT)

public:
    using UndoValue = int;

    LWPropOptionViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                          LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override;
    void notifyChildren(int kinds, const QJsonValue &payload) override;

    bool showThumbnail() const { return m_showThumbnail; }
    bool showClickButton() const { return m_showClickButton; }
    // The listed resource type (0 for a static list): which import the button runs.
    int buttonType() const { return qMax(0, m_resourceType); }
    // Asks for a file of the listed type, imports it and selects it.
    Q_INVOKABLE void onClickButton();

    UndoValue undoValue() const { return m_optionIndex; }
    void applyUndoValue(int index) { applyIndex(index, true); }

signals:
    // The imported resource's id, or empty when nothing was imported.
    void clickResult(QString result);

protected:
    void chooseFile() override { pickAndImport(); }
    void commitIndex(int index) override;

private:
    QList<Entry> staticEntries() const;
    void pickAndImport();
    void imported(const QString &resourceId);

    bool m_showThumbnail = false;
    bool m_showClickButton = false;
};
