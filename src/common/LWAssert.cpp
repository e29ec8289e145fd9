#include "LWAssert.h"

#include "LWDiagnosticLog.h"

#include <QByteArray>

void lwAssertFailed(const char *condition, const char *file, int line)
{
    // The source file's own name is enough to find the place, and keeps the
    // build's folders out of the log.
    QByteArray name(file);
    name = name.mid(name.lastIndexOf('/') + 1);
    LWDiagnosticLog::instance()->log(LWDiagnosticLog::CategoryInvariant, LWDiagnosticLog::Error,
                                     "invariant failed: \"%s\" in %s:%d\n", condition, name.constData(), line);
}
