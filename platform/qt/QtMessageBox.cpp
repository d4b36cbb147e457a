#include "platform/qt/QtMessageBox.h"

#include "platform/MessageBox.h"
#include "platform/qt/AppName.h"

#include <QApplication>

namespace {

constexpr UINT kButtonMask = 0x0000000F;
constexpr UINT kDefButtonMask = 0x00000F00;

QMessageBox::Icon IconFor(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

std::unique_ptr<QMessageBox> CreateQtMessageBox(const std::string& text, UINT type, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(QString::fromStdString(AfxGetAppName()));
    box->setTextFormat(Qt::PlainText);
    box->setText(QString::fromStdString(text));
    box->setIcon(IconFor(type));
    box->setWindowModality(Qt::ApplicationModal);
    if ((type & kButtonMask) == MB_YESNO) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton((type & kDefButtonMask) == MB_DEFBUTTON2 ? QMessageBox::No : QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
    }
    return box;
}

int QtMessageBox(const std::string& text, UINT type) {
    const auto box = CreateQtMessageBox(text, type, QApplication::activeWindow());
    switch (box->exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}

void InstallQtMessageBoxHandler() {
    SetMessageBoxHandler(QtMessageBox);
}
