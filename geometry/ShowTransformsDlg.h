// CShowTransformsDlg: "Listing of All Transforms" (dialog 130), one line per transform of the loaded
// table, group by group in numeric order, so the user can see what a run will do. Changes nothing.
#pragma once

#include "platform/qt/TabStopDelegate.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

class CShowTransformsDlg : public QDialog {
public:
    explicit CShowTransformsDlg(QWidget* parent = nullptr);

    // Runs the dialog modally; IDOK when closed with Close, else IDCANCEL.
    int DoModal();

private:
    // Reads the transform table once; it cannot change while the dialog is open.
    bool OnInitDialog();

    CTabStopDelegate m_tabStops;

public:
    QListWidget m_lstTransforms;

private:
    QPushButton m_btnClose;
};
