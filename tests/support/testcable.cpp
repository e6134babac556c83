#include "testcable.h"

#include <QList>
#include <QLocalSocket>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <atomic>

class CableEnds : public QObject
{
public:
    explicit CableEnds(const QString& serverSocket)
        : path(serverSocket)
    {
    }

    quint16 open()
    {
        listener = new QTcpServer(this);
        connect(listener, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* client = listener->nextPendingConnection())
                join(client);
        });
        return listener->listen(QHostAddress::LocalHost) ? listener->serverPort() : 0;
    }

    void join(QTcpSocket* client)
    {
        auto* server = new QLocalSocket(this);
        client->setParent(this);
        pairs << Pair{client, server};
        const auto carry = [this](QIODevice* from, QIODevice* to) {
            if (!pulled && from->isOpen() && to->isOpen())
                to->write(from->readAll());
        };
        connect(client, &QTcpSocket::readyRead, this, [=] { carry(client, server); });
        connect(server, &QLocalSocket::readyRead, this, [=] { carry(server, client); });
        connect(server, &QLocalSocket::connected, this, [=] { carry(client, server); });
        connect(client, &QTcpSocket::disconnected, this, [=] {
            if (!pulled)
                server->disconnectFromServer();
        });
        connect(server, &QLocalSocket::disconnected, this, [=] {
            if (!pulled)
                client->disconnectFromHost();
        });
        server->connectToServer(path);
    }

    // Whatever was open when the cable came out is dead to both sides.
    void dropAll()
    {
        for (const Pair& pair : std::as_const(pairs)) {
            if (pair.client)
                pair.client->abort();
            if (pair.server)
                pair.server->abort();
        }
        pairs.clear();
    }

    std::atomic<bool> pulled{false};

private:
    struct Pair
    {
        QPointer<QTcpSocket> client;
        QPointer<QLocalSocket> server;
    };
    QString path;
    QTcpServer* listener = nullptr;
    QList<Pair> pairs;
};

TestCable::TestCable(const QString& serverSocket)
    : ends(new CableEnds(serverSocket))
{
    ends->moveToThread(&thread);
    thread.start();
    QMetaObject::invokeMethod(ends, [this] { listening = ends->open(); }, Qt::BlockingQueuedConnection);
}

TestCable::~TestCable()
{
    QMetaObject::invokeMethod(ends, [this] { delete ends; }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

void TestCable::pull()
{
    ends->pulled = true;
}

void TestCable::plugIn()
{
    QMetaObject::invokeMethod(
        ends,
        [this] {
            ends->dropAll();
            ends->pulled = false;
        },
        Qt::BlockingQueuedConnection);
}
