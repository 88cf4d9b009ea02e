#pragma once
// Tells the program that the system asks it to end (SIGTERM, SIGINT and SIGHUP on Linux),
// so that it closes its main window and runs the close steps instead of dying with the
// presence files left behind. Where the system has no such signals it never fires.
#include <QObject>

class QSocketNotifier;

namespace andel {

class TerminationListener : public QObject {
    Q_OBJECT
public:
    explicit TerminationListener(QObject* parent = nullptr);
    ~TerminationListener() override;
    TerminationListener(const TerminationListener&) = delete;
    TerminationListener& operator=(const TerminationListener&) = delete;

signals:
    void terminationRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace andel
