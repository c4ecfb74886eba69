// The converter's translations as the program ships them, in its bundle
// beside the executable, for the tests that read it in another language.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace convert::test {

// <build>/reelkit-convert.app, as the build lays it out.
inline QString converterBundle()
{
    QDir contents = QFileInfo(QStringLiteral(REELKIT_CONVERT_EXE)).absoluteDir();
    contents.cdUp();
    contents.cdUp();
    return contents.absolutePath();
}

inline QString translationFolder()
{
    return converterBundle() + QStringLiteral("/Contents/Resources/translations");
}

// The converter's translation into language, and that language's number
// forms, for the life of the object; English and C forms again afterwards.
class ScopedLanguage {
public:
    explicit ScopedLanguage(const QString &language)
    {
        m_loaded = m_translator.load(QStringLiteral("reelkit-convert_") + language, translationFolder())
                   && QCoreApplication::installTranslator(&m_translator);
        QLocale::setDefault(QLocale(language));
    }
    ~ScopedLanguage()
    {
        QCoreApplication::removeTranslator(&m_translator);
        QLocale::setDefault(QLocale::c());
    }
    ScopedLanguage(const ScopedLanguage &) = delete;

    bool loaded() const { return m_loaded; }
    // The translation of a text, empty when it has none yet.
    QString translated(const char *context, const char *text) const { return m_translator.translate(context, text); }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

} // namespace convert::test
