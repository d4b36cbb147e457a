#include "app/BackdropDialog.h"

#include "gui/GuiTest.h"
#include "res/Resource.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const QColor kMark(0, 0, 255);
const QColor kBody(255, 0, 0);

// 4 x 3, red with a blue top-left pixel, so every copy shows where it starts.
QPixmap FakeBitmap() {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(kBody);
    image.setPixelColor(0, 0, kMark);
    return QPixmap::fromImage(image);
}

QImage Paint(CBackdropDialog& dlg, QSize client) {
    dlg.resize(client);
    return dlg.grab().toImage();
}

} // namespace

class CBackdropDialogTest : public QObject {
    Q_OBJECT

private slots:
    void tileCoversTheWindowFromTheOrigin() {
        CBackdropDialog dlg(IDD_TARVOLIN_DIALOG);
        dlg.SetBackdropBitmap(FakeBitmap());
        const QImage image = Paint(dlg, QSize(10, 7));
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 10; ++x) {
                const QColor expected = (x % 4 == 0 && y % 3 == 0) ? kMark : kBody;
                QCOMPARE(image.pixelColor(x, y), expected);
            }
        }
    }

    void centreLeavesTheBackgroundAround() {
        CBackdropDialog dlg(IDD_TARVOLIN_DIALOG);
        const QColor background = Paint(dlg, QSize(10, 7)).pixelColor(5, 5);
        dlg.SetBackdropBitmap(FakeBitmap());
        dlg.SetBackdropMode(1);
        const QImage image = Paint(dlg, QSize(10, 7));
        // (10 - 4) / 2 = 3 and (7 - 3) / 2 = 2, truncated.
        QCOMPARE(image.pixelColor(3, 2), kMark);
        QCOMPARE(image.pixelColor(6, 4), kBody);
        QCOMPARE(image.pixelColor(2, 2), background);
        QCOMPARE(image.pixelColor(7, 4), background);
        QCOMPARE(image.pixelColor(3, 5), background);
        QCOMPARE(image.pixelColor(0, 0), background);
    }

    void centreStartsAtTheEdgeWhereTheBitmapIsLarger() {
        CBackdropDialog dlg(IDD_TARVOLIN_DIALOG);
        dlg.SetBackdropBitmap(FakeBitmap());
        dlg.SetBackdropMode(1);
        const QImage image = Paint(dlg, QSize(3, 7));
        QCOMPARE(image.pixelColor(0, 2), kMark);
        QCOMPARE(image.pixelColor(2, 4), kBody);
    }

    void stretchFillsTheWindow() {
        CBackdropDialog dlg(IDD_TARVOLIN_DIALOG);
        dlg.SetBackdropBitmap(FakeBitmap());
        dlg.SetBackdropMode(2);
        const QImage image = Paint(dlg, QSize(8, 6));
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 8; ++x) {
                QCOMPARE(image.pixelColor(x, y), (x < 2 && y < 2) ? kMark : kBody);
            }
        }
    }

    void unknownModesAreIgnored() {
        CBackdropDialog dlg(IDD_TARVOLIN_DIALOG);
        QCOMPARE(dlg.GetBackdropMode(), 0);
        dlg.SetBackdropMode(2);
        dlg.SetBackdropMode(3);
        dlg.SetBackdropMode(-1);
        QCOMPARE(dlg.GetBackdropMode(), 2);
    }

    void theProgramsBitmapIsAFlatGreyField() {
        CBackdropDialog dlg(IDD_TARVOLIN_DIALOG);
        dlg.SetBackdropBitmap(IDB_BACKDROP);
        dlg.SetBackdropMode(1);
        const QImage image = Paint(dlg, QSize(500, 600));
        QCOMPARE(image.pixelColor(2, 598), QColor(138, 138, 138));
        QCOMPARE(image.pixelColor(250, 500), QColor(138, 138, 138));

        CBackdropDialog none(IDD_TARVOLIN_DIALOG);
        none.SetBackdropBitmap(UINT{4711});
        const QImage plain = Paint(none, QSize(20, 20));
        QCOMPARE(plain.pixelColor(0, 0), plain.pixelColor(19, 19));
    }
};

namespace {
const bool registered = RegisterGuiTest<CBackdropDialogTest>();
} // namespace

#include "BackdropDialogTest.moc"
