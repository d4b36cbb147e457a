// Dialog units, as dialog templates give positions and sizes: x px = dlu * avg / 4 and
// y px = dlu * height / 8 (rounded), avg being the average width of the letters A-Z a-z in the dialog's
// font and height that font's height. "MS Shell Dlg" 8 pt is the desktop's default font at 8 pt.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// The dialog templates' font.
QFont DialogFont();

class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font = DialogFont());

    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }

    int X(int dlu) const;
    int Y(int dlu) const;
    QRect MapDialogRect(int x, int y, int cx, int cy) const;
    QSize MapDialogSize(int cx, int cy) const;

private:
    int m_nBaseX;
    int m_nBaseY;
};
