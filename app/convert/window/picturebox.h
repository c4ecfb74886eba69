// The Picture group: the command line's picture choices (--max-size,
// --crop, --denoise, --deinterlace) as four lists, each item holding the
// option's own word.
#pragma once

#include "model/picture.h"

#include <QGroupBox>
#include <QStringList>

class QComboBox;

namespace convert {

class PictureBox : public QGroupBox {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // What the lists say; no largest size while the size is not offered.
    PictureRequest request() const;
    // A DVD's frame is fixed: its size is not offered.
    void setSizeOffered(bool offered);

    // The four words, in the order above, for the preferences; words that
    // name no item leave their list at its first.
    QStringList words() const;
    void setWords(const QStringList &words);

signals:
    void changed();

private:
    QComboBox *addChoice(int row, const QString &label, const char *name,
                         const QList<std::pair<QString, QString>> &items);

    QList<QComboBox *> m_lists; // size, crop, denoise, deinterlace
    bool m_sizeOffered = true;
};

} // namespace convert
