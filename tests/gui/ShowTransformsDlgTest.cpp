#include "geometry/ShowTransformsDlg.h"

#include "gui/GuiTest.h"
#include "platform/qt/DialogUnits.h"
#include "support/ModelTestSupport.h"
#include "transformfile/TransformTable.h"

#include <QTest>

namespace {

void MakeTable(int count) {
    g_nTransforms = count;
    g_pTransforms = std::make_unique<CTransformGroup[]>(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        g_pTransforms[i] = MakeDefaultGroup("", "");
    }
}

QStringList Lines(const CShowTransformsDlg& dlg) {
    QStringList lines;
    for (int i = 0; i < dlg.m_lstTransforms.count(); ++i) {
        lines << dlg.m_lstTransforms.item(i)->text();
    }
    return lines;
}

} // namespace

class CShowTransformsDlgTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { FreeTransformTable(); }

    void listsEachGroupsLines() {
        MakeTable(2);
        g_pTransforms[0].SetMatch("*");
        g_pTransforms[0].SetSubstitute("x");
        g_pTransforms[0].SetRotate(0, 0, 90);
        g_pTransforms[1].SetMatch("helm*");
        g_pTransforms[1].SetSubstitute("helm*_big");
        g_pTransforms[1].SetScale(2, 2, 2.5);
        g_pTransforms[1].SetTBitmap("Helm");
        g_pTransforms[1].SetTTranslate(0.5, 0);
        g_pTransforms[1].SetPosition(1, 2, 3);

        CShowTransformsDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Listing of All Transforms"));
        QCOMPARE(
            Lines(dlg),
            (QStringList{"   0a *\tx\tscale(1.0000, 1.0000, 1.0000)\trotate(0, 0, 90)\ttranslate(0.0000, "
                         "0.0000, 0.0000)",
                         "   1a helm*\thelm*_big\tscale(2.0000, 2.0000, 2.5000)\trotate(0, 0, 0)\t"
                         "translate(0.0000, 0.0000, 0.0000)",
                         "   1b\thelm\ttscale(1.0000, 1.0000)\ttrotate(z=0)\tttranslate(0.5000, 0.0000)",
                         "   1c\t\tposition(1.0000, 2.0000, 3.0000)"}));
        QCOMPARE(dlg.m_lstTransforms.selectionMode(), QAbstractItemView::NoSelection);
    }

    void twelveGroupsAreInNumericOrder() {
        MakeTable(12);
        CShowTransformsDlg dlg;
        const QStringList lines = Lines(dlg);
        QCOMPARE(lines.size(), 12);
        for (int i = 0; i < 12; ++i) {
            QVERIFY2(lines[i].startsWith(QStringLiteral("%1a ").arg(i, 4)), qPrintable(lines[i]));
        }
    }

    void anEmptyTableListsNothing() {
        CShowTransformsDlg dlg;
        QCOMPARE(dlg.m_lstTransforms.count(), 0);
    }

    void tabsStopEvery32DialogUnits() {
        CShowTransformsDlg dlg;
        const auto* delegate = dynamic_cast<const CTabStopDelegate*>(dlg.m_lstTransforms.itemDelegate());
        QVERIFY(delegate != nullptr);
        QCOMPARE(delegate->TabStop(), static_cast<qreal>(8 * CDialogUnits(dlg.font()).BaseX()));
    }

    void closeEndsTheDialog() {
        CShowTransformsDlg dlg;
        dlg.open();
        const auto buttons = dlg.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.front()->text(), QStringLiteral("Close"));
        QVERIFY(buttons.front()->isDefault());
        buttons.front()->click();
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), static_cast<int>(QDialog::Accepted));
    }
};

namespace {
const bool registered = RegisterGuiTest<CShowTransformsDlgTest>();
} // namespace

#include "ShowTransformsDlgTest.moc"
