// What a tool says while it runs: its bytes cut into lines (progress lines
// end in a carriage return, messages in a line feed), its last words kept
// to say why it failed, and the first line that says its output could not
// be written.
//
// A tool's exit status is not the truth: ffmpeg exits 0 after "Error
// writing trailer ... No space left on device", leaving a file that no
// player opens. Whoever runs a tool treats such a line as a failure.
#pragma once

#include "model/language.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace convert {

// The line, trimmed, when it says that writing failed (a full disk, a quota,
// a read-only or failing device, a file too large, a trailer or packet
// that could not be written); empty otherwise.
QString writeFailureIn(const QString &line);

class ToolOutput {
public:
    // Cuts bytes into lines and hands each complete one, as UTF-8 text, to
    // onLine; what follows the last line end waits for more.
    void feed(const QByteArray &bytes, const std::function<void(const QString &)> &onLine);
    // Hands on what is left once the tool has ended.
    void flush(const std::function<void(const QString &)> &onLine);
    // Keeps a line (not a progress line) among the last words, and notes it
    // when it says a write failed.
    void keep(const QString &line);
    // The last lines kept, oldest first.
    QStringList lastWords() const { return m_lastWords; }
    // The first line kept that said a write failed; empty when none did.
    QString writeFailure() const { return m_writeFailure; }
    void clear();

private:
    QByteArray m_pending;
    QStringList m_lastWords;
    QString m_writeFailure;
};

// "; <folder> has 0.3 MB free" when the file system of folder is (nearly)
// full, which is what a tool's own words often leave unsaid; empty otherwise.
Said fullDiskHint(const QString &folder);

} // namespace convert
