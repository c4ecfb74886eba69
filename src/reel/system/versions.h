/// \file
/// \ingroup system
/// The versions of the running system and of the media framework.
///
/// The operating-system version is the distribution's release: VERSION_ID of
/// os-release (/etc/os-release, else /usr/lib/os-release), such as "12" on
/// Debian 12 or "22.04" on Ubuntu 22.04. It is the number users and support
/// pages call the system's version, and it fits the binary-coded-decimal
/// layout below, where a kernel release (5.15.148) does not. A system without
/// VERSION_ID (rolling distributions) gives its kernel release instead
/// (uname), read the same way.
///
/// The layout is the classic system-version word: the low 16 bits hold four
/// nibbles, the major version as two decimal digits, then the minor version
/// and the bug-fix number, one nibble each (0 to 15):
///   10.4.9 -> 0x1049    12 -> 0x1200    22.04 -> 0x2240    23.10 -> 0x23A0
/// Parts that do not fit are held at the largest value (99, 15, 15).
///
/// "Lion or greater" compares the platform version number, the running
/// kernel's major.minor as major + minor / 1000 (6.1 gives 6.001), with the
/// kernel that came out in the same month as Lion, 3.0.
///
/// The media framework is ffmpeg's libavformat, as the ffmpeg of the bundle's
/// tools folder reports it ("ffmpeg -version").
///
/// Only versionOS (and os, which asks it) and versionQT log, and the run of
/// ffmpeg as any tool run is logged.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// The system version word described above; 0 when the system names no
/// version.
int osVersion();
/// The system version as a number (versionStr2Float of the text of
/// versionTextFromBCD), logged; 0.0 when there is none ("echec" logged).
float versionOS();
/// True when versionOS() lies in [n / 100 + 10, n / 100 + 10.1), n / 100
/// truncated towards zero.
bool os(int n);
/// True when the platform version number is at least Lion's (see above);
/// false when it cannot be read.
bool isLionOrGreater();

/// libavformat's version as major.minor read with versionStr2Float (59.27.100
/// gives 59.27), logged; 0.0 when the tool is missing or says nothing of it
/// ("echec").
float versionQT();

/// "%d%d.%d.%d" of the four nibbles of the low 16 bits, highest first:
/// 0x1049 gives "10.4.9".
QString versionTextFromBCD(int word);
/// The version word of a release text: its leading "major[.minor[.patch]]"
/// digits ("6.1.0-18-amd64" gives 0x0610); 0 when it does not start with a
/// number.
int osVersionFromText(const QString &release);
/// The value of the VERSION_ID line of an os-release file's contents, its
/// quotes taken off; null when there is no such line.
QString versionIdOfOsRelease(const QByteArray &contents);
/// "major.minor" of the libavformat line of "ffmpeg -version" output, such as
/// "libavformat    59. 27.100 / 59. 27.100" (59.27); null when there is none.
QString libavformatVersion(const QString &output);
/// The platform version number: major + minor / 1000 of the running kernel;
/// NaN when it cannot be read.
double platformVersionNumber();

} // namespace reel
REEL_EXPORT_END
