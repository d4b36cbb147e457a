// The main window without a batch run: start-up, its layout, choosing the transformation file, the
// source files and the destination folder, the transfer of the path boxes, the other dialogs it opens,
// and what it leaves in the default transformation file when it closes.
#include "app/TarvolinDlg.h"

#include "app/AboutDlg.h"
#include "geometry/ShowTransformsDlg.h"
#include "gui/GuiTest.h"
#include "gui/MainWindowScene.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/HtmlHelp.h"
#include "platform/qt/ShellOpen.h"

#include <QContextMenuEvent>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace {

const QString kAwaiting = QStringLiteral("Awaiting input files...");
const QColor kStaticGrey(138, 138, 138);

QStringList ListTexts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts << list.item(i)->text();
    }
    return texts;
}

// The colour inside a control, a few pixels in from its top-right corner (where no text is drawn).
QColor InsideColour(CTarvolinDlg& dlg, const QWidget& control) {
    const QRect place = control.geometry();
    return dlg.grab().toImage().pixelColor(place.right() - 4, place.top() + 4);
}

// Runs action on the next modal dialog as soon as its event loop runs.
void WhenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] { action(QApplication::activeModalWidget()); });
}

OpenFileResult Chosen(std::vector<std::string> paths) {
    return {OpenFileResult::Outcome::Ok, std::move(paths), 0};
}

} // namespace

Q_DECLARE_METATYPE(OpenFileResult::Outcome)
Q_DECLARE_METATYPE(FolderResult::Outcome)

class CTarvolinDlgTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithoutADefaultFileAndCreatesItAtExit() {
        CMainWindowScene scene;
        {
            CTarvolinDlg dlg;
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Tarvolin"));
            QVERIFY(dlg.m_editTransformFile.text().isEmpty());
            QCOMPARE(dlg.m_listSourceFiles.count(), 0);
            QVERIFY(dlg.m_editDestDir.text().isEmpty());
            QCOMPARE(dlg.m_editStatus.text(), kAwaiting);
            QVERIFY(!dlg.m_btnGo.isEnabled());
            QVERIFY(scene.m_messages.empty());
        }
        QCOMPARE(scene.DefaultFile(), QByteArray("[Global]\r\nDestDir=\r\n"));
        QCOMPARE(scene.Log(), QByteArray("\r\nStarting...\r\nClosing... \r\n"));
    }

    void startsWithTheDefaultFilesFolders() {
        CMainWindowScene scene;
        scene.WriteDefaultFile("[Global]\nSourceDir=/models/start\nDestDir=/models/out\n");
        {
            CTarvolinDlg dlg;
            QCOMPARE(dlg.m_editDestDir.text(), QStringLiteral("/models/out"));
            QCOMPARE(dlg.m_strSourceDir, std::string("/models/start"));
            QCOMPARE(dlg.m_editStatus.text(), kAwaiting);
            QVERIFY(dlg.m_editTransformFile.text().isEmpty());
            QVERIFY(!dlg.m_btnGo.isEnabled());
        }
        // The same values again leave the file as it was.
        QCOMPARE(scene.DefaultFile(), QByteArray("[Global]\nSourceDir=/models/start\nDestDir=/models/out\n"));
    }

    void isLaidOutFromItsDialogTemplate() {
        CMainWindowScene scene;
        CTarvolinDlg dlg;
        const CDialogUnits units(dlg.font());
        QCOMPARE(dlg.size(), units.MapDialogSize(319, 354));
        QVERIFY(dlg.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!dlg.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!dlg.windowIcon().isNull());

        struct Place {
            QWidget* control;
            const char* text;
            QRect dialogUnits;
        };
        const Place places[] = {
            {&dlg.m_btnExit, "E&xit", {262, 331, 50, 16}},
            {&dlg.m_wndStep2, "2. Select source file(s).", {7, 95, 78, 8}},
            {&dlg.m_listSourceFiles, "", {23, 110, 88, 104}},
            {&dlg.m_editDestDir, "", {23, 242, 187, 14}},
            {&dlg.m_btnBrowseSource, "Browse...", {119, 198, 59, 16}},
            {&dlg.m_btnBrowseDest, "Browse...", {215, 241, 58, 16}},
            {&dlg.m_wndStep3, "3. Select destination directory.", {7, 226, 103, 8}},
            {&dlg.m_wndStep4, "4. Create models.", {7, 271, 66, 8}},
            {&dlg.m_btnGo, "&Go!", {21, 287, 58, 16}},
            {&dlg.m_btnShowTransforms, "&Show Transforms...", {131, 331, 73, 16}},
            {&dlg.m_wndStep5, "5. You are done. Go edit your models (go wild).", {7, 313, 161, 8}},
            {&dlg.m_editStatus, "Awaiting input files...", {7, 332, 116, 15}},
            {&dlg.m_btnHelp, "&Help", {208, 331, 50, 16}},
            {&dlg.m_editTransformFile, "", {23, 70, 123, 14}},
            {&dlg.m_btnSelectTransformFile, "Select...", {152, 69, 58, 16}},
            {&dlg.m_wndStep1, "1. Select transformation file (defaults to Tarvolin.ini).", {7, 54, 190, 8}},
        };
        QCOMPARE(dlg.Controls().size(), std::size(places));
        for (std::size_t i = 0; i < std::size(places); ++i) {
            const Place& place = places[i];
            QCOMPARE(dlg.Controls()[i], place.control);
            const QRect& d = place.dialogUnits;
            QCOMPARE(place.control->geometry(), units.MapDialogRect(d.x(), d.y(), d.width(), d.height()));
            QString text;
            if (const auto* button = qobject_cast<QPushButton*>(place.control)) {
                text = button->text();
            } else if (const auto* label = qobject_cast<QLabel*>(place.control)) {
                text = label->text();
            } else if (const auto* edit = qobject_cast<QLineEdit*>(place.control)) {
                text = edit->text();
            }
            QCOMPARE(text, QString::fromLatin1(place.text));
        }

        QVERIFY(dlg.m_btnExit.isDefault());
        QCOMPARE(dlg.m_listSourceFiles.selectionMode(), QAbstractItemView::NoSelection);
        QVERIFY(!(dlg.m_listSourceFiles.focusPolicy() & Qt::TabFocus));
        QVERIFY(dlg.m_editStatus.isReadOnly() && !dlg.m_editStatus.isEnabled() &&
                !dlg.m_editStatus.hasFrame());
        QVERIFY(dlg.m_editTransformFile.isReadOnly() && dlg.m_editTransformFile.hasFrame());
        QVERIFY(!dlg.m_editDestDir.isReadOnly());

        // The read-only and disabled edits show the grey behind their text; the others their own colour.
        dlg.show();
        QCOMPARE(InsideColour(dlg, dlg.m_editTransformFile), kStaticGrey);
        QCOMPARE(InsideColour(dlg, dlg.m_editStatus), kStaticGrey);
        QCOMPARE(InsideColour(dlg, dlg.m_editDestDir), dlg.m_editDestDir.palette().color(QPalette::Base));
        QCOMPARE(InsideColour(dlg, dlg.m_listSourceFiles),
                 dlg.m_listSourceFiles.palette().color(QPalette::Base));
        QVERIFY(dlg.m_editDestDir.palette().color(QPalette::Base) != kStaticGrey);

        // Tab order is resource order, and "E&xit" has the focus.
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&dlg.m_btnExit));
        const std::vector<QWidget*> controls = dlg.Controls();
        std::vector<QWidget*> chain;
        QWidget* next = &dlg.m_btnExit;
        do {
            if (std::find(controls.begin(), controls.end(), next) != controls.end() &&
                (next->focusPolicy() & Qt::TabFocus)) {
                chain.push_back(next);
            }
            next = next->nextInFocusChain();
        } while (next != &dlg.m_btnExit);
        const std::vector<QWidget*> expected{&dlg.m_btnExit,
                                             &dlg.m_editDestDir,
                                             &dlg.m_btnBrowseSource,
                                             &dlg.m_btnBrowseDest,
                                             &dlg.m_btnGo,
                                             &dlg.m_btnShowTransforms,
                                             &dlg.m_editStatus,
                                             &dlg.m_btnHelp,
                                             &dlg.m_editTransformFile,
                                             &dlg.m_btnSelectTransformFile};
        QVERIFY(chain == expected);
    }

    void selectingSourceFilesShowsTheirNamesSorted() {
        CMainWindowScene scene;
        scene.WriteDefaultFile("[Global]\nSourceDir=/models/start\n");
        CTarvolinDlg dlg;
        const std::vector<std::string> paths{"/data/set/c.mdl", "/data/set/B.mdl", "/data/set/a.mdl"};
        scene.m_dialogs.m_fileAnswer = Chosen(paths);
        dlg.m_btnBrowseSource.click();

        QCOMPARE(scene.m_dialogs.m_fileRequests.size(), std::size_t{1});
        const OpenFileRequest& request = scene.m_dialogs.m_fileRequests.front();
        QCOMPARE(request.title, std::string("Select Files to Process"));
        QCOMPARE(request.filter, std::string("Orvane Model Files (*.mdl)|*.mdl||"));
        QCOMPARE(request.defaultExt, std::string("mdl"));
        QCOMPARE(request.initialDir, std::string("/models/start"));
        QVERIFY(request.initialFile.empty());
        QVERIFY(request.allowMultiSelect);
        QCOMPARE(request.maxFile, std::size_t{65536});

        QCOMPARE(ListTexts(dlg.m_listSourceFiles), (QStringList{"a.mdl", "B.mdl", "c.mdl"}));
        QCOMPARE(dlg.m_arrSourceFiles, paths);
        QCOMPARE(dlg.m_nSourceFiles, 3);
        QCOMPARE(dlg.m_editStatus.text(), QStringLiteral("Ready"));
        QVERIFY(dlg.m_btnGo.isEnabled());
        QCOMPARE(dlg.m_strSourceDir, std::string("/data/set"));

        // The next dialog opens there; cancelling it changes nothing.
        scene.m_dialogs.m_fileAnswer = {};
        dlg.m_btnBrowseSource.click();
        QCOMPARE(scene.m_dialogs.m_fileRequests.back().initialDir, std::string("/data/set"));
        QCOMPARE(ListTexts(dlg.m_listSourceFiles), (QStringList{"a.mdl", "B.mdl", "c.mdl"}));
        QCOMPARE(dlg.m_arrSourceFiles, paths);
        QCOMPARE(dlg.m_nSourceFiles, 3);
        QVERIFY(dlg.m_btnGo.isEnabled());
        QVERIFY(scene.m_messages.empty());
    }

    void aFailedSelectionKeepsThePreviousOne_data() {
        QTest::addColumn<OpenFileResult::Outcome>("outcome");
        QTest::addColumn<unsigned>("errorCode");
        QTest::addColumn<int>("files");
        QTest::addColumn<QString>("message");
        // 300 names of 240 characters do not fit the 65,536 characters of the selection buffer.
        QTest::newRow("too many files")
            << OpenFileResult::Outcome::Ok << 0u << 300 << "Too many files selected.";
        QTest::newRow("another failure") << OpenFileResult::Outcome::Failed << 0x3002u << 0
                                         << "Unknown error selecting files. Please try again.";
        QTest::newRow("cancelled") << OpenFileResult::Outcome::Cancelled << 0u << 0 << "";
    }

    void aFailedSelectionKeepsThePreviousOne() {
        QFETCH(OpenFileResult::Outcome, outcome);
        QFETCH(unsigned, errorCode);
        QFETCH(int, files);
        QFETCH(QString, message);
        CMainWindowScene scene;
        CTarvolinDlg dlg;
        const std::vector<std::string> previous{"/data/b.mdl", "/data/a.mdl"};
        scene.m_dialogs.m_fileAnswer = Chosen(previous);
        dlg.m_btnBrowseSource.click();

        scene.m_dialogs.m_fileAnswer = {outcome, {}, errorCode};
        for (int i = 0; i < files; ++i) {
            scene.m_dialogs.m_fileAnswer.paths.push_back("/data/" + std::to_string(i) +
                                                         std::string(240, 'n'));
        }
        dlg.m_btnBrowseSource.click();

        const std::vector<std::string> expected =
            message.isEmpty() ? std::vector<std::string>{} : std::vector<std::string>{message.toStdString()};
        QCOMPARE(scene.m_messages, expected);
        QCOMPARE(dlg.m_arrSourceFiles, previous);
        QCOMPARE(dlg.m_nSourceFiles, 2);
        QCOMPARE(ListTexts(dlg.m_listSourceFiles), (QStringList{"a.mdl", "b.mdl"}));
        QCOMPARE(dlg.m_editStatus.text(), QStringLiteral("Ready"));
        QVERIFY(dlg.m_btnGo.isEnabled());
    }

    void selectingATransformationFileStartsOver() {
        CMainWindowScene scene;
        const std::string batch = scene / "sets/batch.ini";
        scene.Write(batch, "[Global]\nSourceDir=/batch/models\nDestDir=/batch/out\n");
        CTarvolinDlg dlg;
        scene.m_dialogs.m_fileAnswer = Chosen({"/data/a.mdl", "/data/b.mdl"});
        dlg.m_btnBrowseSource.click();

        scene.m_dialogs.m_fileAnswer = Chosen({batch});
        dlg.m_btnSelectTransformFile.click();
        const OpenFileRequest& request = scene.m_dialogs.m_fileRequests.back();
        QVERIFY(request.title.empty());
        QCOMPARE(request.filter, std::string("Initialization Files (*.ini)|*.ini||"));
        QCOMPARE(request.defaultExt, std::string("ini"));
        QVERIFY(request.initialFile.empty());
        QVERIFY(!request.allowMultiSelect);

        QCOMPARE(dlg.m_listSourceFiles.count(), 0);
        QVERIFY(dlg.m_arrSourceFiles.empty());
        QCOMPARE(dlg.m_nSourceFiles, 0);
        QVERIFY(!dlg.m_btnGo.isEnabled());
        QCOMPARE(dlg.m_editStatus.text(), kAwaiting);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Tarvolin - batch"));
        QCOMPARE(dlg.m_editTransformFile.text().toStdString(), batch);
        QCOMPARE(dlg.m_editDestDir.text(), QStringLiteral("/batch/out"));
        QCOMPARE(dlg.m_strSourceDir, std::string("/batch/models"));

        // The next dialog starts at the file chosen last; cancelling it changes nothing.
        scene.m_dialogs.m_fileAnswer = {};
        dlg.m_btnSelectTransformFile.click();
        QCOMPARE(scene.m_dialogs.m_fileRequests.back().initialFile, batch);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Tarvolin - batch"));
        QVERIFY(scene.m_messages.empty());
        QVERIFY(scene.Log().endsWith(
            QByteArray::fromStdString("\r\n" + batch + " selected as transformation file.\r\n")));
    }

    void choosingTheDestinationFolder_data() {
        QTest::addColumn<FolderResult::Outcome>("outcome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("chosen") << FolderResult::Outcome::Chosen << "/data/out";
        QTest::newRow("no path") << FolderResult::Outcome::NoPath << "/old/out";
        QTest::newRow("cancelled") << FolderResult::Outcome::Cancelled << "/old/out";
    }

    void choosingTheDestinationFolder() {
        QFETCH(FolderResult::Outcome, outcome);
        QFETCH(QString, expected);
        CMainWindowScene scene;
        scene.WriteDefaultFile("[Global]\nDestDir=/old/out\n");
        CTarvolinDlg dlg;
        scene.m_dialogs.m_folderAnswer = {outcome,
                                          outcome == FolderResult::Outcome::Chosen ? "/data/out" : ""};
        dlg.m_btnBrowseDest.click();

        QCOMPARE(scene.m_dialogs.m_folderRequests.size(), std::size_t{1});
        const FolderRequest& request = scene.m_dialogs.m_folderRequests.front();
        QCOMPARE(request.title, std::string("Select Destination Directory"));
        QCOMPARE(request.initialFolder, std::string("/old/out"));
        QCOMPARE(request.flags, 1u);
        QCOMPARE(request.parent, static_cast<QWidget*>(&dlg));
        QCOMPARE(dlg.m_editDestDir.text(), expected);
        QCOMPARE(dlg.m_strDestDir, expected.toStdString());
        const bool logged = scene.Log().endsWith("\r\n/data/out selected as destination directory.\r\n");
        QCOMPARE(logged, outcome == FolderResult::Outcome::Chosen);
    }

    void aPathBoxOverItsLimitKeepsTheWindowOpen_data() {
        QTest::addColumn<bool>("fromPicker");
        QTest::addColumn<int>("length");
        QTest::newRow("chosen with the folder picker") << true << 258;
        QTest::newRow("put in by a transfer to the window") << false << 300;
    }

    void aPathBoxOverItsLimitKeepsTheWindowOpen() {
        QFETCH(bool, fromPicker);
        QFETCH(int, length);
        CMainWindowScene scene;
        CTarvolinDlg dlg;
        dlg.show();
        const std::string folder = "/" + std::string(static_cast<std::size_t>(length) - 1, 'd');
        if (fromPicker) {
            scene.m_dialogs.m_folderAnswer = {FolderResult::Outcome::Chosen, folder};
            dlg.m_btnBrowseDest.click();
        } else {
            dlg.m_strDestDir = folder;
            dlg.UpdateData(false);
        }
        QCOMPARE(dlg.m_editDestDir.text().toStdString(), folder);
        QVERIFY(scene.m_messages.empty());

        dlg.m_btnExit.click();
        QCOMPARE(scene.m_messages, std::vector<std::string>{"Please enter no more than 256 characters."});
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.result(), static_cast<int>(QDialog::Rejected));
    }

    void typingStopsAt256Characters() {
        CMainWindowScene scene;
        CTarvolinDlg dlg;
        dlg.show();
        QTest::keyClicks(&dlg.m_editDestDir, QString(300, 'x'));
        QCOMPARE(dlg.m_editDestDir.text(), QString(256, 'x'));

        // A longer text from the program stays whole; typing cannot lengthen it, but it can shorten it.
        dlg.m_strDestDir = std::string(300, 'y');
        dlg.UpdateData(false);
        dlg.m_editDestDir.end(false);
        QTest::keyClicks(&dlg.m_editDestDir, QStringLiteral("z"));
        QCOMPARE(dlg.m_editDestDir.text(), QString(300, 'y'));
        QTest::keyClick(&dlg.m_editDestDir, Qt::Key_Backspace);
        QCOMPARE(dlg.m_editDestDir.text(), QString(299, 'y'));
    }

    void closingWritesTheRememberedFolders_data() {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("destDir");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Enter transfers the typed folder") << 0 << "/first/typed" << true;
        QTest::newRow("Exit transfers the typed folder") << 1 << "/first/typed" << true;
        QTest::newRow("Escape keeps the last transferred one") << 2 << "/first" << false;
        QTest::newRow("the close box keeps the last transferred one") << 3 << "/first" << false;
    }

    void closingWritesTheRememberedFolders() {
        QFETCH(int, how);
        QFETCH(QString, destDir);
        QFETCH(bool, accepted);
        CMainWindowScene scene;
        {
            CTarvolinDlg dlg;
            dlg.show();
            scene.m_dialogs.m_fileAnswer = Chosen({"/models/set/a.mdl"});
            dlg.m_btnBrowseSource.click();
            QTest::keyClicks(&dlg.m_editDestDir, QStringLiteral("/first"));
            // The picker's transfer takes the typed text in, then the picker is cancelled.
            dlg.m_btnBrowseDest.click();
            QTest::keyClicks(&dlg.m_editDestDir, QStringLiteral("/typed"));
            switch (how) {
            case 0:
                QTest::keyClick(&dlg.m_editDestDir, Qt::Key_Return);
                break;
            case 1:
                dlg.m_btnExit.click();
                break;
            case 2:
                QTest::keyClick(&dlg.m_editDestDir, Qt::Key_Escape);
                break;
            default:
                dlg.close();
                break;
            }
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result() == QDialog::Accepted, accepted);
        }
        QCOMPARE(scene.DefaultFile(),
                 "[Global]\r\nSourceDir=/models/set\r\nDestDir=" + destDir.toUtf8() + "\r\n");
        QVERIFY(scene.Log().endsWith("\r\nClosing... \r\n"));
        QVERIFY(scene.m_messages.empty());
    }

    void showTransformsListsTheLoadedGroupsInNumericOrder() {
        CMainWindowScene scene;
        std::string ini = "[Global]\nnTransforms=12\n"
                          "[s0]\nmatch=*\nsubstitute=x\nrotate=( 0.0 , 0.0 , 90.0 )\n"
                          "[s1]\nmatch=helm*\nsubstitute=helm*_big\nscale=( 2.0 , 2.0 , 2.5 )\n"
                          "[s2]\nposition=( 1.0 , 2.0 , 3.0 )\n"
                          "[s3]\nmatch=bad*\nscale=( 2 2 2 )\n"
                          "[s5]\ntbitmap=Helm\nttranslate=( 0.5 , 0.0 )\n";
        scene.WriteDefaultFile(ini);
        CTarvolinDlg dlg;
        QCOMPARE(scene.m_messages, std::vector<std::string>{"Invalid parameter in section s3 = ( 2 2 2 ). "
                                                            "Ignoring this transform group."});

        QStringList lines;
        WhenModal([&lines](QWidget* modal) {
            auto* listing = dynamic_cast<CShowTransformsDlg*>(modal);
            QVERIFY(listing != nullptr);
            for (int i = 0; i < listing->m_lstTransforms.count(); ++i) {
                lines << listing->m_lstTransforms.item(i)->text();
            }
            listing->accept();
        });
        dlg.m_btnShowTransforms.click();

        const auto plain = [](int n) {
            return QStringLiteral("%1a \t*\tscale(1.0000, 1.0000, 1.0000)\trotate(0, 0, 0)\t"
                                  "translate(0.0000, 0.0000, 0.0000)")
                .arg(n, 4);
        };
        QStringList expected{
            "   0a *\tx\tscale(1.0000, 1.0000, 1.0000)\trotate(0, 0, 90)\ttranslate(0.0000, 0.0000, 0.0000)",
            "   1a helm*\thelm*_big\tscale(2.0000, 2.0000, 2.5000)\trotate(0, 0, 0)\t"
            "translate(0.0000, 0.0000, 0.0000)",
            plain(2),
            "   2c\t\tposition(1.0000, 2.0000, 3.0000)",
            "   3a \t*\tscale(0.0000, 0.0000, 0.0000)\trotate(0, 0, 0)\ttranslate(0.0000, 0.0000, 0.0000)",
            "   3b\t\ttscale(0.0000, 0.0000)\ttrotate(z=0)\tttranslate(0.0000, 0.0000)",
            plain(4),
            plain(5),
            "   5b\thelm\ttscale(1.0000, 1.0000)\ttrotate(z=0)\tttranslate(0.5000, 0.0000)",
        };
        for (int n = 6; n < 12; ++n) {
            expected << plain(n);
        }
        QCOMPARE(lines, expected);
    }

    void theContextMenuOffersTheAboutBox() {
        CMainWindowScene scene;
        CTarvolinDlg dlg;
        dlg.show();

        // Over a control there is no menu.
        const QPoint overList = dlg.m_listSourceFiles.geometry().center();
        QContextMenuEvent onList(QContextMenuEvent::Mouse, overList, dlg.mapToGlobal(overList));
        QApplication::sendEvent(&dlg, &onList);
        QVERIFY(!dlg.m_menuSystem.isVisible());

        const QPoint background(2, 2);
        QContextMenuEvent onBackground(QContextMenuEvent::Mouse, background, dlg.mapToGlobal(background));
        QApplication::sendEvent(&dlg, &onBackground);
        QVERIFY(dlg.m_menuSystem.isVisible());
        const QList<QAction*> items = dlg.m_menuSystem.actions();
        QCOMPARE(items.size(), 2);
        QVERIFY(items[0]->isSeparator());
        QCOMPARE(items[1]->text(), QStringLiteral("&About Tarvolin..."));

        bool aboutShown = false;
        WhenModal([&aboutShown](QWidget* modal) {
            auto* about = dynamic_cast<CAboutDlg*>(modal);
            aboutShown = about != nullptr;
            if (about != nullptr) {
                about->accept();
            }
        });
        dlg.m_menuSystem.hide();
        items[1]->trigger();
        QVERIFY(aboutShown);
    }

    void helpOpensTheHelpFileBesideTheProgram() {
        CMainWindowScene scene;
        std::vector<std::string> opened;
        const ShellOpenHandler previous = SetShellOpenHandler([&opened](const std::string& target) {
            opened.push_back(target);
            return true;
        });
        CTarvolinDlg dlg;
        dlg.m_btnHelp.click();
        QCOMPARE(scene.m_messages, std::vector<std::string>{"Failed to launch help."});
        QVERIFY(opened.empty());

        scene.Write(HelpFilePath(), "help");
        dlg.m_btnHelp.click();
        QCOMPARE(opened, std::vector<std::string>{HelpFilePath()});
        QCOMPARE(scene.m_messages.size(), std::size_t{1});
        std::filesystem::remove(HelpFilePath());
        SetShellOpenHandler(previous);
    }

    void pathsSplitAtTheLastSlash_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::newRow("in a folder") << "/data/set/a.mdl"
                                     << "a.mdl"
                                     << "/data/set";
        QTest::newRow("in the root") << "/a.mdl"
                                     << "a.mdl"
                                     << "";
        QTest::newRow("no folder") << "a.mdl"
                                   << "a.mdl"
                                   << "";
        QTest::newRow("a backslash in a name") << "/data/x\\y.mdl"
                                               << "x\\y.mdl"
                                               << "/data";
        QTest::newRow("backslashes only") << "C:\\Sets\\a.mdl"
                                          << "a.mdl"
                                          << "C:\\Sets";
    }

    void pathsSplitAtTheLastSlash() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QCOMPARE(CTarvolinDlg::GetFileNamePart(path.toStdString()), name.toStdString());
        QCOMPARE(CTarvolinDlg::GetFolderPart(path.toStdString()), folder.toStdString());
    }
};

namespace {
const bool registered = RegisterGuiTest<CTarvolinDlgTest>();
} // namespace

#include "TarvolinDlgTest.moc"
