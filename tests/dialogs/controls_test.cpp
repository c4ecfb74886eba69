// setObjEnabled on real widgets.
#include "logcapture.h"

#include <reel/dialogs/controls.h>

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

TEST(SetObjEnabled, ABoxSwitchesItsOwnControls)
{
    QGroupBox box;
    auto *field = new QLineEdit(&box);
    auto *label = new QLabel(QStringLiteral("Name:"), &box);
    auto *button = new QPushButton(&box);
    auto *innerBox = new QGroupBox(&box);
    auto *innerField = new QLineEdit(innerBox);
    auto *subclassField = new NameField(&box);
    auto *list = new QListWidget(&box);
    // Only group boxes are opened: the controls of a frame stay as they
    // were, as do the boxes.
    auto *frame = new QFrame(&box);
    const QList<QWidget *> untouched{&box, innerBox, frame, new QPushButton(frame), new QLineEdit(frame)};
    ASSERT_NE(textColour(label, false), textColour(label, true));
    for (bool enabled : {false, true, false}) {
        setObjEnabled(&box, enabled);
        for (QWidget *control : std::initializer_list<QWidget *>{field, label, button, innerField, subclassField, list})
            EXPECT_EQ(control->isEnabled(), enabled) << control->metaObject()->className() << " " << enabled;
        for (QWidget *text : std::initializer_list<QWidget *>{field, label, innerField})
            EXPECT_EQ(text->palette().color(QPalette::Active, text->foregroundRole()), textColour(text, enabled))
                << text->metaObject()->className();
        for (QWidget *other : untouched)
            EXPECT_TRUE(other->isEnabled() && !other->testAttribute(Qt::WA_SetPalette)) << other->metaObject()->className();
        // Only exact text-field classes get a colour.
        EXPECT_FALSE(subclassField->testAttribute(Qt::WA_SetPalette));
        EXPECT_FALSE(button->testAttribute(Qt::WA_SetPalette));
    }
    setObjEnabled(nullptr, true);
    EXPECT_EQ(test::takeLog(), QStringList{QStringLiteral("setObjEnabled       :-(  no view")});
}

#include "controls_test.moc"
