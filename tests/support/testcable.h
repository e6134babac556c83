#pragma once

#include <QString>
#include <QThread>

class CableEnds;

// The network between the PCs and a TestServer: a TCP port on 127.0.0.1
// that carries the bytes to and from the server's Unix socket, in a thread
// of its own (a test's window may be waiting on the server). Pulled, it
// stops carrying anything while every connection stays open, and new ones
// are taken but never answered: to a PC, a server that does not answer.
// Plugged in again, it drops what was open and carries new connections.
class TestCable
{
public:
    explicit TestCable(const QString& serverSocket);
    ~TestCable();
    TestCable(const TestCable&) = delete;
    TestCable& operator=(const TestCable&) = delete;

    quint16 port() const { return listening; }
    void pull();
    void plugIn();

private:
    QThread thread;
    CableEnds* ends = nullptr;
    quint16 listening = 0;
};
