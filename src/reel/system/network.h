// Fetching a web page synchronously.
//
// The fetch is a small HTTP/1.1 client on Qt's blocking socket calls
// (QTcpSocket, QSslSocket for https), not QNetworkAccessManager: it needs no
// event loop and no Qt application object, so it works the same in a widgets
// program, in a command-line program and on a thread without an event loop,
// and it never delivers queued events of the caller's loop in the middle of a
// call. It follows up to five redirections (never from https to http), reads
// bodies sent whole, by length or in chunks, and gives up when the time-out
// runs out, whatever the server does. Name look-up is the system resolver's
// and ends within its own time limits. "file:" URLs are read from disk.
#pragma once

#include <QString>

namespace reel {

// The text of the page at url, or "" when it cannot be fetched (unreachable,
// refused, timed out, an answer other than 2xx, a URL that does not parse);
// nil for a nil url. The bytes are decoded with the charset the server
// declares; without one, or when they are not valid in it, as UTF-8, and as
// Latin-1 when they are not valid UTF-8 either.
QString webpageSource(const QString &url, bool verbose);

// True when the page at url could be fetched, whatever its characters; false
// for a nil url.
bool internetConnexionCheck(const QString &url);

// How long one fetch may take in all, in milliseconds (15000 unless set).
int networkTimeout();
// Sets it (values below 1 count as 1) and returns the previous value.
int setNetworkTimeout(int milliseconds);

} // namespace reel
