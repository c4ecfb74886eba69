#include "window/picturebox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace convert {

PictureBox::PictureBox(QWidget *parent) : QGroupBox(QStringLiteral("Picture"), parent)
{
    setObjectName(QStringLiteral("picture"));
    auto *grid = new QGridLayout(this);
    addChoice(0, QStringLiteral("Largest size:"), "maxSize",
              {{QStringLiteral("Original size"), QString()},
               {QStringLiteral("1080p (1920x1080)"), QStringLiteral("1920x1080")},
               {QStringLiteral("720p (1280x720)"), QStringLiteral("1280x720")},
               {QStringLiteral("480p (854x480)"), QStringLiteral("854x480")}})
        ->setToolTip(QStringLiteral("Only ever smaller, never larger, in its own shape; a DVD's frame is fixed"));
    addChoice(1, QStringLiteral("Crop:"), "crop",
              {{QStringLiteral("None"), QStringLiteral("none")}, {QStringLiteral("Automatic"), QStringLiteral("auto")}})
        ->setToolTip(QStringLiteral("Automatic cuts the black bars found at five places through each video"));
    addChoice(2, QStringLiteral("Denoise:"), "denoise",
              {{QStringLiteral("Off"), QStringLiteral("off")},
               {QStringLiteral("Light"), QStringLiteral("light")},
               {QStringLiteral("Strong"), QStringLiteral("strong")}});
    addChoice(3, QStringLiteral("Deinterlace:"), "deinterlace",
              {{QStringLiteral("Automatic"), QStringLiteral("auto")},
               {QStringLiteral("On"), QStringLiteral("on")},
               {QStringLiteral("Off"), QStringLiteral("off")}})
        ->setToolTip(QStringLiteral("Automatic follows the video's stream, or the interlace test when it does not say"));
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
    const QStringList chosen = words();
    PictureRequest request;
    QString error;
    // The lists hold only words the reader takes.
    readPictureWords(m_sizeOffered ? chosen.at(0) : QString(), QString(), chosen.at(1), chosen.at(2), chosen.at(3),
                     &request, &error);
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
    for (int i = 0; i < m_lists.size(); ++i)
        m_lists.at(i)->setCurrentIndex(qMax(0, m_lists.at(i)->findData(words.value(i))));
}

} // namespace convert
