#include "mainwindow.h"

#include <reel/core.h>

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ShellWindow::ShellWindow(QWidget *parent) : QWidget(parent)
{
    const reel::Bundle bundle = reel::Bundle::main();
    setWindowTitle(bundle.name());

    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("<b>%1</b>").arg(bundle.name().toHtmlEscaped()), this);
    const QString temporary = reel::getTMPFOLDER();
    auto *details = new QLabel(this);
    details->setTextFormat(Qt::PlainText);
    details->setText(QStringLiteral("Bundle: %1\nTools: %2/tools\nTemporary folder: %3")
                         .arg(bundle.bundlePath(), bundle.resourcePath(),
                              temporary.isEmpty() ? QStringLiteral("none") : temporary));
    auto *quit = new QPushButton(QStringLiteral("Close"), this);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    layout->addWidget(title);
    layout->addWidget(details);
    layout->addWidget(quit, 0, Qt::AlignRight);
    resize(480, 160);
}
