// Installs the program's crash reporting, prints the id the report will
// carry, then dies of a segmentation fault. With "--killed" it takes the run
// marker and is killed outright (what a power cut looks like to the next
// start); with "--hold" it takes the marker and waits to be killed; with
// "--clean" it takes the marker and exits the way the editor does.
#include "app/LWCrashHandler.h"
#include "app/LWCrashReporting.h"
#include "common/LWResources.h"
#include "common/LWRunMarker.h"
#include "common/LWSettings.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QThread>

#include <csignal>

int main(int argc, char **argv)
{
    LWSettings::applyIdentity();
    QCoreApplication app(argc, argv);
    lwInitResources();
    const QString mode = app.arguments().value(1);
    if (!mode.isEmpty()) {
        LWRunMarker::begin();
        QTextStream(stdout) << "marked" << Qt::endl;
        if (mode == QLatin1String("--killed"))
            std::raise(SIGKILL);
        if (mode == QLatin1String("--hold"))
            QThread::sleep(60);
        LWRunMarker::end();
        return 0;
    }
    const auto handler = lwInstallCrashReporting();
    QTextStream(stdout) << LWCrashHandler::pendingDumpId() << Qt::endl;
    volatile int *nowhere = nullptr;
    *nowhere = 1;
    return 0;
}
