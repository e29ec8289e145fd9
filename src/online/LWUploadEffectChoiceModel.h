#pragma once

#include "LWQTHttpBase.h"

#include <QObject>
#include <QStringList>

class LWImageSink;
class QJsonArray;

// The author's earlier effects, one of which a new submission may replace.
// Parallel lists, one entry per effect; icons are downloaded into the
// image sink and shown once they have arrived.
class LWUploadEffectChoiceModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList effectName READ effectName NOTIFY effectNameChanged)
    Q_PROPERTY(QStringList effectCode READ effectCode NOTIFY effectCodeChanged)
    Q_PROPERTY(QStringList effectTime READ effectTime NOTIFY effectTimeChanged)
    Q_PROPERTY(QStringList effectIcon READ effectIcon NOTIFY effectIconChanged)
    Q_PROPERTY(int effectNums READ effectNums NOTIFY effectNumsChanged)
    // Empty, or why the list could not be read (for the window to say).
    Q_PROPERTY(QString listProblem READ listProblem NOTIFY listProblemChanged)

public:
    // Icons larger than this are not shown.
    static constexpr qint64 kIconLimit = 4 * 1024 * 1024;

    // The one the interface uses; tests may make their own.
    static LWUploadEffectChoiceModel *instance();
    explicit LWUploadEffectChoiceModel(QObject *parent = nullptr);

    QStringList effectName() const { return m_names; }
    QStringList effectCode() const { return m_codes; }
    QStringList effectTime() const { return m_times; }
    QStringList effectIcon() const { return m_icons; }
    QStringList effectUuids() const { return m_uuids; }
    int effectNums() const { return m_names.size(); }
    QString listProblem() const { return m_problem; }

    // Not owned; must outlive the model or be reset to null.
    void setImageSink(LWImageSink *sink) { m_sink = sink; }

    static QString stateText(int stateCode);

    Q_INVOKABLE void sendGetRequest();
    Q_INVOKABLE void uploadEffctFile(int chooseIndex);

signals:
    void effectNameChanged();
    void effectCodeChanged();
    void effectTimeChanged();
    void effectIconChanged();
    void effectNumsChanged();
    void listProblemChanged();

private:
    void onReply(const LWHttpReply &reply);
    void replaceLists(const QJsonArray &effects);
    void downloadIcon(int row, const QString &url);
    void setProblem(const QString &problem);

    QStringList m_names;
    QStringList m_codes;
    QStringList m_times;
    QStringList m_icons;
    QStringList m_uuids;
    QString m_problem;
    int m_generation = 0;               // drops icons of a list that was replaced
    LWImageSink *m_sink = nullptr; // not owned
    LWQTHttpBase m_http;           // owned; the list, with the web view's cookies
};
