// The signals that ask the program to end (SIGTERM at a desktop logout or shutdown, SIGHUP when
// its terminal goes, SIGINT for Ctrl+C in it), turned into a Qt signal delivered by the event
// loop: the handler only writes a byte to a pipe, and the rest (committing the open edit, the
// last snapshot, keeping the tables for recovery) runs on the interface thread.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace kuvanto {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; one object per program.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void requested(int signalNumber);

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kuvanto
