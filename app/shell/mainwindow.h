#pragma once

#include <QWidget>

// The shell's one window: says what the program is and where it runs.
class ShellWindow : public QWidget {
public:
    explicit ShellWindow(QWidget *parent = nullptr);
};
