// "&Go!" in the main window with the real progress window: what a run writes and reports, a cancel by
// the Cancel button or Escape, and the progress captions while the files are rewritten.
#include "app/TarvolinDlg.h"
#include "gui/GuiTest.h"
#include "gui/MainWindowScene.h"
#include "platform/qt/AppProfile.h"
#include "support/BatchProgressWnd.h"

#include <QFile>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

// What the user sees when an output's "Processing " text appears.
struct Sight {
    QString caption;
    bool mainWindowEnabled;
};

// Passes every call on to the main window's own progress window and notes each sight.
class CWatchedProgress : public IBatchProgress {
public:
    CWatchedProgress(std::unique_ptr<IBatchProgress> progress, QWidget& mainWindow,
                     std::vector<Sight>& sights)
        : m_progress(std::move(progress)), m_mainWindow(mainWindow), m_sights(sights) {}

    bool BeginModal(const std::string& caption, bool smooth) override {
        return m_progress->BeginModal(caption, smooth);
    }
    void SetRange(int lower, int upper, int step) override { m_progress->SetRange(lower, upper, step); }
    void SetText(const std::string& text) override {
        m_progress->SetText(text);
        if (text.starts_with("Processing ")) {
            const auto& wnd = dynamic_cast<const CBatchProgressWnd&>(*m_progress);
            m_sights.push_back({wnd.windowTitle(), m_mainWindow.isEnabled()});
        }
    }
    int Step() override { return m_progress->Step(); }
    bool PumpMessages(bool cancelOnEscape) override { return m_progress->PumpMessages(cancelOnEscape); }
    bool IsCancelRequested() const override { return m_progress->IsCancelRequested(); }

private:
    std::unique_ptr<IBatchProgress> m_progress;
    QWidget& m_mainWindow;
    std::vector<Sight>& m_sights;
};

class CWatchedMainWindow : public CTarvolinDlg {
public:
    std::vector<Sight> m_sights;

protected:
    std::unique_ptr<IBatchProgress> CreateProgressWindow(const std::string& caption) override {
        return std::make_unique<CWatchedProgress>(CTarvolinDlg::CreateProgressWindow(caption), *this,
                                                  m_sights);
    }
};

CBatchProgressWnd* ShownProgressWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* progress = dynamic_cast<CBatchProgressWnd*>(window);
            progress != nullptr && progress->isVisible()) {
            return progress;
        }
    }
    return nullptr;
}

// Scales everything by 2 into *_big; moves the b* models by 1 along x into *_moved.
std::string TwoGroups(const std::string& destDir) {
    return "[Global]\nDestDir=" + destDir +
           "\nnTransforms=2\n"
           "[s0]\nmatch=*\nsubstitute=*_big\nscale=( 2.0 , 2.0 , 2.0 )\n"
           "[s1]\nmatch=b*\nsubstitute=*_moved\ntranslate=( 1.0 , 0.0 , 0.0 )\n";
}

