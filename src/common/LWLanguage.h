#pragma once

#include "Singleton.h"

#include <QString>

// Decides the interface language, the translation installed at start and the
// language variant of inspector profiles and other localised documents.
//
// Profiles follow the language resolved first in the run, so a change made
// in the running program takes effect on profiles after a restart, while
// currentLanguage() already reports it.
class LWLanguage : public Singleton<LWLanguage>
{
    friend class Singleton<LWLanguage>;

public:
    enum Language { Unresolved = 0, English = 1, Chinese = 2, Japanese = 3, Korean = 4 };

    LWLanguage() = default; // public for tests; the program uses instance()

    int currentLanguage();
    int startupLanguage();
    QString translatorPath();
    void setLanguage(int type);
    QString localizedPath(const QString &path);

private:
    void resolve();

    int m_current = Unresolved;
    bool m_first = true;
    int m_startup = Unresolved;
};
