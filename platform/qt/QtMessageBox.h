// The window program's AfxMessageBox: a modal QMessageBox captioned with the application's name.
// MB_ICONEXCLAMATION gives the warning icon, MB_ICONQUESTION the question icon, no icon flag none;
// MB_YESNO gives Yes and No (MB_DEFBUTTON2 makes No the default), anything else one OK button.
#pragma once

#include "platform/WinTypes.h"

#include <QMessageBox>
#include <memory>
#include <string>

// The box as it will be shown, not yet run (the text is shown literally, never as rich text).
std::unique_ptr<QMessageBox> CreateQtMessageBox(const std::string& text, UINT type,
                                                QWidget* parent = nullptr);

// Runs the box modally over the active window; IDOK, IDYES or IDNO.
int QtMessageBox(const std::string& text, UINT type);

// Routes every AfxMessageBox of the process to QtMessageBox.
void InstallQtMessageBoxHandler();
