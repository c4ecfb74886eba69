#include "samples.h"

#include <gtest/gtest.h>

#include <iconv.h>

namespace reel::test {

QString frenchSubtitle()
{
    return QStringLiteral("1\n00:00:01,000 --> 00:00:04,000\n"
                          "Où êtes-vous allés cet été ? Ça m'a semblé très étrange.\n\n"
                          "2\n00:00:05,000 --> 00:00:08,000\n"
                          "Le garçon a reçu une lettre de sa sœur à Noël, près du château.\n\n"
                          "3\n00:00:09,000 --> 00:00:12,000\n"
                          "« Déjà ? » demanda-t-elle, en s'arrêtant devant la fenêtre.\n");
}

QString russianSubtitle()
{
    return QStringLiteral("1\n00:00:01,000 --> 00:00:04,000\n"
                          "Привет! Как у тебя дела? Я давно тебя не видел.\n\n"
                          "2\n00:00:05,000 --> 00:00:08,000\n"
                          "Мы поедем в Москву завтра утром, если погода будет хорошей.\n");
}

QString japaneseSubtitle()
{
    return QStringLiteral("1\n00:00:01,000 --> 00:00:04,000\n"
                          "こんにちは、元気ですか？今日はとても良い天気ですね。\n\n"
                          "2\n00:00:05,000 --> 00:00:08,000\n"
                          "明日は東京へ行きます。映画を見に行きましょう。\n");
}

QString germanText()
{
    return QStringLiteral("Die Größe der Straße überrascht mich. Über alles möchte ich Äpfel und Öl kaufen, "
                          "schön und müde.\n");
}

QByteArray iconvBytes(const QString &text, const char *charset)
{
    QByteArray utf8 = text.toUtf8();
    QByteArray out(utf8.size() * 4 + 16, '\0');
    char *in = utf8.data();
    char *target = out.data();
    size_t inLeft = size_t(utf8.size());
    size_t outLeft = size_t(out.size());
    iconv_t cd = iconv_open(charset, "UTF-8");
    if (cd == iconv_t(-1) || iconv(cd, &in, &inLeft, &target, &outLeft) == size_t(-1)
        || iconv(cd, nullptr, nullptr, &target, &outLeft) == size_t(-1))
        ADD_FAILURE() << "iconv cannot convert the sample to " << charset;
    if (cd != iconv_t(-1))
        iconv_close(cd);
    out.truncate(target - out.data());
    return out;
}

} // namespace reel::test
