// Stands in for the editor: starts lwservice through LWLocalService at the
// address given, prints "up" once it listens, then waits. A line on
// standard input ends it the way the editor ends; otherwise the test kills
// it.
//
//   lwlocalservicechild ADDRESS LWSERVICE DATA_FOLDER
#include "app/LWLocalService.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <QUrl>

#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4)
        return 64;
    LWLocalService *service = LWLocalService::instance();
    QObject::connect(service, &LWLocalService::started, [] { QTextStream(stdout) << "up" << Qt::endl; });
    QObject::connect(service, &LWLocalService::notStarted, [](const QString &reason) {
        QTextStream(stdout) << "not started: " << reason << Qt::endl;
        QCoreApplication::exit(3);
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    service->startIfNothingAnswers(QUrl(arguments.at(1)), arguments.at(2), arguments.at(3));
    return app.exec();
}
