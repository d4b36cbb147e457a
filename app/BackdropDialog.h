// CBackdropDialog: a dialog that paints a bitmap behind its controls, tiled (mode 0, the initial
// mode), centred (1) or stretched over the whole window (2). Without a bitmap the dialog keeps the
// platform's plain background.
#pragma once

#include "platform/WinTypes.h"

#include <QDialog>
#include <QPixmap>
#include <cstdint>

class CBackdropDialog : public QDialog {
public:
    CBackdropDialog(UINT nIDTemplate, QWidget* parent = nullptr);

    UINT GetTemplateId() const { return m_nIDTemplate; }

    // Modes other than 0, 1 and 2 are ignored.
    void SetBackdropMode(int mode);
    int GetBackdropMode() const { return m_nBackdropMode; }
    // From the application's bitmap resources; an unknown number leaves no bitmap.
    void SetBackdropBitmap(UINT nIDBitmap);
    void SetBackdropBitmap(const QPixmap& bitmap);

protected:
    // The platform has already filled the background; the bitmap goes over it.
    void paintEvent(QPaintEvent* event) override;

private:
    UINT m_nIDTemplate;
    QPixmap m_bmpBackdrop;
    std::int32_t m_nBackdropMode = 0;
};
