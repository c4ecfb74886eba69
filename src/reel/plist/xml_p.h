// The XML property-list form: <plist version="1.0"> around one value of
// <dict> (<key> and value pairs), <array>, <string>, <integer>, <real>,
// <true/>, <false/>, <date> and <data> (base64).
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

namespace reel::plist {

// Reads with QXmlStreamReader and an explicit stack, once the markup was
// looked at (plistxmlmarkup.h). Refuses documents with attributes other
// than the version of <plist>, declarations in the DOCTYPE (entities among
// them), unknown elements, and anything over the limits of plistcodec.h.
std::optional<QVariant> readXml(const QByteArray &bytes, QString *error);

// Writes a value that checkValue accepted. Refuses strings with characters
// XML cannot carry and dates outside the years 1 to 9999.
QByteArray writeXml(const QVariant &value, QString *error);

} // namespace reel::plist
