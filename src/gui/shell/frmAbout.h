#pragma once

#include <QDialog>

// The About window: the program's name, version and purpose. Shown modally, made anew each
// time; closed with its close control, OK or Escape.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
};
