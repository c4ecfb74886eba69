// Sample texts for the encoding tests, and an independent converter to make
// their bytes in legacy encodings.
#pragma once

#include <QByteArray>
#include <QString>

namespace reel::test {

// Subtitles as they come: numbered cues with timings, then text.
QString frenchSubtitle();   // Western European letters, in Windows-1252 and Mac OS Roman
QString russianSubtitle();  // Cyrillic
QString japaneseSubtitle(); // kana and kanji
QString germanText();       // umlauts and sharp s, all in ISO Latin 1

// The text converted by the C library's iconv to charset (an iconv name);
// the test fails when the text does not fit.
QByteArray iconvBytes(const QString &text, const char *charset);

} // namespace reel::test
