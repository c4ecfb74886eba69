#pragma once

#include <QString>
#include <QStringList>

namespace convert {

// The language people read the converter in: the first of the system's
// languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) the bundle has a
// translation for, English when none. Called once the application exists
// and before anything is printed; with json, nothing is translated and
// numbers keep their C form, so that a script reads the same bytes under
// every locale. Returns the language chosen ("fr"; "en" for English).
QString useSystemLanguage(bool json);

// Of the wanted languages (BCP 47 tags as QLocale::uiLanguages gives them),
// the first one among those available ("fr", "pt_BR"), tried whole then
// without its region; "en" when English comes first or none is available.
QString chosenLanguage(const QStringList &wanted, const QStringList &available);

// The languages whose translation is in the bundle.
QStringList shippedLanguages();

// A text people read, in their language, with its English for the log (log
// lines never change with the language). Made from a source text marked for
// lupdate:
//   said("Probe", QT_TRANSLATE_NOOP("Probe", "%1 is a folder")).arg(path)
struct Said {
    QString shown;
    QString english;

    // Fills the lowest %1...%99 of both, as QString::arg does.
    Said arg(const QString &value) const;
    Said arg(const QString &first, const QString &second) const;
    Said arg(qint64 value) const;
    // A part that is itself said: its English goes into the English.
    Said arg(const Said &part) const;

    bool isEmpty() const { return shown.isEmpty(); }
};

// Words that are the same in every language: file names, a tool's own words.
inline Said untranslated(const QString &text)
{
    return Said{text, text};
}

inline Said operator+(const Said &a, const Said &b)
{
    return Said{a.shown + b.shown, a.english + b.english};
}

Said said(const char *context, const char *sourceText);

// The letters of a yes-or-no question, no being the default: "[y/N]",
// "[o/N]" in French.
QString yesOrNo();
// Whether a reply to such a question is yes: the language's letter for yes,
// or "y" as in English, so that a script answering y works in every
// language. Anything else, and nothing, is no.
bool repliesYes(const QString &reply);
// QCoreApplication::translate with a count, its text marked with
// QT_TRANSLATE_N_NOOP. Where no translation has the text, the English the
// code is written in: "(s)" is an "s" unless the count is 1, and singular,
// when given, is the whole text for 1 ("the video" for "the %n video(s)").
// The same under --json, where nothing is translated.
QString counted(const char *context, const char *sourceText, int n, const char *singular = nullptr);
QString englishCounted(const char *sourceText, int n, const char *singular = nullptr);
Said said(const char *context, const char *sourceText, int n);

} // namespace convert
