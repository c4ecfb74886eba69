// A small HTTP server on 127.0.0.1 for the network tests. It runs on a thread
// of its own (plain sockets, no event loop), so a client that blocks the
// test's thread is still answered; it serves one connection at a time.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace reel::test {

// A socket bound to a free port of 127.0.0.1.
inline int boundSocket(quint16 *port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), length), 0) << "cannot bind a socket on 127.0.0.1";
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    *port = ntohs(address.sin_port);
    return fd;
}

// A port on 127.0.0.1 where nothing listens.
inline quint16 closedPort()
{
    quint16 port = 0;
    ::close(boundSocket(&port));
    return port;
}

struct Reply {
    QByteArray raw;        // sent as it is, then the connection closes
    bool silent = false;   // accept, read the request, never answer
    bool keepOpen = false; // send raw, then keep the connection open
    int pauseMs = 0;       // send raw a byte at a time, pausing this long after each
};

// "HTTP/1.1 <status>" with the headers and a Content-Length for body.
inline Reply page(const QByteArray &body, const QByteArray &contentType = "text/html",
                  const QByteArray &status = "200 OK", const QByteArray &extraHeaders = QByteArray())
{
    const QByteArray type = contentType.isEmpty() ? QByteArray() : "Content-Type: " + contentType + "\r\n";
    return {"HTTP/1.1 " + status + "\r\n" + type + "Content-Length: " + QByteArray::number(body.size()) + "\r\n"
            + extraHeaders + "\r\n" + body};
}

class LocalHttpServer {
public:
    LocalHttpServer() : m_listener(boundSocket(&m_port))
    {
        ::listen(m_listener, 8);
        m_thread = std::thread([this] {
            while (!m_stop)
                if (readable(m_listener))
                    answer(::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC));
        });
    }
    ~LocalHttpServer()
    {
        m_stop = true;
        m_thread.join();
        for (int fd : m_held)
            ::close(fd);
        ::close(m_listener);
    }

    // What a request for path (with its query) gets; 404 otherwise.
    void route(const QByteArray &path, const Reply &reply)
    {
        std::lock_guard lock(m_mutex);
        m_routes[path] = reply;
    }
    QString url(const QString &path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path); }
    quint16 port() const { return m_port; }
    // The heads of the requests received so far.
    QList<QByteArray> requests() const
    {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }

private:
    // Waits a little for fd to become readable.
    static bool readable(int fd)
    {
        pollfd p{fd, POLLIN, 0};
        return ::poll(&p, 1, 20) > 0;
    }

    void answer(int fd)
    {
        QByteArray request;
        char buffer[4096];
        while (!m_stop && !request.contains("\r\n\r\n") && request.size() < 65536) {
            if (!readable(fd))
                continue;
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            request.append(buffer, n);
        }
        const QByteArray head = request.left(request.indexOf("\r\n\r\n"));
        Reply reply{"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"};
        {
            std::lock_guard lock(m_mutex);
            m_requests.append(head);
            if (const auto found = m_routes.find(head.left(head.indexOf("\r\n")).split(' ').value(1)); found != m_routes.end())
                reply = found->second;
        }
        const qsizetype piece = reply.pauseMs > 0 ? 1 : reply.raw.size();
        for (qsizetype sent = 0, n = 0; !reply.silent && !m_stop && sent < reply.raw.size(); sent += n) {
            n = ::send(fd, reply.raw.constData() + sent, size_t(qMin(piece, reply.raw.size() - sent)), MSG_NOSIGNAL);
            if (n <= 0)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(reply.pauseMs));
        }
        if (reply.silent || reply.keepOpen)
            m_held.push_back(fd);
        else
            ::close(fd);
    }

    quint16 m_port = 0; // before m_listener, which sets it
    int m_listener;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::map<QByteArray, Reply> m_routes;
    QList<QByteArray> m_requests;
    std::vector<int> m_held;
    std::thread m_thread;
};

} // namespace reel::test
