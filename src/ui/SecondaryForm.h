#pragma once

#include <QWidget>

// The common frame of the three secondary windows: made once at start and kept hidden until
// opened, fixed in size, silver, in the program's window font. They never end the program: only
// closing the main window does.
class SecondaryForm : public QWidget {
public:
    SecondaryForm(const QString& caption, QSize client, Qt::WindowFlags titleBar);
};
