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
#include <QTextEdit>

using namespace reel;

namespace {

// Classes with meta-object names of their own.
class NameField : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
};

class OwnBox : public QGroupBox {
    Q_OBJECT
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
    auto *plain = new QWidget(&box);
    auto *buttonInPlain = new QPushButton(plain);
    auto *innerBox = new QGroupBox(&box);
    auto *innerField = new QLineEdit(innerBox);
    auto *subclassField = new NameField(&box);
    auto *editor = new QTextEdit(&box);
    auto *list = new QListWidget(&box);
    ASSERT_NE(textColour(label, false), textColour(label, true));
    for (bool enabled : {false, true, false}) {
        setObjEnabled(&box, enabled);
        for (QWidget *control : std::initializer_list<QWidget *>{field, label, button, innerField, subclassField, editor, list})
            EXPECT_EQ(control->isEnabled(), enabled) << control->metaObject()->className() << " " << enabled;
        for (QWidget *text : std::initializer_list<QWidget *>{field, label, innerField})
            EXPECT_EQ(text->palette().color(QPalette::Active, text->foregroundRole()), textColour(text, enabled))
                << text->metaObject()->className();
        // Containers are not switched: a control in a plain widget stays as
        // it was, and the boxes themselves stay enabled.
        for (QWidget *untouched : std::initializer_list<QWidget *>{buttonInPlain, plain, &box, innerBox})
            EXPECT_TRUE(untouched->isEnabled());
        // Only exact text-field classes get a colour.
        EXPECT_FALSE(subclassField->testAttribute(Qt::WA_SetPalette));
        EXPECT_FALSE(button->testAttribute(Qt::WA_SetPalette));
    }
}

TEST(SetObjEnabled, OnlyExactGroupBoxesAreOpened)
{
    QWidget plain;
    OwnBox ownBox;
    QFrame frame;
    for (QWidget *container : std::initializer_list<QWidget *>{&plain, &ownBox, &frame}) {
        auto *field = new QLineEdit(container);
        auto *button = new QPushButton(container);
        setObjEnabled(container, false);
        EXPECT_TRUE(container->isEnabled()) << container->metaObject()->className();
        EXPECT_TRUE(field->isEnabled() && button->isEnabled()) << container->metaObject()->className();
        EXPECT_FALSE(field->testAttribute(Qt::WA_SetPalette));
    }
    setObjEnabled(nullptr, true);
    EXPECT_TRUE(test::logHas(QStringLiteral("setObjEnabled       :-(  no view")));
}

#include "controls_test.moc"
