#include "app/BackdropDialog.h"

#include "platform/qt/ResourceImages.h"

#include <QPainter>

CBackdropDialog::CBackdropDialog(UINT nIDTemplate, QWidget* parent)
    : QDialog(parent), m_nIDTemplate(nIDTemplate) {}

void CBackdropDialog::SetBackdropMode(int mode) {
    if (mode >= 0 && mode <= 2) {
        m_nBackdropMode = mode;
    }
}

void CBackdropDialog::SetBackdropBitmap(UINT nIDBitmap) {
    SetBackdropBitmap(LoadBitmapResource(nIDBitmap));
}

void CBackdropDialog::SetBackdropBitmap(const QPixmap& bitmap) {
    m_bmpBackdrop = bitmap;
    update();
}

void CBackdropDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (m_bmpBackdrop.isNull()) {
        return;
    }
    const int clientWidth = width();
    const int clientHeight = height();
    const int bitmapWidth = m_bmpBackdrop.width();
    const int bitmapHeight = m_bmpBackdrop.height();
    // Each copy takes a block of the window's size from the bitmap's origin; what lies beyond the
    // bitmap is not drawn, so the background stays there.
    const QRect block(0, 0, clientWidth, clientHeight);
    QPainter painter(this);
    switch (m_nBackdropMode) {
    case 0:
        for (int y = 0; y < clientHeight; y += bitmapHeight) {
            for (int x = 0; x < clientWidth; x += bitmapWidth) {
                painter.drawPixmap(QPoint(x, y), m_bmpBackdrop, block);
            }
        }
        break;
    case 1: {
        const int x = bitmapWidth < clientWidth ? (clientWidth - bitmapWidth) / 2 : 0;
        const int y = bitmapHeight < clientHeight ? (clientHeight - bitmapHeight) / 2 : 0;
        painter.drawPixmap(QPoint(x, y), m_bmpBackdrop, block);
        break;
    }
    case 2:
        painter.drawPixmap(QRect(0, 0, clientWidth, clientHeight), m_bmpBackdrop,
                           QRect(0, 0, bitmapWidth, bitmapHeight));
        break;
    default:
        break;
    }
}
