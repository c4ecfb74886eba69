// A small HTTP server on 127.0.0.1 for the network tests. It runs on a thread
// of its own (plain sockets, no event loop), so a client that blocks the
// test's thread is still answered; it serves one connection at a time.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace reel::test {

class LocalHttpServer {
public:
    struct Reply {
        QByteArray raw;        // sent as it is, then the connection closes
        bool silent = false;   // accept, read the request, never answer
        bool keepOpen = false; // send raw, then keep the connection open
    };
    // "HTTP/1.1 <status>" with the headers and a Content-Length for body.
    static Reply page(const QByteArray &body, const QByteArray &contentType = "text/html",
                      const QByteArray &status = "200 OK", const QByteArray &extraHeaders = QByteArray());

    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    // What a request for path (with its query) gets; 404 otherwise.
    void route(const QByteArray &path, const Reply &reply);
    // http://127.0.0.1:<port><path>
    QString url(const QString &path) const;
    quint16 port() const { return m_port; }
    // The heads of the requests received so far.
    QList<QByteArray> requests() const;

private:
    void serve();
    void answer(int fd);

    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::map<QByteArray, Reply> m_routes;
    QList<QByteArray> m_requests;
    std::vector<int> m_held;
    std::thread m_thread;
};

// A port on 127.0.0.1 where nothing listens.
quint16 closedPort();

} // namespace reel::test
