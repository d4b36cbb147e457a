#include "gui/FakeFileDialogs.h"
#include "gui/GuiTest.h"
#include "platform/MessageBox.h"
#include "platform/ModulePath.h"
#include "platform/qt/AppProfile.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/HtmlHelp.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/ResourceImages.h"
#include "platform/qt/ShellOpen.h"
#include "platform/qt/WidgetGrab.h"
#include "res/Resource.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

namespace {

// Answers the next modal message box with the given button, once its modal loop runs.
void AnswerNextBox(QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) {
            box->button(answer)->click();
        }
    });
}

QByteArray ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CPlatformQtTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxStyles_data() {
        QTest::addColumn<UINT>("type");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("plain OK") << MB_OK << int{QMessageBox::NoIcon} << int{QMessageBox::Ok}
                                  << int{QMessageBox::Ok};
        QTest::newRow("exclamation") << (MB_OK | MB_ICONEXCLAMATION) << int{QMessageBox::Warning}
                                     << int{QMessageBox::Ok} << int{QMessageBox::Ok};
        QTest::newRow("question, No by default")
            << (MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) << int{QMessageBox::Question}
            << int{QMessageBox::Yes | QMessageBox::No} << int{QMessageBox::No};
    }

    void messageBoxStyles() {
        QFETCH(UINT, type);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, defaultButton);
        const auto box = CreateQtMessageBox("50% & <b>not bold</b>", type);
        QCOMPARE(box->windowTitle(), QStringLiteral("Tarvolin"));
        QCOMPARE(box->text(), QStringLiteral("50% & <b>not bold</b>"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(int{box->icon()}, icon);
        QCOMPARE(int{box->standardButtons()}, buttons);
        QCOMPARE(int{box->standardButton(box->defaultButton())}, defaultButton);
    }

    void messageBoxAnswers() {
        const MessageBoxHandler previous = SetMessageBoxHandler({});
        InstallQtMessageBoxHandler();
        AnswerNextBox(QMessageBox::Ok);
        QCOMPARE(AfxMessageBox("Finished Processing!"), IDOK);
        AnswerNextBox(QMessageBox::Yes);
        QCOMPARE(AfxMessageBox("Continue ?", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDYES);
        AnswerNextBox(QMessageBox::No);
        QCOMPARE(AfxMessageBox("Continue ?", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDNO);
        SetMessageBoxHandler(previous);
    }

    void selectionBufferLength() {
        QCOMPARE(SelectionBufferLength({"/d/a.mdl"}, false), std::size_t{9});
        QCOMPARE(SelectionBufferLength({"/d/a.mdl"}, true), std::size_t{10});
        // "/d", NUL, "a.mdl", NUL, "bb.mdl", NUL, NUL.
        QCOMPARE(SelectionBufferLength({"/d/a.mdl", "/d/bb.mdl"}, true), std::size_t{17});
        QCOMPARE(SelectionBufferLength({"/a.mdl", "/b.mdl"}, true), std::size_t{1 + 1 + 6 + 6 + 1});
    }

    void openFileDialogKeepsTheBufferLimit_data() {
        QTest::addColumn<int>("secondNameLength");
        QTest::addColumn<bool>("fits");
        // "/d" NUL a... NUL b... NUL NUL: 2 + 1 + 32766 + 1 + n + 1 + 1.
        QTest::newRow("exactly 65,536 characters") << 32764 << true;
        QTest::newRow("one character more") << 32765 << false;
    }

    void openFileDialogKeepsTheBufferLimit() {
        QFETCH(int, secondNameLength);
        QFETCH(bool, fits);
        CFakeFileDialogs dialogs;
        const std::vector<std::string> paths{
            "/d/a" + std::string(32765, 'x'),
            "/d/b" + std::string(static_cast<std::size_t>(secondNameLength) - 1, 'y')};
        dialogs.m_fileAnswer = {OpenFileResult::Outcome::Ok, paths, 0};
        OpenFileRequest request;
        request.allowMultiSelect = true;
        request.maxFile = 0x10000;
        const OpenFileResult result = RunOpenFileDialog(request);
        if (fits) {
            QVERIFY(result.outcome == OpenFileResult::Outcome::Ok);
            QCOMPARE(result.paths, paths);
        } else {
            QVERIFY(result.outcome == OpenFileResult::Outcome::Failed);
            QCOMPARE(result.errorCode, FNERR_BUFFERTOOSMALL);
            QVERIFY(result.paths.empty());
        }
    }

    void openFileDialogPassesCancelAndFailureOn() {
        CFakeFileDialogs dialogs;
        OpenFileRequest request;
        request.title = "Select Files to Process";
        dialogs.m_fileAnswer = {OpenFileResult::Outcome::Cancelled, {}, 0};
        QVERIFY(RunOpenFileDialog(request).outcome == OpenFileResult::Outcome::Cancelled);
        dialogs.m_fileAnswer = {OpenFileResult::Outcome::Failed, {}, 0x3002};
        const OpenFileResult failed = RunOpenFileDialog(request);
        QVERIFY(failed.outcome == OpenFileResult::Outcome::Failed);
        QCOMPARE(failed.errorCode, 0x3002u);
        QCOMPARE(dialogs.m_fileRequests.size(), std::size_t{2});
        QCOMPARE(dialogs.m_fileRequests.front().title, request.title);
    }

    void filtersInQtForm() {
        QCOMPARE(QtFilterFromFramework("Orvane Model Files (*.mdl)|*.mdl||"),
                 std::string("Orvane Model Files (*.mdl)"));
        QCOMPARE(QtFilterFromFramework("Text|*.txt;*.log|All (*.*)|*.*||"),
                 std::string("Text (*.txt *.log);;All (*.*)"));
        QCOMPARE(QtFilterFromFramework(""), std::string());
    }

    void dialogUnitsFollowTheFont() {
        const QFont font = DialogFont();
        QCOMPARE(font.pointSize(), 8);
        const CDialogUnits units(font);
        const QFontMetrics metrics(font);
        QCOMPARE(units.BaseY(), metrics.height());
        const double average = metrics.horizontalAdvance(
                                   QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                               52.0;
        QVERIFY(std::abs(units.BaseX() - average) <= 0.5);
        QCOMPARE(units.X(4), units.BaseX());
        QCOMPARE(units.Y(8), units.BaseY());
        QCOMPARE(units.X(400), 100 * units.BaseX());
        QCOMPARE(units.MapDialogRect(8, 16, 40, 24),
                 QRect(2 * units.BaseX(), 2 * units.BaseY(), 10 * units.BaseX(), 3 * units.BaseY()));
    }

    void profileLivesInTheConfigurationFolder() {
        QTemporaryDir scratch;
        const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
        // A folder that does not exist yet: writing creates it.
        qputenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("new/config")).toLocal8Bit());
        const std::string path = ProfileFilePath();
        QCOMPARE(QString::fromStdString(path), scratch.filePath(QStringLiteral("new/config/Tarvolin.INI")));
        QCOMPARE(GetProfileInt("Settings", "X", -1), -1);
        QVERIFY(WriteProfileInt("Settings", "X", 17));
        QVERIFY(WriteProfileInt("Settings", "Y", -3));
        QCOMPARE(GetProfileInt("Settings", "X", -1), 17);
        QCOMPARE(GetProfileInt("settings", "y", -1), -3);
        QCOMPARE(ReadAll(path), QByteArray("[Settings]\r\nX=17\r\nY=-3\r\n"));
        qputenv("XDG_CONFIG_HOME", previous);
    }

    void helpOpensTheHelpFileOrSaysItFailed() {
        const std::string helpFile = HelpFilePath();
        QCOMPARE(QFileInfo(QString::fromStdString(helpFile)).fileName(), QStringLiteral("Tarvolin.CHM"));
        QCOMPARE(QFileInfo(QString::fromStdString(helpFile)).absolutePath(),
                 QFileInfo(QString::fromStdString(GetModuleFileName())).absolutePath());

        std::vector<std::string> messages;
        const MessageBoxHandler previousBox =
            SetMessageBoxHandler([&messages](const std::string& text, UINT) {
                messages.push_back(text);
                return IDOK;
            });
        std::vector<std::string> opened;
        bool accept = true;
        const ShellOpenHandler previousShell = SetShellOpenHandler([&](const std::string& target) {
            opened.push_back(target);
            return accept;
        });

        QFile::remove(QString::fromStdString(helpFile));
        QVERIFY(!LaunchHelp());
        QVERIFY(opened.empty());
        QFile help(QString::fromStdString(helpFile));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.close();
        QVERIFY(LaunchHelp());
        accept = false;
        QVERIFY(!LaunchHelp());
        QCOMPARE(opened, (std::vector<std::string>{helpFile, helpFile}));
        QCOMPARE(messages, (std::vector<std::string>{"Failed to launch help.", "Failed to launch help."}));
        QFile::remove(QString::fromStdString(helpFile));

        SetShellOpenHandler(previousShell);
        SetMessageBoxHandler(previousBox);
    }

    void resourcesAreCompiledIn() {
        const QIcon icon = LoadIconResource(IDR_MAINFRAME);
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
        const QPixmap backdrop = LoadBitmapResource(IDB_BACKDROP);
        QCOMPARE(backdrop.size(), QSize(500, 600));
        QVERIFY(!backdrop.hasAlphaChannel());
        QVERIFY(LoadBitmapResource(IDR_MAINFRAME + 1000).isNull());
        QVERIFY(LoadIconResource(IDB_BACKDROP).isNull());
    }

    void widgetGrabWritesAPng() {
        QTemporaryDir scratch;
        QWidget widget;
        widget.resize(64, 40);
        const std::string path = scratch.filePath(QStringLiteral("shot.png")).toStdString();
        QVERIFY(GrabWidgetToPng(widget, path));
        QCOMPARE(QImage(QString::fromStdString(path)).size(), QSize(64, 40));
        QVERIFY(!GrabWidgetToPng(widget, scratch.filePath(QStringLiteral("missing/shot.png")).toStdString()));
    }
};

namespace {
const bool registered = RegisterGuiTest<CPlatformQtTest>();
} // namespace

#include "PlatformQtTest.moc"
