#include "support/BatchProgressWnd.h"

#include "gui/GuiTest.h"
#include "platform/qt/AppProfile.h"
#include "platform/qt/MainWnd.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <cstdlib>

namespace {

const std::string kCaption = "Tarvolin Progress";

// A left-button release at a point given in the button's coordinates, queued as input would be.
void PostRelease(QWidget& target, QPoint local) {
    QCoreApplication::postEvent(&target,
                                new QMouseEvent(QEvent::MouseButtonRelease, local, target.mapToGlobal(local),
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

} // namespace

class CBatchProgressWndTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QFile::remove(QString::fromStdString(ProfileFilePath()));
        m_owner.setGeometry(100, 100, 400, 300);
        m_owner.setEnabled(true);
        m_owner.show();
        AfxSetMainWnd(&m_owner);
    }

    void cleanup() { AfxSetMainWnd(nullptr); }

    void startsShownOnTopWithoutCloseBox() {
        CBatchProgressWnd wnd(&m_owner, kCaption, false);
        QVERIFY(wnd.HasWindow());
        QVERIFY(wnd.isVisible());
        QCOMPARE(wnd.windowTitle(), QString::fromStdString(kCaption));
        QVERIFY(wnd.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!wnd.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!wnd.windowFlags().testFlag(Qt::WindowSystemMenuHint));
        QCOMPARE(wnd.m_btnCancel.text(), QStringLiteral(" Cancel "));
        QVERIFY(wnd.m_wndMessage.text().isEmpty());
        QCOMPARE(wnd.m_wndBar.value(), 0);
        QVERIFY(!wnd.m_bModalMode);
        QVERIFY(!wnd.m_bCancelRequested);
        QCOMPARE(wnd.m_nRangeLower, 0);
        QCOMPARE(wnd.m_nRangeUpper, 100);
        QCOMPARE(wnd.m_nStepSize, 1);
        QCOMPARE(wnd.m_nTextLines, 4);
        QVERIFY(wnd.isEnabled() && m_owner.isEnabled());
    }

    void captionShowsThePercentage_data() {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<QStringList>("captions");
        const QString plain = QString::fromStdString(kCaption);
        QTest::newRow("four files") << 0 << 4
                                    << QStringList{plain + " [25%]", plain + " [50%]", plain + " [75%]",
                                                   plain + " [100%]"};
        QTest::newRow("three files round half up")
            << 0 << 3 << QStringList{plain + " [33%]", plain + " [67%]", plain + " [100%]"};
        QTest::newRow("below one percent keeps the plain caption")
            << 0 << 400 << QStringList{plain, plain + " [1%]"};
        QTest::newRow("equal bounds never change it") << 5 << 5 << QStringList{plain, plain, plain};
    }

    void captionShowsThePercentage() {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(QStringList, captions);
        CBatchProgressWnd wnd(&m_owner, kCaption, false);
        wnd.SetRange(lower, upper, 1);
        for (int i = 0; i < captions.size(); ++i) {
            wnd.Step();
            QCOMPARE(wnd.windowTitle(), captions[i]);
        }
        QCOMPARE(wnd.m_nPosition, static_cast<int>(captions.size()));
    }

    void textIsShownLiterally() {
        CBatchProgressWnd wnd(&m_owner, kCaption, false);
        const std::string text = "Processing 100% & more: a&b %s %d\nsecond line";
        wnd.SetText(text);
        QCOMPARE(wnd.m_wndMessage.text().toStdString(), text);
        QCOMPARE(wnd.m_wndMessage.textFormat(), Qt::PlainText);
        QVERIFY(!wnd.m_wndMessage.wordWrap());
    }

    void layoutKeepsTheMargins() {
        CBatchProgressWnd wnd(&m_owner, kCaption, true);
        const QRect message = wnd.m_wndMessage.geometry();
        const QRect button = wnd.m_btnCancel.geometry();
        const QRect bar = wnd.m_wndBar.geometry();
        QCOMPARE(message.topLeft(), QPoint(10, 10));
        QCOMPARE(message.width(), 390);
        QVERIFY(message.height() >= 4 * QFontMetrics(wnd.m_fontMessage).height());
        QCOMPARE(wnd.width() - (message.x() + message.width()), 10);
        QCOMPARE(button.x() + button.width(), message.x() + message.width());
        QCOMPARE(button.y(), message.y() + message.height() + 10);
        QCOMPARE(wnd.height() - (button.y() + button.height()), 10);
        QCOMPARE(bar.x(), 10);
        QCOMPARE(bar.x() + bar.width() + 10, button.x());
        QCOMPARE(bar.y() - button.y(), (button.y() + button.height()) - (bar.y() + bar.height()));
        QVERIFY(button.width() >
                QFontMetrics(wnd.m_fontMessage).horizontalAdvance(QStringLiteral(" Cancel  ")));
    }

    void escapeCancelsOnlyWhenAllowed_data() {
        QTest::addColumn<bool>("cancelOnEscape");
        QTest::newRow("allowed") << true;
        QTest::newRow("not allowed") << false;
    }

    void escapeCancelsOnlyWhenAllowed() {
        QFETCH(bool, cancelOnEscape);
        CBatchProgressWnd wnd(&m_owner, kCaption, false);
        QVERIFY(wnd.BeginModal("Progress", false));
        QCoreApplication::postEvent(&wnd, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        QCOMPARE(wnd.PumpMessages(cancelOnEscape), cancelOnEscape);
        QCOMPARE(wnd.m_bCancelRequested, cancelOnEscape);
        QCOMPARE(wnd.IsCancelRequested(), cancelOnEscape);
        QCOMPARE(wnd.isVisible(), !cancelOnEscape);
    }

    void cancelClickHidesAndKeepsTheOwnerDisabledUntilDeleted() {
        auto wnd = std::make_unique<CBatchProgressWnd>(&m_owner, kCaption, false);
        QVERIFY(wnd->BeginModal("Progress", false));
        wnd->SetRange(0, 4, 1);
        wnd->Step();
        QVERIFY(!m_owner.isEnabled());

        PostRelease(wnd->m_btnCancel, QPoint(-3, -3));
        QVERIFY(!wnd->PumpMessages(false));

        PostRelease(wnd->m_btnCancel, wnd->m_btnCancel.rect().center());
        QVERIFY(wnd->PumpMessages(false));
        QVERIFY(wnd->m_bCancelRequested);
        QVERIFY(!wnd->isVisible());
        QVERIFY(!m_owner.isEnabled());

        // The posted close destroys the window; the object goes on doing nothing.
        QCoreApplication::processEvents();
        QVERIFY(!wnd->HasWindow());
        const QString caption = wnd->windowTitle();
        QCOMPARE(wnd->Step(), 1);
        QCOMPARE(wnd->SetBarPosition(3), 1);
        wnd->SetRange(0, 10, 2);
        wnd->SetText("ignored");
        wnd->EnsureVisible();
        QCOMPARE(wnd->m_nRangeUpper, 4);
        QCOMPARE(wnd->windowTitle(), caption);
        QVERIFY(wnd->m_wndMessage.text().isEmpty());
        QVERIFY(!wnd->isVisible());
        QVERIFY(wnd->PumpMessages(true));
        QVERIFY(!m_owner.isEnabled());

        wnd.reset();
        QVERIFY(m_owner.isEnabled());
    }

    void cancelButtonItselfCancels() {
        CBatchProgressWnd wnd(&m_owner, kCaption, false);
        wnd.m_btnCancel.click();
        QVERIFY(wnd.m_bCancelRequested);
        QVERIFY(!wnd.isVisible());
        // Not modal: no close is posted, so the (hidden) window remains.
        QCoreApplication::processEvents();
        QVERIFY(wnd.HasWindow());
    }

    void beginModalDisablesTheLastEnabledWindowOfTheOwnerChain() {
        QWidget inner(&m_owner);
        auto wnd = std::make_unique<CBatchProgressWnd>(&inner, kCaption, false);
        QVERIFY(wnd->BeginModal("Progress", false));
        QCOMPARE(wnd->m_pDisabledOwner.data(), &m_owner);
        QVERIFY(!m_owner.isEnabled());
        QVERIFY(wnd->isEnabled());
        QVERIFY(wnd->m_bModalMode);
        wnd.reset();
        QVERIFY(m_owner.isEnabled());
        QVERIFY(inner.isEnabled());
    }

    void beginModalOverADisabledOwnerLeavesItAlone() {
        m_owner.setEnabled(false);
        auto wnd = std::make_unique<CBatchProgressWnd>(&m_owner, kCaption, false);
        QVERIFY(wnd->BeginModal("Progress", false));
        QCOMPARE(wnd->m_pDisabledOwner.data(), static_cast<QWidget*>(wnd.get()));
        QVERIFY(wnd->isEnabled());
        wnd.reset();
        QVERIFY(!m_owner.isEnabled());
    }

    void beginModalRecreatesAGoneWindow() {
        CBatchProgressWnd wnd(&m_owner, kCaption, false);
        QVERIFY(wnd.DestroyWindow());
        QVERIFY(!wnd.HasWindow());
        QVERIFY(!wnd.DestroyWindow());
        QVERIFY(wnd.BeginModal("Progress", false));
        QVERIFY(wnd.HasWindow());
        QVERIFY(wnd.isVisible());
        QCOMPARE(wnd.windowTitle(), QStringLiteral("Progress"));
    }

    void positionIsSavedAndRestored() {
        {
            CBatchProgressWnd wnd(&m_owner, kCaption, false);
            wnd.move(123, 77);
        }
        QCOMPARE(GetProfileInt("Settings", "X", -1), 123);
        QCOMPARE(GetProfileInt("Settings", "Y", -1), 77);
        CBatchProgressWnd again(&m_owner, kCaption, false);
        QCOMPARE(again.frameGeometry().topLeft(), QPoint(123, 77));
    }

    void positionIsSavedOnCancel() {
        CBatchProgressWnd wnd(&m_owner, kCaption, false);
        wnd.move(40, 50);
        wnd.RequestCancel();
        QCOMPARE(GetProfileInt("Settings", "X", -1), 40);
        QCOMPARE(GetProfileInt("Settings", "Y", -1), 50);
    }

    void offScreenOrMissingPositionCentresOverTheOwner_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("never saved") << -2 << -2;
        QTest::newRow("right of the screen") << 5000 << 10;
        QTest::newRow("below the screen") << 10 << 5000;
        QTest::newRow("left of the screen") << -40 << 10;
    }

    void offScreenOrMissingPositionCentresOverTheOwner() {
        QFETCH(int, x);
        QFETCH(int, y);
        if (x != -2) {
            WriteProfileInt("Settings", "X", x);
            WriteProfileInt("Settings", "Y", y);
        }
        CBatchProgressWnd wnd(&m_owner, kCaption, false);
        // Centred before its first showing, when the window frame's size is not known yet.
        const QPoint offset = wnd.frameGeometry().center() - m_owner.frameGeometry().center();
        QVERIFY2(std::abs(offset.x()) <= 3 && std::abs(offset.y()) <= 3,
                 qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }

private:
    QWidget m_owner;
};

namespace {
const bool registered = RegisterGuiTest<CBatchProgressWndTest>();
} // namespace

#include "BatchProgressWndTest.moc"
