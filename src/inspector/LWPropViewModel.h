#pragma once

#include "LWQmlViewModel.h"

// What every property node shares: the label, the fixed height of its
// view, the background, icon and split of its component, and the bound
// value it starts from. Concrete classes add their committed value, the
// properties their view binds, and value().
class LWPropViewModel : public LWQmlViewModel
{
    Q_OBJECT

public:
    // Two doubles closer than this are the same value to every control.
    static constexpr double kEpsilon = 0.0001;
    static bool sameDouble(double a, double b);

    LWPropViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                    LWQmlViewModel *parent, int height);
    ~LWPropViewModel() override;

    // The bound value unchanged, for classes that do not edit it.
    QJsonValue value() const override { return m_data; }

protected:
    // The bound value, or the component's "defaultValue" when the data
    // has no such member.
    QJsonValue boundOrDefault() const;
    QJsonValue componentValue(const char *key) const;
    // labelWidth from "languageChange" for the classes that read it.
    void useLanguageChange(int fallback);
};
