#include "httpserver.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace reel::test {

namespace {

int boundSocket(quint16 *port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        ADD_FAILURE() << "cannot bind a socket on 127.0.0.1";
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    *port = ntohs(address.sin_port);
    return fd;
}

// Waits a little for fd to become readable.
bool readable(int fd)
{
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 20) > 0;
}

} // namespace

LocalHttpServer::Reply LocalHttpServer::page(const QByteArray &body, const QByteArray &contentType,
                                             const QByteArray &status, const QByteArray &extraHeaders)
{
    QByteArray raw = "HTTP/1.1 " + status + "\r\n";
    if (!contentType.isEmpty())
        raw += "Content-Type: " + contentType + "\r\n";
    raw += "Content-Length: " + QByteArray::number(body.size()) + "\r\n" + extraHeaders + "\r\n" + body;
    return Reply{raw};
}

LocalHttpServer::LocalHttpServer()
{
    m_listener = boundSocket(&m_port);
    if (m_listener >= 0 && ::listen(m_listener, 8) == 0)
        m_thread = std::thread([this] { serve(); });
}

LocalHttpServer::~LocalHttpServer()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    for (int fd : m_held)
        ::close(fd);
    if (m_listener >= 0)
        ::close(m_listener);
}

void LocalHttpServer::route(const QByteArray &path, const Reply &reply)
{
    std::lock_guard lock(m_mutex);
    m_routes[path] = reply;
}

QString LocalHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
}

QList<QByteArray> LocalHttpServer::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void LocalHttpServer::serve()
{
    while (!m_stop) {
        if (!readable(m_listener))
            continue;
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd >= 0)
            answer(fd);
    }
}

void LocalHttpServer::answer(int fd)
{
    QByteArray request;
    while (!m_stop && !request.contains("\r\n\r\n") && request.size() < 65536) {
        if (!readable(fd))
            continue;
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        request.append(buffer, n);
    }
    const QByteArray head = request.left(request.indexOf("\r\n\r\n"));
    const QList<QByteArray> words = head.left(head.indexOf("\r\n")).split(' ');
    Reply reply{"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"};
    {
        std::lock_guard lock(m_mutex);
        m_requests.append(head);
        if (words.size() >= 2) {
            const auto found = m_routes.find(words.at(1));
            if (found != m_routes.end())
                reply = found->second;
        }
    }
    if (!reply.silent) {
        for (qsizetype sent = 0; sent < reply.raw.size();) {
            const ssize_t n = ::send(fd, reply.raw.constData() + sent, size_t(reply.raw.size() - sent), MSG_NOSIGNAL);
            if (n <= 0)
                break;
            sent += n;
        }
    }
    if (reply.silent || reply.keepOpen)
        m_held.push_back(fd);
    else
        ::close(fd);
}

quint16 closedPort()
{
    quint16 port = 0;
    const int fd = boundSocket(&port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

} // namespace reel::test
