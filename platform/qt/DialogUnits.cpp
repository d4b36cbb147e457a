#include "platform/qt/DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace {

// MulDiv: a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

QFont DialogFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    return font;
}

CDialogUnits::CDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The platform's rounding of the average: (width / 26 + 1) / 2.
    m_nBaseX = (width / 26 + 1) / 2;
    m_nBaseY = metrics.height();
}

int CDialogUnits::X(int dlu) const {
    return MulDiv(dlu, m_nBaseX, 4);
}

int CDialogUnits::Y(int dlu) const {
    return MulDiv(dlu, m_nBaseY, 8);
}

QRect CDialogUnits::MapDialogRect(int x, int y, int cx, int cy) const {
    return {X(x), Y(y), X(cx), Y(cy)};
}

QSize CDialogUnits::MapDialogSize(int cx, int cy) const {
    return {X(cx), Y(cy)};
}
