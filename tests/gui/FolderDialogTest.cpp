#include "support/FolderDialog.h"

#include "gui/FakeFileDialogs.h"
#include "gui/GuiTest.h"

#include <QTest>

Q_DECLARE_METATYPE(FolderResult::Outcome)

class CFolderDialogTest : public QObject {
    Q_OBJECT

private slots:
    void outcomes_data() {
        QTest::addColumn<FolderResult::Outcome>("outcome");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("expected");
        QTest::newRow("folder chosen") << FolderResult::Outcome::Chosen << "/data/out" << IDOK;
        QTest::newRow("no file-system path") << FolderResult::Outcome::NoPath << "" << IDCANCEL;
        QTest::newRow("cancelled") << FolderResult::Outcome::Cancelled << "" << -1;
        QTest::newRow("path longer than the platform holds")
            << FolderResult::Outcome::Chosen << "/" + QString(259, 'x') << IDCANCEL;
        QTest::newRow("longest path it holds")
            << FolderResult::Outcome::Chosen << "/" + QString(258, 'x') << IDOK;
    }

    void outcomes() {
        QFETCH(FolderResult::Outcome, outcome);
        QFETCH(QString, path);
        QFETCH(int, expected);
        CFakeFileDialogs dialogs;
        dialogs.m_folderAnswer = {outcome, path.toStdString()};
        CFolderDialog dlg("Select Destination Directory", "/data/old", nullptr, BIF_RETURNONLYFSDIRS);
        QCOMPARE(dlg.DoModal(), expected);
        if (expected == IDOK) {
            QCOMPARE(dlg.GetChosenPath(), path.toStdString());
        } else {
            QVERIFY(dlg.GetChosenPath().empty());
        }
    }

    void asksWithTitleFlagsParentAndPreselection_data() {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<bool>("null");
        QTest::addColumn<QString>("preselected");
        QTest::newRow("a folder") << "/data/models" << false << "/data/models";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("none") << "" << true << "";
        QTest::newRow("too long to hold") << "/" + QString(259, 'y') << false << "";
    }

    void asksWithTitleFlagsParentAndPreselection() {
        QFETCH(QString, initial);
        QFETCH(bool, null);
        QFETCH(QString, preselected);
        CFakeFileDialogs dialogs;
        QWidget parent;
        const std::string initialText = initial.toStdString();
        CFolderDialog dlg("Select Destination Directory", null ? nullptr : initialText.c_str(), &parent,
                          BIF_RETURNONLYFSDIRS);
        dlg.DoModal();
        QCOMPARE(dialogs.m_folderRequests.size(), std::size_t{1});
        const FolderRequest& request = dialogs.m_folderRequests.front();
        QCOMPARE(request.title, std::string("Select Destination Directory"));
        QCOMPARE(request.initialFolder, preselected.toStdString());
        QCOMPARE(request.flags, BIF_RETURNONLYFSDIRS);
        QCOMPARE(request.parent, &parent);
    }
};

namespace {
const bool registered = RegisterGuiTest<CFolderDialogTest>();
} // namespace

#include "FolderDialogTest.moc"
