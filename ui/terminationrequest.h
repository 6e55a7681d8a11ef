#pragma once

#include <QObject>

class QSocketNotifier;

// The system asking the program to end: SIGTERM (a logout, a shutdown, `kill`), SIGHUP (the
// terminal it runs in is closed) or SIGINT (Ctrl+C there). By default any of them ends the
// process at once, and what the player changed since the start (the settings, a score
// deleted) would never be written. Here the request reaches the event loop as a signal, so
// the program can keep what it holds and then end by itself.
//
// Signal handlers belong to the whole process: one instance at a time.
class TerminationRequest : public QObject
{
    Q_OBJECT

public:
    explicit TerminationRequest(QObject *parent = nullptr);
    ~TerminationRequest() override;

signals:
    void requested();

private:
    void onSignalled();

    QSocketNotifier *m_notifier = nullptr;
};
