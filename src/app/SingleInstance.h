#pragma once

#include <QObject>

class QLocalServer;

// One running program per user: a second start asks the first to come to the front and ends. The
// claim is a lock the system drops when its process ends, however it ends: a killed instance
// never delays the next start.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True for the first instance; a later one signals the first and gets false.
    bool claim();

signals:
    void activationRequested();

private:
    QString m_key;
    int m_lockFd = -1;
    QLocalServer* m_server = nullptr;
};
