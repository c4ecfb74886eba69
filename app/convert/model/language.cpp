#include "model/language.h"

#include <reel/core.h>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace convert {

namespace {

QString translationFolder()
{
    return reel::Bundle::main().resourcePath() + QStringLiteral("/translations");
}

const QString kPrefix = QStringLiteral("reelkit-convert_");

// Loads one .qm into the application; false when it is missing or unreadable.
bool install(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList shippedLanguages()
{
    QStringList languages;
    const QDir folder(translationFolder());
    for (const QString &file : folder.entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        languages << file.mid(kPrefix.size()).chopped(3);
    return languages;
}

QString chosenLanguage(const QStringList &wanted, const QStringList &available)
{
    for (const QString &tag : wanted) {
        QString name = tag;
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return QStringLiteral("en");
        // Qt follows a language it does not know (LANGUAGE=xx:fr) with "C";
        // the languages after it still count.
        if (language == QLatin1String("c"))
            continue;
        if (available.contains(name))
            return name;
        if (available.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

Said Said::arg(const QString &value) const
{
    return Said{shown.arg(value), english.arg(value)};
}

Said Said::arg(const QString &first, const QString &second) const
{
    return Said{shown.arg(first, second), english.arg(first, second)};
}

Said Said::arg(qint64 value) const
{
    return Said{shown.arg(value), english.arg(value)};
}

Said Said::arg(const Said &part) const
{
    return Said{shown.arg(part.shown), english.arg(part.english)};
}

Said said(const char *context, const char *sourceText)
{
    return Said{QCoreApplication::translate(context, sourceText), QString::fromUtf8(sourceText)};
}

QString yesOrNo()
{
    return QCoreApplication::translate("Terminal", "[y/N]", "the answers to a question: the letter for yes, N for the default no");
}

bool repliesYes(const QString &reply)
{
    const QString first = reply.trimmed().left(1).toLower();
    if (first.isEmpty())
        return false;
    const QString yes = QCoreApplication::translate("Terminal", "y", "the letter that answers yes, as in [y/N]");
    return first == QLatin1String("y") || first == yes.left(1).toLower();
}

QString englishCounted(const char *sourceText, int n, const char *singular)
{
    QString english = QString::fromUtf8(n == 1 && singular ? singular : sourceText);
    english.replace(QStringLiteral("(s)"), n == 1 ? QString() : QStringLiteral("s"));
    english.replace(QStringLiteral("%n"), QString::number(n));
    return english;
}

QString counted(const char *context, const char *sourceText, int n, const char *singular)
{
    const QString translated = QCoreApplication::translate(context, sourceText, nullptr, n);
    // Untranslated, translate() gives the text as written with the count in.
    QString written = QString::fromUtf8(sourceText);
    written.replace(QStringLiteral("%n"), QString::number(n));
    return translated == written ? englishCounted(sourceText, n, singular) : translated;
}

Said said(const char *context, const char *sourceText, int n)
{
    return Said{counted(context, sourceText, n), englishCounted(sourceText, n)};
}

QString useSystemLanguage(bool json)
{
    if (json || !QCoreApplication::instance()) {
        QLocale::setDefault(QLocale::c());
        return QStringLiteral("en");
    }
    const QString language = chosenLanguage(QLocale::system().uiLanguages(), shippedLanguages());
    if (language == QLatin1String("en") || !install(kPrefix + language, translationFolder())) {
        // English as the code writes it, numbers in C form.
        QLocale::setDefault(QLocale::c());
        return QStringLiteral("en");
    }
    // Qt's own words (the standard buttons), when the system has them.
    install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QLocale::setDefault(QLocale(language));
    reel::logDebug(reel::LogLabel("language"), "speaking '%@'", language);
    return language;
}

} // namespace convert
