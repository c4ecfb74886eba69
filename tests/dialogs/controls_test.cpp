// setObjEnabled on real widgets.
#include "logcapture.h"

#include <reel/dialogs/controls.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace reel;

namespace {

// Classes of their own, with names of their own for the meta-object.
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

QColor shownColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::Active, widget->foregroundRole());
}

// A box as a window would hold it: a field, a label, a button, a plain
// widget with a button of its own, a box inside the box and a field of a
// class of its own.
struct Form {
    QGroupBox box{QStringLiteral("Output")};
    QLineEdit *field = new QLineEdit(QStringLiteral("name"), &box);
    QLabel *label = new QLabel(QStringLiteral("Name:"), &box);
    QPushButton *button = new QPushButton(QStringLiteral("Choose"), &box);
    QWidget *plain = new QWidget(&box);
    QPushButton *buttonInPlain = new QPushButton(QStringLiteral("Inner"), plain);
    QGroupBox *innerBox = new QGroupBox(QStringLiteral("Inner box"), &box);
    QLineEdit *innerField = new QLineEdit(innerBox);
    NameField *subclassField = new NameField(&box);
};

} // namespace

TEST(SetObjEnabled, ABoxSwitchesItsOwnControls)
{
    Form form;
    for (bool enabled : {false, true, false}) {
        setObjEnabled(&form.box, enabled);
        for (QWidget *control : {static_cast<QWidget *>(form.field), static_cast<QWidget *>(form.label),
                                 static_cast<QWidget *>(form.button), static_cast<QWidget *>(form.innerField),
                                 static_cast<QWidget *>(form.subclassField)})
            EXPECT_EQ(control->isEnabled(), enabled) << control->metaObject()->className() << " " << enabled;
        for (QWidget *field : {static_cast<QWidget *>(form.field), static_cast<QWidget *>(form.label),
                               static_cast<QWidget *>(form.innerField)})
            EXPECT_EQ(shownColour(field), textColour(field, enabled)) << field->metaObject()->className();
        // Containers are not switched: a control in a plain widget stays as
        // it was, and the boxes themselves stay enabled.
        EXPECT_TRUE(form.buttonInPlain->isEnabled());
        EXPECT_TRUE(form.plain->isEnabled());
        EXPECT_TRUE(form.box.isEnabled());
        EXPECT_TRUE(form.innerBox->isEnabled());
        // A field of a class of its own is an ordinary control: no colour.
        EXPECT_FALSE(form.subclassField->testAttribute(Qt::WA_SetPalette));
    }
}

TEST(SetObjEnabled, OnlyExactGroupBoxesAreOpened)
{
    struct Case {
        const char *name;
        QWidget *container;
    };
    QWidget plain;
    OwnBox ownBox;
    QFrame frame;
    for (const Case &c : {Case{"plain widget", &plain}, Case{"group box subclass", &ownBox}, Case{"frame", &frame}}) {
        auto *field = new QLineEdit(c.container);
        auto *button = new QPushButton(c.container);
        setObjEnabled(c.container, false);
        EXPECT_TRUE(c.container->isEnabled()) << c.name;
        EXPECT_TRUE(field->isEnabled()) << c.name;
        EXPECT_TRUE(button->isEnabled()) << c.name;
        EXPECT_FALSE(field->testAttribute(Qt::WA_SetPalette)) << c.name;
    }
}

TEST(SetObjEnabled, AControlAlone)
{
    QLabel label(QStringLiteral("Not editable"));
    setObjEnabled(&label, false);
    EXPECT_FALSE(label.isEnabled());
    EXPECT_EQ(shownColour(&label), textColour(&label, false));
    EXPECT_NE(textColour(&label, false), textColour(&label, true));

    QPushButton button;
    setObjEnabled(&button, false);
    EXPECT_FALSE(button.isEnabled());
    EXPECT_FALSE(button.testAttribute(Qt::WA_SetPalette));
    setObjEnabled(&button, true);
    EXPECT_TRUE(button.isEnabled());
}

TEST(SetObjEnabled, NoViewIsLogged)
{
    setObjEnabled(nullptr, true);
    EXPECT_TRUE(test::logHas(QStringLiteral("setObjEnabled       :-(  no view")));
}

#include "controls_test.moc"
