#pragma once

#include <QDialog>

class CHyperLink;

// Help > About: the program's icon, name and version, its makers and a link
// to its web page.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    CHyperLink* m_wndLink;
};

// The credit line under the link.
extern const char* const kCreditLine;
