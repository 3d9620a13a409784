#pragma once
// Help > About: the program's name, version, rights notice, release date and authors.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
