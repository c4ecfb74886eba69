// The Picture group: the command line's picture choices (--max-size,
// --crop, --denoise, --deinterlace) as four lists, each item holding the
// option's own word.
#pragma once

#include "model/picture.h"
#include "model/savedpresets.h"

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

    // The four words, in the order above, for the preferences. The size is
    // a largest frame ("1280x720") or a height alone ("720"). A word the
    // command line takes that no item names gets an item of its own; others
    // leave their list at its first.
    QStringList words() const;
    void setWords(const QStringList &words);

    // The command line's words of the lists not at their first item, as a
    // preset keeps them: max-size or height, crop, denoise, deinterlace.
    OptionWordList optionWords() const;

signals:
    void changed();

private:
    QComboBox *addChoice(int row, const QString &label, const char *name,
                         const QList<std::pair<QString, QString>> &items);

    QList<QComboBox *> m_lists; // size, crop, denoise, deinterlace
    bool m_sizeOffered = true;
};

} // namespace convert
