// CAboutDlg: the About box (dialog 100): the program's name and version, the authors' notice and two
// links, one starting an e-mail and one opening the home page. Opened from the main window's menu.
#pragma once

#include "app/LinkLabel.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class CAboutDlg : public QDialog {
public:
    static constexpr const char* kEmailAddress = "tarvolin@example.org";
    static constexpr const char* kHomePage = "https://tarvolin.example.org/";

    explicit CAboutDlg(QWidget* parent = nullptr);

    // Runs the box modally; IDOK when it is closed with OK, else IDCANCEL.
    int DoModal();

    CLinkLabel m_emailLabel;
    CLinkLabel m_homePageLabel;

private:
    // Binds the two labels to their controls (1003 and 1000).
    void DoDataExchange();
    bool OnInitDialog();

    QLabel m_wndVersion;
    QLabel m_wndNotice;
    QPushButton m_btnOK;
    QLabel m_wndIcon;
};
