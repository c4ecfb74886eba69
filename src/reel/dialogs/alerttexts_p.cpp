#include "reel/dialogs/alerttexts_p.h"

#include "reel/core/bundle.h"

#include <array>

namespace reel::detail {

namespace {

// English, French, German, Spanish, in that order.
using Texts = std::array<const char16_t *, 4>;

Texts textsOf(AlertText text)
{
    switch (text) {
    case AlertText::BugNotice:
        return {u"You would not have to see this alert. Thanks to make a screenshot of it "
                u"(and to prepare a screenshot of the application...)",
                u"Vous n'auriez pas du voir cette alerte apparaître. Merci d'en faire une capture "
                u"(et de préparer -en plus- une capture de l'application…)",
                u"Diese Meldung hätten Sie nicht sehen sollen. Bitte machen Sie davon ein Bildschirmfoto "
                u"(und zusätzlich eines von der Anwendung…)",
                u"No debería haber visto este aviso. Por favor, haga una captura de pantalla "
                u"(y prepare además una captura de la aplicación…)"};
    case AlertText::Ok:
        return {u"OK", u"OK", u"OK", u"Aceptar"};
    case AlertText::Cancel:
        return {u"Cancel", u"Annuler", u"Abbrechen", u"Cancelar"};
    case AlertText::DoNotShowAgain:
        return {u"Do not show this message again", u"Ne plus afficher ce message", u"Diese Meldung nicht mehr anzeigen",
                u"No volver a mostrar este mensaje"};
    case AlertText::PipeLimit:
        break;
    }
    return {u"taskArray1PipeMax is limited to one pipe only (actually) :-(",
            u"taskArray1PipeMax se limite pour l'instant à un seul tube :-(",
            u"taskArray1PipeMax ist derzeit auf eine einzige Pipe beschränkt :-(",
            u"taskArray1PipeMax se limita por ahora a una sola tubería :-("};
}

} // namespace

QString alertLanguage()
{
    QString language = Bundle::main()
                           .localizedString(QStringLiteral("D_Langue"), QStringLiteral(""), QStringLiteral("Localized"))
                           .trimmed()
                           .toLower();
    // "fr_FR" and "fr-CA" speak French too.
    language = language.left(2);
    for (const char *known : {"fr", "de", "es"}) {
        if (language == QLatin1String(known))
            return language;
    }
    return QStringLiteral("en");
}

QString alertText(AlertText text, const QString &language)
{
    const Texts texts = textsOf(text);
    std::size_t index = 0;
    if (language == QLatin1String("fr"))
        index = 1;
    else if (language == QLatin1String("de"))
        index = 2;
    else if (language == QLatin1String("es"))
        index = 3;
    return QString::fromUtf16(texts[index]);
}

} // namespace reel::detail
