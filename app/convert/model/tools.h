// The media tools the converter runs, found in the bundle's tools folder.
#pragma once

#include "model/language.h"

#include <QString>
#include <QStringList>

namespace convert {

// <bundle resources>/tools/<name>; the path whether or not the tool is there.
QString toolPath(const QString &name);

// The tools a conversion needs (ffmpeg, ffprobe) that the bundle lacks.
QStringList missingTools();

// A sentence naming the missing tools and where they were looked for; ""
// when none is missing.
QString missingToolsMessage(const QStringList &missing);
Said missingTools(const QStringList &missing);

} // namespace convert
