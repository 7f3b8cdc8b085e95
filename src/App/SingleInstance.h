#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per user: a second start hands its request ("show" the panel,
// or "settings") to the first over a local socket and exits.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);

    // True when another instance took the request; this one should exit then.
    bool forwardToRunning(const QString& request);
    // Becomes the running instance; false when the socket cannot be made.
    bool listen();

signals:
    void requested(const QString& request);

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};
