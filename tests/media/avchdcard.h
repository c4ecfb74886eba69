// Camera cards for the tests: the few bytes of an AVCHD / BDMV structure that
// the time-stamp tool reads, written into the sandbox.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace reel::test {

struct CameraTime {
    int year, month, day, hour, minute, second;
};

// A playlist file ("MPLS") naming clips (five digits each) in play-item order.
QByteArray mplsBytes(const QStringList &clips);

// A clip's stream: a transport stream (packetSize 188 or 192, video on PID
// 0x1011 with audio packets between) whose H.264 SEI holds the recording time
// when given. padding puts that many filler bytes before the SEI, to move it
// across packet boundaries.
QByteArray clipStreamBytes(std::optional<CameraTime> time, int packetSize = 192, int padding = 0);
// The SEI alone as bare H.264 (start code, NAL header, escaped payload).
QByteArray mdpmSeiBytes(const CameraTime &time);

// <root>/BDMV/{PLAYLIST,STREAM,CLIPINF}: one playlist 00000.mpls with the
// clips, each clip's STREAM/<clip>.MTS with its time (or none). Returns the
// BDMV folder.
struct CardClip {
    QString name;
    std::optional<CameraTime> time;
};
QString makeCard(const QString &root, const std::vector<CardClip> &clips);

// Sets a file's modification time.
void setModificationTime(const QString &path, const QDateTime &when);

// The built time-stamp tool, through the test bundle's tools folder.
QString timeStampTool();

inline std::vector<std::uint8_t> toVector(const QByteArray &bytes)
{
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace reel::test
