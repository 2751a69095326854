#pragma once

#include <QApplication>
#include <QScopedPointer>

class LApplicationPrivate;
class MainInterfaceFrm;

// The program's application object. Its construction keeps the program to
// one instance: a second start hands the first its last argument (which
// the first reads and drops) and reports isRunning(); the first then
// raises its window. ready() tells the main window to finish its start-up.
class LApplication : public QApplication
{
    Q_OBJECT

public:
    LApplication(int &argc, char **argv);
    ~LApplication() override;

    // True in a second start: another instance took over.
    static bool isRunning();

    // Creates the main window, once, and runs its onReady(); nothing in a
    // second start.
    void startMainWindow();
    MainInterfaceFrm *mainWindow() const;

signals:
    void ready();

public slots:
    void newLocalConnection();

private:
    QScopedPointer<LApplicationPrivate> d;
};