std::vector<std::string> Outputs(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

class CTarvolinDlgRunTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(QString::fromStdString(ProfileFilePath())); }

    void goRewritesEveryFileWithEveryGroup() {
        CMainWindowScene scene;
        const std::string out = scene / "out";
        std::filesystem::create_directory(out);
        scene.WriteDefaultFile(TwoGroups(out));
        {
            CWatchedMainWindow dlg;
            dlg.show();
            scene.m_dialogs.m_fileAnswer = {OpenFileResult::Outcome::Ok,
                                            scene.WriteModels({"b.mdl", "a.mdl"}), 0};
            dlg.m_btnBrowseSource.click();
            dlg.m_btnGo.click();

            QCOMPARE(scene.m_messages, std::vector<std::string>{"Finished Processing!"});
            QCOMPARE(dlg.m_editStatus.text(), QStringLiteral("Ready"));
            QVERIFY(dlg.isEnabled());
            QVERIFY(dlg.m_pProgress == nullptr);
            QVERIFY(ShownProgressWindow() == nullptr);
            QVERIFY(dlg.m_btnGo.isEnabled());
            QCOMPARE(dlg.m_nSourceFiles, 2);
            // The files in the dialog's order; the main window stays disabled while they are rewritten.
            QCOMPARE(dlg.m_sights.size(), std::size_t{3});
            const QString caption = QStringLiteral("Tarvolin Progress [%1%]");
            QCOMPARE(dlg.m_sights[0].caption, caption.arg(50));
            QCOMPARE(dlg.m_sights[1].caption, caption.arg(50));
            QCOMPARE(dlg.m_sights[2].caption, caption.arg(100));
            for (const Sight& sight : dlg.m_sights) {
                QVERIFY(!sight.mainWindowEnabled);
            }
            // The progress window kept its place for the next run.
            QVERIFY(GetProfileInt("Settings", "X", -1) >= 0);
        }

        QCOMPARE(Outputs(out), (std::vector<std::string>{"a_big.mdl", "b_big.mdl", "b_moved.mdl"}));
        QCOMPARE(scene.Read(out + "/a_big.mdl"),
                 QByteArray("node a_big\r\n  position 2.0000000 4.0000000 6.0000000\r\n  verts 1\r\n"
                            "    2.0000000 4.0000000 6.0000000\r\nendnode\r\n"));
        QCOMPARE(scene.Read(out + "/b_big.mdl"),
                 QByteArray("node b_big\r\n  position 2.0000000 4.0000000 6.0000000\r\n  verts 1\r\n"
                            "    2.0000000 4.0000000 6.0000000\r\nendnode\r\n"));
        QCOMPARE(scene.Read(out + "/b_moved.mdl"),
                 QByteArray("node b_moved\r\n  position 2.0000000 2.0000000 3.0000000\r\n  verts 1\r\n"
                            "    2.0000000 2.0000000 3.0000000\r\nendnode\r\n"));
        QCOMPARE(scene.Log(), QByteArray("\r\nStarting...\r\nProcessing...\r\n"
                                         "Opening new input file for b\r\nProcessing b_big.mdl\r\n"
                                         "Processing b_moved.mdl\r\n"
                                         "Opening new input file for a\r\nProcessing a_big.mdl\r\n"
                                         "Finished Processing!\r\nClosing... \r\n"));
    }

    void cancelStopsAfterTheFileInProgress_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("the Cancel button") << false;
        QTest::newRow("the Escape key") << true;
    }

    void cancelStopsAfterTheFileInProgress() {
        QFETCH(bool, escape);
        CMainWindowScene scene;
        const std::string out = scene / "out";
        std::filesystem::create_directory(out);
        scene.WriteDefaultFile(TwoGroups(out));
        CTarvolinDlg dlg;
        dlg.show();
        scene.m_dialogs.m_fileAnswer = {OpenFileResult::Outcome::Ok,
                                        scene.WriteModels({"a.mdl", "b.mdl", "c.mdl"}), 0};
        dlg.m_btnBrowseSource.click();

        // The run lets input through only after each file: the press waits for the first of them.
        bool pressed = false;
        QTimer::singleShot(0, [escape, &pressed, &dlg] {
            CBatchProgressWnd* progress = ShownProgressWindow();
            QVERIFY(progress != nullptr);
            // The disabled main window cannot be closed meanwhile.
            QVERIFY(!dlg.close());
            QVERIFY(dlg.isVisible());
            if (escape) {
                QTest::keyClick(progress, Qt::Key_Escape);
            } else {
                QTest::mouseClick(&progress->m_btnCancel, Qt::LeftButton);
            }
            pressed = true;
        });
        dlg.m_btnGo.click();

        QVERIFY(pressed);
        QCOMPARE(scene.m_messages, std::vector<std::string>{"Processing cancelled."});
        QCOMPARE(Outputs(out), std::vector<std::string>{"a_big.mdl"});
        QCOMPARE(dlg.m_editStatus.text(), QStringLiteral("Ready"));
        QVERIFY(dlg.isEnabled());
        QVERIFY(ShownProgressWindow() == nullptr);
        QVERIFY(
            scene.Log().endsWith("Processing...\r\nOpening new input file for a\r\nProcessing a_big.mdl\r\n"
                                 "Finished Processing!\r\n"));
    }

    void captionShowsThePercentageOfTheFileInProgress_data() {
        QTest::addColumn<int>("files");
        QTest::addColumn<QStringList>("captions");
        const QString plain = QStringLiteral("Tarvolin Progress");
        const QString caption = plain + QStringLiteral(" [%1%]");
        QTest::newRow("4 files") << 4
                                 << QStringList{caption.arg(25), caption.arg(50), caption.arg(75),
                                                caption.arg(100)};
        QTest::newRow("3 files") << 3 << QStringList{caption.arg(33), caption.arg(67), caption.arg(100)};
        // The first of 400 files is a quarter of a percent: the caption stays plain.
        QTest::newRow("400 files, the first three and the last")
            << 400 << QStringList{plain, caption.arg(1), caption.arg(1), caption.arg(100)};
    }

    void captionShowsThePercentageOfTheFileInProgress() {
        QFETCH(int, files);
        QFETCH(QStringList, captions);
        CMainWindowScene scene;
        const std::string out = scene / "out";
        std::filesystem::create_directory(out);
        scene.WriteDefaultFile("[Global]\nDestDir=" + out +
                               "\nnTransforms=1\n[s0]\nmatch=*\nsubstitute=*_x\n");
        CWatchedMainWindow dlg;
        std::vector<std::string> names;
        for (int i = 0; i < files; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "m%03d.mdl", i);
            names.emplace_back(name);
        }
        scene.m_dialogs.m_fileAnswer = {OpenFileResult::Outcome::Ok, scene.WriteModels(names), 0};
        dlg.m_btnBrowseSource.click();
        dlg.m_btnGo.click();

        QCOMPARE(dlg.m_sights.size(), static_cast<std::size_t>(files));
        QStringList seen;
        for (const Sight& sight : dlg.m_sights) {
            seen << sight.caption;
        }
        if (files > captions.size()) {
            seen = seen.mid(0, 3) << seen.back();
        }
        QCOMPARE(seen, captions);
        QCOMPARE(scene.m_messages, std::vector<std::string>{"Finished Processing!"});
    }
};

namespace {
const bool registered = RegisterGuiTest<CTarvolinDlgRunTest>();
} // namespace

#include "TarvolinDlgRunTest.moc"
