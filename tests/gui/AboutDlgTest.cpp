#include "app/AboutDlg.h"

#include "gui/GuiTest.h"
#include "platform/qt/ShellOpen.h"

#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <string>
#include <vector>

namespace {

// Moves the mouse to a point in the label's coordinates, as the window system would deliver it.
void MoveTo(QWidget& label, QPoint local) {
    QMouseEvent move(QEvent::MouseMove, local, label.mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&label, &move);
}

bool ShowsColour(QWidget& widget, COLORREF colour) {
    const QImage image = widget.grab().toImage();
    const QColor wanted(static_cast<int>(GetRValue(colour)), static_cast<int>(GetGValue(colour)),
                        static_cast<int>(GetBValue(colour)));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == wanted) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class CAboutDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_opened.clear();
        m_previous = SetShellOpenHandler([this](const std::string& target) {
            m_opened.push_back(target);
            return false;
        });
    }

    void cleanup() { SetShellOpenHandler(m_previous); }

    void showsNameVersionAndLinks() {
        CAboutDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("About Tarvolin"));
        QVERIFY(!dlg.findChildren<QLabel*>().isEmpty());
        bool versionFound = false;
        for (const QLabel* label : dlg.findChildren<QLabel*>()) {
            versionFound = versionFound || label->text() == QStringLiteral("Tarvolin Version 1.2");
        }
        QVERIFY(versionFound);
        QCOMPARE(dlg.m_homePageLabel.GetLinkTarget(), std::string(CAboutDlg::kHomePage));
        QCOMPARE(dlg.m_emailLabel.GetLinkTarget(), std::string("mailto:") + CAboutDlg::kEmailAddress);
        QCOMPARE(dlg.m_homePageLabel.toolTip(), QStringLiteral("Click Here to go Dorran's home page."));
        QCOMPARE(dlg.m_emailLabel.toolTip(), QStringLiteral("Click here to e-mail Dorran."));
        for (const CLinkLabel* label : {&dlg.m_emailLabel, &dlg.m_homePageLabel}) {
            QVERIFY(label->font().underline());
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            // The address must not be cut off by its control's width.
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
        }
    }

    void hoverCapturesAndClickVisits() {
        CAboutDlg dlg;
        dlg.show();
        CLinkLabel& label = dlg.m_homePageLabel;
        QCOMPARE(label.CtlColor(), RGB(0, 0, 255));
        QVERIFY(ShowsColour(label, RGB(0, 0, 255)));

        MoveTo(label, QPoint(2, 2));
        QVERIFY(label.IsHover());
        QCOMPARE(label.CtlColor(), RGB(255, 0, 0));
        QCOMPARE(QWidget::mouseGrabber(), &label);
        QVERIFY(ShowsColour(label, RGB(255, 0, 0)));

        MoveTo(label, QPoint(3, 3));
        QVERIFY(label.IsHover());
        MoveTo(label, QPoint(-5, label.height() + 5));
        QVERIFY(!label.IsHover());
        QCOMPARE(label.CtlColor(), RGB(0, 0, 255));
        QVERIFY(QWidget::mouseGrabber() == nullptr);

        MoveTo(label, QPoint(2, 2));
        QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        // The desktop refused the target; the label is visited all the same.
        QCOMPARE(m_opened, std::vector<std::string>{CAboutDlg::kHomePage});
        QVERIFY(label.IsVisited());
        QCOMPARE(label.CtlColor(), RGB(5, 34, 143));
        QVERIFY(ShowsColour(label, RGB(5, 34, 143)));
        MoveTo(label, QPoint(-5, -5));
        QCOMPARE(label.CtlColor(), RGB(5, 34, 143));
        MoveTo(label, QPoint(2, 2));
        QCOMPARE(label.CtlColor(), RGB(5, 34, 143));

        // Hiding the box lets the mouse go.
        dlg.hide();
        QVERIFY(QWidget::mouseGrabber() == nullptr);

        CAboutDlg next;
        QVERIFY(!next.m_homePageLabel.IsVisited());
    }

    void tooltipNeedsToBeEnabled() {
        CLinkLabel label;
        label.setText(QStringLiteral("somewhere"));
        label.PreSubclassWindow();
        label.SetToolTipText("ignored");
        QVERIFY(label.toolTip().isEmpty());
        label.EnableToolTip(true);
        label.SetToolTipText("shown");
        QCOMPARE(label.toolTip(), QStringLiteral("shown"));
        label.EnableToolTip(false);
        label.SetToolTipText("ignored again");
        QCOMPARE(label.toolTip(), QStringLiteral("shown"));
    }

    void okClosesTheBox() {
        CAboutDlg dlg;
        dlg.open();
        const auto buttons = dlg.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QVERIFY(buttons.front()->isDefault());
        buttons.front()->click();
        QCOMPARE(dlg.result(), static_cast<int>(QDialog::Accepted));
        QVERIFY(!dlg.isVisible());
    }

private:
    std::vector<std::string> m_opened;
    ShellOpenHandler m_previous;
};

namespace {
const bool registered = RegisterGuiTest<CAboutDlgTest>();
} // namespace

#include "AboutDlgTest.moc"
