// CLinkLabel: a static text that looks and acts like a hyperlink: underlined, blue, red while the
// mouse is over it, dark blue once it has been clicked; the hand cursor; an optional tooltip; a click
// opens its target through the desktop (ShellOpen).
#pragma once

#include "platform/WinTypes.h"

#include <QCursor>
#include <QFont>
#include <QLabel>
#include <string>

class CLinkLabel : public QLabel {
public:
    explicit CLinkLabel(QWidget* parent = nullptr);

    // Attaching the label to its control: underlined copy of the font, hand cursor, empty tooltip.
    void PreSubclassWindow();

    void SetLinkTarget(const std::string& target);
    void EnableToolTip(bool enable);
    // Has an effect only after EnableToolTip(true).
    void SetToolTipText(const std::string& text);

    // The text colour now: visited, else hover, else normal.
    COLORREF CtlColor() const;
    bool IsHover() const { return m_bHover; }
    bool IsVisited() const { return m_bVisited; }
    const std::string& GetLinkTarget() const { return m_strLinkTarget; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnClicked();

    QCursor m_hLinkCursor;
    bool m_bToolTipEnabled = false;
    bool m_bHover = false;
    bool m_bVisited = false;
    QFont m_fontUnderline;
    std::string m_strLinkTarget;
    COLORREF m_crHover = RGB(255, 0, 0);
    COLORREF m_crNormal = RGB(0, 0, 255);
    COLORREF m_crVisited = RGB(5, 34, 143);
};
