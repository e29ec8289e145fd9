// Installs the program's crash reporting, prints the id the report will
// carry, then dies of a segmentation fault.
#include "app/LWCrashHandler.h"
#include "app/LWCrashReporting.h"
#include "common/LWResources.h"
#include "common/LWSettings.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    LWSettings::applyIdentity();
    QCoreApplication app(argc, argv);
    lwInitResources();
    const auto handler = lwInstallCrashReporting();
    QTextStream(stdout) << LWCrashHandler::pendingDumpId() << Qt::endl;
    volatile int *nowhere = nullptr;
    *nowhere = 1;
    return 0;
}
