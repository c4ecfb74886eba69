// Sample texts for the encoding tests, and an independent converter to make
// their bytes in legacy encodings.
#pragma once

#include <QByteArray>
#include <QString>

namespace reel::test {

// tests/data/text/<name>.txt: subtitles as they come (numbered cues with
// timings, then text) and lines in one language each.
QString sample(const char *name);

// The text converted by the C library's iconv to charset (an iconv name);
// the test fails when the text does not fit.
QByteArray iconvBytes(const QString &text, const char *charset);

} // namespace reel::test
