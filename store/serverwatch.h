#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// Watches a school's server from a thread of its own, through libpq's
// asynchronous calls: every interval it asks the server for its schema
// version and waits for the answer no longer than its patience. A server
// that stops answering (a cable pulled, a server hung) would hold a
// statement of the window's for many seconds, or for ever; the watch
// then breaks the window's guarded connection at once, so that the
// statement fails and the PC's copy takes over, and says so.
class ServerWatch : public QObject
{
    Q_OBJECT

public:
    ServerWatch(const QString& uri, int latestVersion, QObject* parent = nullptr);
    ~ServerWatch() override;

    void start();
    // Takes effect at once, counted from the last question.
    void setInterval(int ms);
    // The socket of the connection to break when the server falls silent
    // (-1: none). Set before the connection is opened or closed, so that
    // the watch never touches a socket that has been closed.
    void guard(int socket);
    // The window's heartbeat, every kBeatMs while its event loop runs;
    // online: its statements go to the server. When the beats stop while
    // online, the window is most likely waiting on the server (a child's
    // draw): the watch asks the server at once, and breaks the window's
    // connection if that goes unanswered too. A window busy with anything
    // else loses nothing: the server answers.
    static constexpr int kBeatMs = 100;
    void beat(bool online);

    // The last question went unanswered (read from any thread: the window
    // may learn it before the silent() signal reaches it).
    bool heardNothing() const { return lastSilent; }

Q_SIGNALS:
    // The server answered; usable: at this program's schema version.
    void answered(bool usable);
    // It did not answer in time, or could not be reached.
    void silent();

private:
    void run();
    bool windowWaits() const;
    void breakGuarded();

    const QByteArray conninfo; // as the program's driver connects: no password from the URI
    const int latest;
    std::atomic<int> interval{1000};
    std::atomic<bool> stopping{false};
    std::atomic<bool> lastSilent{false};
    std::atomic<bool> nudged{false};
    std::atomic<qint64> lastBeat{0}; // steady clock ms; 0: not online
    std::mutex guardMutex;
    int guarded = -1;
    std::mutex sleepMutex;
    std::condition_variable wake;
    std::thread thread;
};
