/// \file
/// \ingroup network
/// Fetching a web page synchronously, through libcurl's easy interface: it
/// needs no event loop and no Qt application object, so it works the same in
/// a widgets program, in a command-line program and on a thread without an
/// event loop, and it never delivers queued events of the caller's loop in the
/// middle of a call. http and https only (TLS checked against the system's
/// certificates), proxies as the environment names them (http_proxy,
/// https_proxy, no_proxy...), up to five redirections (never from https to
/// http), one time limit for the whole fetch whatever the server does, and a
/// size limit on the page, however it is sent. Pages are asked for and taken
/// unencoded (no compression). "file:" URLs are read from disk. A URL that is
/// neither http(s) nor a file is logged; a failed fetch is traced only with
/// the debug level on.
#pragma once

#include "reel/core/export.h"

#include <QString>

REEL_EXPORT_BEGIN
namespace reel {

/// The text of the page at url, or "" when it cannot be fetched (unreachable,
/// refused, timed out, an answer other than 2xx, a URL that does not parse);
/// nil for a nil url. The bytes are decoded with the charset the server
/// declares; without one, or when they are not valid text in it (a unit cut
/// short, an unpaired surrogate, a code point above U+10FFFF), as UTF-8, and
/// as Latin-1 when they are not valid UTF-8 either.
QString webpageSource(const QString &url, bool verbose);

/// True when the page at url could be fetched, whatever its characters; false
/// for a nil url.
bool internetConnexionCheck(const QString &url);

/// How long one fetch may take in all, redirections included, in
/// milliseconds (15000 unless set). The settings below never fail or log.
int networkTimeout();
/// Sets it (values below 1 count as 1) and returns the previous value.
int setNetworkTimeout(int milliseconds);

/// The largest page a fetch accepts, in bytes (64 MiB unless set); a larger
/// one is a failed fetch.
qint64 networkPageLimit();
/// Sets it (values below 0 count as 0) and returns the previous value.
qint64 setNetworkPageLimit(qint64 bytes);

} // namespace reel
REEL_EXPORT_END
