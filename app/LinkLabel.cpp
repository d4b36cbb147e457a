#include "app/LinkLabel.h"

#include "platform/qt/ShellOpen.h"

#include <QMouseEvent>
#include <QPainter>

CLinkLabel::CLinkLabel(QWidget* parent) : QLabel(parent), m_hLinkCursor(Qt::PointingHandCursor) {
    setTextFormat(Qt::PlainText);
}

void CLinkLabel::PreSubclassWindow() {
    // Moves are needed without a pressed button, to see the mouse arrive.
    setMouseTracking(true);
    m_fontUnderline = font();
    m_fontUnderline.setUnderline(true);
    setFont(m_fontUnderline);
    setCursor(m_hLinkCursor);
    setToolTip(QString());
}

void CLinkLabel::SetLinkTarget(const std::string& target) {
    m_strLinkTarget = target;
}

void CLinkLabel::EnableToolTip(bool enable) {
    m_bToolTipEnabled = enable;
}

void CLinkLabel::SetToolTipText(const std::string& text) {
    if (m_bToolTipEnabled) {
        setToolTip(QString::fromStdString(text));
    }
}

COLORREF CLinkLabel::CtlColor() const {
    if (m_bVisited) {
        return m_crVisited;
    }
    return m_bHover ? m_crHover : m_crNormal;
}

void CLinkLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    if (!m_bHover) {
        m_bHover = true;
        repaint();
        // Captured, so that the move off the label reaches it too.
        grabMouse();
    } else if (!rect().contains(event->position().toPoint())) {
        m_bHover = false;
        releaseMouse();
        repaint();
    }
}

void CLinkLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        OnClicked();
    }
}

void CLinkLabel::hideEvent(QHideEvent* event) {
    // A hidden label must not keep the mouse.
    if (m_bHover) {
        m_bHover = false;
        releaseMouse();
    }
    QLabel::hideEvent(event);
}

void CLinkLabel::paintEvent(QPaintEvent*) {
    const COLORREF colour = CtlColor();
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(QColor(static_cast<int>(GetRValue(colour)), static_cast<int>(GetGValue(colour)),
                          static_cast<int>(GetBValue(colour))));
    // No background of its own: the dialog shows through.
    painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
}

void CLinkLabel::OnClicked() {
    // The desktop's answer is not examined: a missing mail program or browser is the user's to see.
    ShellOpen(m_strLinkTarget);
    m_bVisited = true;
    update();
}
