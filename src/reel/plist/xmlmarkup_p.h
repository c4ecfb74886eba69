// The markup of an XML property list looked at in one pass before the XML
// reader parses it. QXmlStreamReader spends time in the square of the
// attributes of one element and of the declarations of a DOCTYPE (seconds
// for a file of a megabyte); the grammar has neither beyond the version of
// <plist>, so such a document is refused here. Elements are counted as they
// open, so that a file of millions of them is refused before any is read.
#pragma once

#include <QByteArray>
#include <QString>

namespace reel::plist {

// A document as the XML reader is to read it: its bytes when they are UTF-8,
// else its text, decoded here once (the reader is then held to that text,
// whatever its declaration says), so that what was looked at is what is read.
struct XmlDocument {
    QByteArray bytes; // when text is null
    QString text;
    QString refusal; // why it is refused, or null
    qint64 refusalLine = 0;
};

XmlDocument prepareXml(const QByteArray &bytes);

} // namespace reel::plist
