// Draws list items whose text holds tab characters with tab stops a fixed distance apart, as a list
// box that expands tabs does.
#pragma once

#include <QStyledItemDelegate>

class CTabStopDelegate : public QStyledItemDelegate {
public:
    CTabStopDelegate(qreal tabStopPixels, QObject* parent);

    qreal TabStop() const { return m_tabStop; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    qreal m_tabStop;
};
