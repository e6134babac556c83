#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

class QThread;
class QTimer;
class ServerWatch;

// A PC's link to the school's server, and what stands in for the server
// while it cannot be reached: the PC's copy of its database (a SQLite
// file beside the home's database, refreshed at each login and whenever
// the server is back), opened read-only as the default connection, so that
// a child's lesson goes on, until the server is back.
//
// A watch (ServerWatch) asks the server every second whether it answers;
// when it falls silent the copy takes over at once, even in the middle of
// a statement, and when it answers again it is back. A statement that
// failed on the server comes here too (Database::recover): a server that
// restarted is simply connected again; one that does not answer is
// replaced by the copy.
class ServerLink : public QObject
{
    Q_OBJECT

public:
    // uri: the connection file's; dataFolder: the home's data folder.
    ServerLink(const QString& uri, const QString& serverName, const QString& dataFolder,
               QObject* parent = nullptr);
    ~ServerLink() override;

    // The PC's copy of the server and the answers waiting for it.
    static QString copyPathIn(const QString& dataFolder);
    static QString outboxPathIn(const QString& dataFolder);
    QString copyPath() const { return copy; }
    QString outboxPath() const { return outbox; }
    QString uri() const { return serverUri; }
    // The server as the adult knows it: its host and database, no password.
    QString serverName() const { return name; }
    bool hasCopy() const;
    QDateTime copyTime() const;

    bool isOnline() const { return online; }
    // The server has been opened as the default connection.
    void setOnline();
    // The copy replaces the server as the default connection; false when
    // there is no copy (or it cannot be opened).
    bool goOffline();

    // Makes a fresh copy of the server in the background (a failure is
    // logged: the old copy stays); at most one at a time.
    void refreshCopy();
    // Waits for the copy being made (tests).
    void waitForThreads();

    // How often the server is asked whether it answers (ms).
    void setRetryInterval(int ms);

    // Database::recover's handlers.
    bool recoverNow();
    void recoverSoon();

Q_SIGNALS:
    void onlineChanged(bool online);
    // The server's connection was opened afresh (a server that restarted
    // before the PC noticed): what waited for it may go now.
    void reconnected();

private:
    void serverAnswered(bool usable);
    void serverSilent();
    // Tells the watch which socket to break, after every (re)connection.
    void guardDefault();

    QString serverUri;
    QString name;
    QString copy;
    QString outbox;
    bool online = false;
    bool recoveryQueued = false;
    ServerWatch* watch = nullptr;
    QTimer* heartbeat = nullptr; // tells the watch the window is not waiting
    QThread* copying = nullptr;
};
