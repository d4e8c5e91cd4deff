#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP end the program the way closing its window does (settings written,
// tables closed): the signal handler only writes a byte that the event loop reads. A signal that
// comes before anyone listens (during the start-up) is kept: requested() says so.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool requested() const { return m_requested; }

signals:
    void terminationRequested();

private:
    static void handle(int signal);
    QSocketNotifier* m_notifier = nullptr;
    bool m_requested = false;
};
