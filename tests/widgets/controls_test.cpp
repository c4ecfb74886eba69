// setObjEnabled on real widgets.
#include "logcapture.h"

#include <reel/widgets/controls.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace reel;

namespace {

// A class with a meta-object name of its own.
class NameField : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
};

QColor textColour(const QWidget *widget, bool enabled)
{
    return QApplication::palette(widget).color(enabled ? QPalette::Active : QPalette::Disabled, widget->foregroundRole());
}

} // namespace

// Only group boxes are opened (the controls of a frame stay as they were, as
// do the boxes), and only exact text-field classes get a colour.
TEST(SetObjEnabled, ABoxSwitchesItsOwnControls)
{
    QGroupBox box;
    auto *innerBox = new QGroupBox(&box);
    auto *frame = new QFrame(&box);
    const QList<QWidget *> texts{new QLineEdit(&box), new QLabel(QStringLiteral("Name:"), &box), new QLineEdit(innerBox)};
    const QList<QWidget *> uncoloured{new NameField(&box), new QPushButton(&box), new QListWidget(&box)};
    const QList<QWidget *> untouched{&box, innerBox, frame, new QPushButton(frame), new QLineEdit(frame)};
    ASSERT_NE(textColour(texts[1], false), textColour(texts[1], true));
    for (bool enabled : {false, true}) {
        setObjEnabled(&box, enabled);
        for (QWidget *control : texts + uncoloured)
            EXPECT_EQ(control->isEnabled(), enabled) << control->metaObject()->className() << " " << enabled;
        for (QWidget *text : texts)
            EXPECT_EQ(text->palette().color(QPalette::Active, text->foregroundRole()), textColour(text, enabled))
                << text->metaObject()->className();
        for (QWidget *other : uncoloured + untouched)
            EXPECT_FALSE(other->testAttribute(Qt::WA_SetPalette)) << other->metaObject()->className();
        for (QWidget *other : untouched)
            EXPECT_TRUE(other->isEnabled()) << other->metaObject()->className();
    }
    setObjEnabled(nullptr, true);
    EXPECT_EQ(test::takeLog(), QStringList{QStringLiteral("setObjEnabled       :-(  no view")});
}

#include "controls_test.moc"
