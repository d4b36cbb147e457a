#include "platform/qt/TabStopDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextOption>

CTabStopDelegate::CTabStopDelegate(qreal tabStopPixels, QObject* parent)
    : QStyledItemDelegate(parent), m_tabStop(tabStopPixels) {}

void CTabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
    textOption.setWrapMode(QTextOption::NoWrap);
    textOption.setTabStopDistance(m_tabStop);
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(QPalette::Text));
    painter->setClipRect(textRect);
    painter->drawText(textRect, text, textOption);
    painter->restore();
}
