#include "app/AboutDlg.h"

#include "platform/qt/DialogUnits.h"
#include "platform/qt/ResourceImages.h"
#include "res/Resource.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_emailLabel(this), m_homePageLabel(this), m_wndVersion(this), m_wndNotice(this), m_btnOK(this),
      m_wndIcon(this) {
    // Dialog 100, laid out in dialog units of its font.
    setWindowTitle(QStringLiteral("About Tarvolin"));
    setFont(DialogFont());
    const CDialogUnits units(font());
    setFixedSize(units.MapDialogSize(235, 83));

    m_wndVersion.setTextFormat(Qt::PlainText);
    m_wndVersion.setText(QStringLiteral("Tarvolin Version 1.2"));
    m_wndVersion.setGeometry(units.MapDialogRect(39, 8, 119, 8));

    m_wndNotice.setTextFormat(Qt::PlainText);
    m_wndNotice.setText(QStringLiteral("Written by the Tarvolin project.\nFree to use and to pass on."));
    m_wndNotice.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_wndNotice.setGeometry(units.MapDialogRect(39, 23, 129, 18));

    m_btnOK.setText(QStringLiteral("OK"));
    m_btnOK.setDefault(true);
    m_btnOK.setGeometry(units.MapDialogRect(178, 7, 50, 16));
    connect(&m_btnOK, &QPushButton::clicked, this, &QDialog::accept);

    // A static icon takes the icon's own size.
    const QRect iconPlace = units.MapDialogRect(11, 17, 20, 20);
    m_wndIcon.setPixmap(LoadIconResource(IDR_MAINFRAME).pixmap(32, 32));
    m_wndIcon.setGeometry(iconPlace.x(), iconPlace.y(), 32, 32);

    m_emailLabel.setText(QString::fromLatin1(kEmailAddress));
    m_emailLabel.setGeometry(units.MapDialogRect(39, 53, 75, 8));
    m_homePageLabel.setText(QString::fromLatin1(kHomePage));
    m_homePageLabel.setGeometry(units.MapDialogRect(39, 66, 175, 8));

    DoDataExchange();
    OnInitDialog();
}

void CAboutDlg::DoDataExchange() {
    m_emailLabel.PreSubclassWindow();
    m_homePageLabel.PreSubclassWindow();
}

bool CAboutDlg::OnInitDialog() {
    m_homePageLabel.SetLinkTarget(kHomePage);
    m_homePageLabel.EnableToolTip(true);
    m_homePageLabel.SetToolTipText("Click Here to go Dorran's home page.");
    m_emailLabel.SetLinkTarget(std::string("mailto:") + kEmailAddress);
    m_emailLabel.EnableToolTip(true);
    m_emailLabel.SetToolTipText("Click here to e-mail Dorran.");
    m_btnOK.setFocus();
    return true;
}

int CAboutDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}
