#pragma once

#include <QApplication>

// The application object. It hands file-open requests and close requests to
// the main window controller and keeps the controller's view of the key held
// down current for the whole interface.
class LWGuiApplication : public QApplication
{
    Q_OBJECT
public:
    LWGuiApplication(int &argc, char **argv);

    bool event(QEvent *e) override;
    bool notify(QObject *receiver, QEvent *e) override;
};
