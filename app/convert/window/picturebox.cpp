#include "window/picturebox.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace convert {

namespace {

// The size list's word is a largest frame, or a height alone.
bool isHeight(const QString &size)
{
    return !size.isEmpty() && !size.contains(QLatin1Char('x'));
}

bool readWords(const QStringList &words, PictureRequest *request)
{
    const QString size = words.value(0);
    QString error;
    return readPictureWords(isHeight(size) ? QString() : size, isHeight(size) ? size : QString(), words.value(1),
                            words.value(2), words.value(3), request, &error);
}

// What an item of a word outside the lists says.
QString wordLabel(int list, const QString &word)
{
    if (list == 0)
        return isHeight(word) ? QCoreApplication::translate("convert::PictureBox", "%1 pixels high").arg(word) : word;
    if (list == 1)
        return QCoreApplication::translate("convert::PictureBox", "%1 (top:bottom:left:right)").arg(word);
    return word;
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QGroupBox(tr("Picture"), parent)
{
    setObjectName(QStringLiteral("picture"));
    auto *grid = new QGridLayout(this);
    addChoice(0, tr("Largest size:"), "maxSize",
              {{tr("Original size"), QString()},
               {tr("1080p (1920x1080)"), QStringLiteral("1920x1080")},
               {tr("720p (1280x720)"), QStringLiteral("1280x720")},
               {tr("480p (854x480)"), QStringLiteral("854x480")}})
        ->setToolTip(tr("Only ever smaller, never larger, in its own shape; a DVD's frame is fixed"));
    addChoice(1, tr("Crop:"), "crop", {{tr("None"), QStringLiteral("none")}, {tr("Automatic"), QStringLiteral("auto")}})
        ->setToolTip(tr("Automatic cuts the black bars found at five places through each video"));
    addChoice(2, tr("Denoise:"), "denoise",
              {{tr("Off"), QStringLiteral("off")},
               {tr("Light"), QStringLiteral("light")},
               {tr("Strong"), QStringLiteral("strong")}});
    addChoice(3, tr("Deinterlace:"), "deinterlace",
              {{tr("Automatic"), QStringLiteral("auto")},
               {tr("On"), QStringLiteral("on")},
               {tr("Off"), QStringLiteral("off")}})
        ->setToolTip(tr("Automatic follows the video's stream, or the interlace test when it does not say"));
    grid->setColumnStretch(1, 1);
}

QComboBox *PictureBox::addChoice(int row, const QString &label, const char *name,
                                 const QList<std::pair<QString, QString>> &items)
{
    auto *list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    for (const auto &[text, word] : items)
        list->addItem(text, word);
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->addWidget(new QLabel(label, this), row, 0);
    grid->addWidget(list, row, 1);
    connect(list, &QComboBox::currentIndexChanged, this, &PictureBox::changed);
    m_lists << list;
    return list;
}

PictureRequest PictureBox::request() const
{
    QStringList chosen = words();
    if (!m_sizeOffered)
        chosen[0].clear();
    PictureRequest request;
    // The lists hold only words the reader takes.
    readWords(chosen, &request);
    return request;
}

void PictureBox::setSizeOffered(bool offered)
{
    m_sizeOffered = offered;
    m_lists.first()->setEnabled(offered);
}

QStringList PictureBox::words() const
{
    QStringList words;
    for (const QComboBox *list : m_lists)
        words << list->currentData().toString();
    return words;
}

void PictureBox::setWords(const QStringList &words)
{
    for (int i = 0; i < m_lists.size(); ++i) {
        QComboBox *list = m_lists.at(i);
        const QString word = words.value(i).trimmed().toLower();
        int at = list->findData(word);
        QStringList alone(m_lists.size());
        alone[i] = word;
        PictureRequest ignored;
        if (at < 0 && !word.isEmpty() && readWords(alone, &ignored)) {
            list->addItem(wordLabel(i, word), word);
            at = list->count() - 1;
        }
        list->setCurrentIndex(qMax(0, at));
    }
}

OptionWordList PictureBox::optionWords() const
{
    static const QStringList keys{QString(), QStringLiteral("crop"), QStringLiteral("denoise"),
                                  QStringLiteral("deinterlace")};
    OptionWordList words;
    for (int i = 0; i < m_lists.size(); ++i) {
        const QComboBox *list = m_lists.at(i);
        if (list->currentIndex() <= 0 || (i == 0 && !m_sizeOffered))
            continue;
        const QString word = list->currentData().toString();
        words << qMakePair(i > 0 ? keys.at(i) : isHeight(word) ? QStringLiteral("height") : QStringLiteral("max-size"),
                           word);
    }
    return words;
}

} // namespace convert
