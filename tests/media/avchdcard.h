// Camera cards for the tests: the few bytes of an AVCHD / BDMV structure that
// the time-stamp tool reads, written into the sandbox.
#pragma once

#include "sandbox.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QStringList>
#include <QtEndian>

#include <optional>
#include <vector>

namespace reel::test {

struct CameraTime {
    int year, month, day, hour, minute, second;
};

// The low bytes of v, big-endian.
inline QByteArray be(quint32 v, int bytes)
{
    const quint32 big = qToBigEndian(v);
    return QByteArray(reinterpret_cast<const char *>(&big) + 4 - bytes, bytes);
}

// A playlist file ("MPLS"): header, an empty AppInfo block at 40, the play
// list at 58 (length, reserved, item count at 64, sub-path count), items
// from 68, each a length and a five-digit clip name with "M2TS".
inline QByteArray mplsBytes(const QStringList &clips)
{
    QByteArray items;
    for (const QString &clip : clips)
        items += be(82, 2) + (clip.toLatin1() + "M2TS").leftJustified(82, '\0');
    return "MPLS0200" + be(58, 4) + QByteArray(28, '\0') + be(14, 4) + QByteArray(14, '\0')
        + be(quint32(6 + items.size()), 4) + be(0, 2) + be(quint32(clips.size()), 2) + be(0, 2) + items;
}

// The recording time as bare H.264: a user-data SEI with the MDPM UUID, four
// entries (tags 0x18 and 0x19 hold the BCD date and time), escaped after
// every 00 00 that precedes a byte up to 03.
inline QByteArray mdpmSeiBytes(const CameraTime &t)
{
    const auto bcd = [](int v) { return char(((v / 10) << 4) | (v % 10)); };
    const QByteArray mdpm = QByteArray("\x17\xee\x8c\x60\xf8\x4d\x11\xd9\x8c\xd6\x08\x00\x20\x0c\x9a\x66MDPM\x04", 21)
        + QByteArray("\x70\xc4\xff\xff\xff", 5) + QByteArray("\x18\x80") + bcd(t.year / 100) + bcd(t.year % 100)
        + bcd(t.month) + "\x19" + bcd(t.day) + bcd(t.hour) + bcd(t.minute) + bcd(t.second)
        + QByteArray("\xe1\x00\x00\x01\x02", 5);
    const QByteArray payload = "\x05" + QByteArray(1, char(mdpm.size())) + mdpm + "\x80";
    QByteArray out("\x00\x00\x00\x01\x06", 5);
    for (char c : payload)
        out += (out.endsWith(QByteArray(2, '\0')) && quint8(c) <= 3 ? "\x03" : "") + QByteArray(1, c);
    return out;
}

// A clip's transport stream (188- or 192-byte packets): video on PID 0x1011
// whose H.264 holds the recording time when given, an audio packet after
// each video packet. padding moves the SEI across packet boundaries.
inline QByteArray clipStreamBytes(std::optional<CameraTime> time, int packetSize = 192, int padding = 0)
{
    QByteArray es("\x00\x00\x00\x01\x09\xf0", 6);
    if (padding > 0)
        es += QByteArray("\x00\x00\x01\x0c", 4) + QByteArray(padding, '\xff') + '\x80';
    if (time)
        es += mdpmSeiBytes(*time);
    es += QByteArray("\x00\x00\x01\x65\x88\x84\x21\xa0", 8) + QByteArray(300, '\x5a');
    const QByteArray pes = QByteArray("\x00\x00\x01\xe0\x00\x00\x80\x00\x00", 9) + es;
    const auto packet = [&](int pid, bool start, const QByteArray &payload, int counter) -> QByteArray {
        QByteArray p = QByteArray(packetSize == 192 ? 4 : 0, '\0') + '\x47' + be((start ? 0x4000 : 0) | pid, 2);
        if (payload.size() >= 184)
            return p + char(0x10 | (counter & 15)) + payload.left(184);
        // Stuffing in an adaptation field fills a short last packet.
        const int stuffing = 183 - int(payload.size());
        p += char(0x30 | (counter & 15)) + QByteArray(1, char(stuffing));
        if (stuffing > 0)
            p += '\0' + QByteArray(stuffing - 1, '\xff');
        return p + payload;
    };
    QByteArray out;
    int counter = 0;
    for (qsizetype at = 0; at < pes.size(); at += 184) {
        out += packet(0x1011, at == 0, pes.mid(at, 184), counter++);
        out += packet(0x1100, at == 0, QByteArray(184, '\x0b'), counter);
    }
    return out;
}

// <root>/BDMV/{PLAYLIST/00000.mpls, STREAM/<clip>.MTS, CLIPINF/<clip>.CPI}.
// Returns the BDMV folder.
inline QString makeCard(const QString &root, const std::vector<std::pair<QString, std::optional<CameraTime>>> &clips)
{
    const QString bdmv = root + QStringLiteral("/BDMV/");
    QStringList names;
    for (const auto &[name, time] : clips) {
        writeFile(bdmv + QStringLiteral("STREAM/") + (names << name).last() + QStringLiteral(".MTS"), clipStreamBytes(time));
        writeFile(bdmv + QStringLiteral("CLIPINF/") + name + QStringLiteral(".CPI"), "HDMV0100");
    }
    writeFile(bdmv + QStringLiteral("PLAYLIST/00000.mpls"), mplsBytes(names));
    return bdmv.chopped(1);
}

inline void setModificationTime(const QString &path, const QDateTime &when)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append)) << path.toStdString();
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime)) << path.toStdString();
}

} // namespace reel::test
