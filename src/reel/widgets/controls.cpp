#include "reel/widgets/controls.h"

#include "reel/core/log.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <cstring>

namespace reel {

namespace {

bool isControl(const QWidget *view)
{
    return qobject_cast<const QAbstractButton *>(view) || qobject_cast<const QLineEdit *>(view)
        || qobject_cast<const QLabel *>(view) || qobject_cast<const QComboBox *>(view)
        || qobject_cast<const QAbstractSpinBox *>(view) || qobject_cast<const QAbstractSlider *>(view)
        || qobject_cast<const QTextEdit *>(view) || qobject_cast<const QPlainTextEdit *>(view)
        || qobject_cast<const QAbstractItemView *>(view);
}

bool hasClassName(const QWidget *view, const char *name)
{
    return std::strcmp(view->metaObject()->className(), name) == 0;
}

// The text colour of an enabled or a disabled field, from the palette the
// widget's class gets by default; set for the active and inactive states.
void setTextColour(QWidget *field, bool enabled)
{
    const QPalette::ColorRole role = field->foregroundRole();
    const QColor colour = QApplication::palette(field).color(enabled ? QPalette::Active : QPalette::Disabled, role);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    field->setPalette(palette);
}

} // namespace

void setObjEnabled(QWidget *view, bool enabled)
{
    if (!view) {
        logAlways(LogLabel("setObjEnabled"), ":-(  no view");
        return;
    }
    if (isControl(view))
        view->setEnabled(enabled);

    if (hasClassName(view, "QLineEdit") || hasClassName(view, "QLabel")) {
        setTextColour(view, enabled);
    } else if (hasClassName(view, "QGroupBox")) {
        const QObjectList children = view->children();
        for (QObject *child : children) {
            if (child->isWidgetType())
                setObjEnabled(static_cast<QWidget *>(child), enabled);
        }
    }
}

} // namespace reel
