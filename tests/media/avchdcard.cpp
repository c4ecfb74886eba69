#include "avchdcard.h"

#include "sandbox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace reel::test {

namespace {

void put16(QByteArray *b, int v)
{
    b->append(char((v >> 8) & 0xff));
    b->append(char(v & 0xff));
}

void put32(QByteArray *b, quint32 v)
{
    put16(b, int(v >> 16));
    put16(b, int(v & 0xffff));
}

char bcd(int v)
{
    return char(((v / 10) << 4) | (v % 10));
}

// 03 after every 00 00 that is followed by a byte up to 03.
QByteArray escaped(const QByteArray &payload)
{
    QByteArray out;
    int zeros = 0;
    for (char c : payload) {
        if (zeros >= 2 && quint8(c) <= 3) {
            out.append('\x03');
            zeros = 0;
        }
        out.append(c);
        zeros = c == 0 ? zeros + 1 : 0;
    }
    return out;
}

QByteArray packet(int pid, bool unitStart, const QByteArray &payload, int packetSize, int counter)
{
    QByteArray p;
    if (packetSize == 192)
        p.append(4, '\0');
    p.append('\x47');
    p.append(char((unitStart ? 0x40 : 0) | ((pid >> 8) & 0x1f)));
    p.append(char(pid & 0xff));
    const int room = 184;
    if (payload.size() >= room) {
        p.append(char(0x10 | (counter & 15)));
        p.append(payload.left(room));
    } else {
        // Stuffing in an adaptation field fills a short last packet.
        const int stuffing = room - payload.size() - 1;
        p.append(char(0x30 | (counter & 15)));
        p.append(char(stuffing));
        if (stuffing > 0) {
            p.append('\0');
            p.append(stuffing - 1, '\xff');
        }
        p.append(payload);
    }
    return p;
}

} // namespace

QByteArray mplsBytes(const QStringList &clips)
{
    QByteArray items;
    for (const QString &clip : clips) {
        QByteArray item = clip.toLatin1() + "M2TS";
        item.append(82 - item.size(), '\0');
        put16(&items, int(item.size()));
        items.append(item);
    }
    const int appInfo = 4 + 14;
    QByteArray b("MPLS0200");
    put32(&b, 40 + appInfo);
    put32(&b, 0);
    put32(&b, 0);
    b.append(20, '\0');
    put32(&b, 14);
    b.append(14, '\0');
    put32(&b, quint32(6 + items.size()));
    put16(&b, 0);
    put16(&b, int(clips.size()));
    put16(&b, 0);
    b.append(items);
    return b;
}

QByteArray mdpmSeiBytes(const CameraTime &t)
{
    QByteArray mdpm("\x17\xee\x8c\x60\xf8\x4d\x11\xd9\x8c\xd6\x08\x00\x20\x0c\x9a\x66MDPM", 20);
    const QByteArray entries[] = {
        QByteArray("\x70\xc4\xff\xff\xff", 5),
        QByteArray("\x18") + char(0x80) + bcd(t.year / 100) + bcd(t.year % 100) + bcd(t.month),
        QByteArray("\x19") + bcd(t.day) + bcd(t.hour) + bcd(t.minute) + bcd(t.second),
        QByteArray("\xe1\x00\x00\x01\x02", 5),
    };
    mdpm.append(char(std::size(entries)));
    for (const QByteArray &e : entries)
        mdpm.append(e);
    QByteArray payload;
    payload.append('\x05');
    payload.append(char(mdpm.size()));
    payload.append(mdpm);
    payload.append('\x80');
    return QByteArray("\x00\x00\x00\x01\x06", 5) + escaped(payload);
}

QByteArray clipStreamBytes(std::optional<CameraTime> time, int packetSize, int padding)
{
    QByteArray es("\x00\x00\x00\x01\x09\xf0", 6);
    if (padding > 0) {
        es.append(QByteArray("\x00\x00\x01\x0c", 4));
        es.append(padding, '\xff');
        es.append('\x80');
    }
    if (time)
        es.append(mdpmSeiBytes(*time));
    es.append(QByteArray("\x00\x00\x01\x65\x88\x84\x21\xa0", 8));
    es.append(300, '\x5a');

    const QByteArray pes = QByteArray("\x00\x00\x01\xe0\x00\x00\x80\x00\x00", 9) + es;
    QByteArray out;
    int counter = 0;
    for (qsizetype at = 0; at < pes.size(); at += 184) {
        out.append(packet(0x1011, at == 0, pes.mid(at, 184), packetSize, counter++));
        out.append(packet(0x1100, at == 0, QByteArray(184, '\x0b'), packetSize, counter));
    }
    return out;
}

QString makeCard(const QString &root, const std::vector<CardClip> &clips)
{
    const QString bdmv = root + QStringLiteral("/BDMV");
    QStringList names;
    for (const CardClip &clip : clips) {
        names << clip.name;
        writeFile(bdmv + QStringLiteral("/STREAM/") + clip.name + QStringLiteral(".MTS"), clipStreamBytes(clip.time));
        writeFile(bdmv + QStringLiteral("/CLIPINF/") + clip.name + QStringLiteral(".CPI"), "HDMV0100");
    }
    writeFile(bdmv + QStringLiteral("/PLAYLIST/00000.mpls"), mplsBytes(names));
    return bdmv;
}

void setModificationTime(const QString &path, const QDateTime &when)
{
    const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(when.toSecsSinceEpoch()), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0) << path.toStdString();
}

QString timeStampTool()
{
    return testBundlePath() + QStringLiteral("/Contents/Resources/tools/gettimestamps");
}

} // namespace reel::test
