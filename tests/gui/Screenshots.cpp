// tarvolin_screenshots FOLDER: draws the README's pictures of the window program into FOLDER, the main
// window with a selection (main-window.png) and the progress window half-way through a real run
// (progress-window.png). Run it offscreen (QT_QPA_PLATFORM=offscreen); it works in a scratch folder and
// touches nothing else. Offscreen windows have no frame, so each picture gets a plain title bar with the
// window's caption.
#include "app/TarvolinDlg.h"
#include "gui/FakeFileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/ModulePath.h"
#include "platform/qt/WidgetGrab.h"
#include "support/BatchProgressWnd.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

// The window's picture under a title bar showing its icon and caption, saved as PNG.
bool SaveFramed(QWidget& window, const std::string& path) {
    QWidget frame;
    frame.setStyleSheet(QStringLiteral("background: #3b4048;"));
    QVBoxLayout layout(&frame);
    layout.setContentsMargins(1, 0, 1, 1);
    layout.setSpacing(0);

    QWidget titleBar;
    QHBoxLayout titleLayout(&titleBar);
    titleLayout.setContentsMargins(6, 4, 6, 4);
    QLabel icon;
    icon.setPixmap(window.windowIcon().pixmap(16, 16));
    QLabel caption(window.windowTitle());
    caption.setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    titleLayout.addWidget(&icon);
    titleLayout.addWidget(&caption, 1);

    QLabel client;
    client.setPixmap(window.grab());
    layout.addWidget(&titleBar);
    layout.addWidget(&client);
    frame.adjustSize();
    return GrabWidgetToPng(frame, path);
}

// Passes every call on to the progress window and saves its picture once the caption reads 50 %,
// when the output of the second of four files is announced.
class CPhotographedProgress : public IBatchProgress {
public:
    CPhotographedProgress(std::unique_ptr<IBatchProgress> progress, std::string path, bool& saved)
        : m_progress(std::move(progress)), m_strPath(std::move(path)), m_bSaved(saved) {}

    bool BeginModal(const std::string& caption, bool smooth) override {
        return m_progress->BeginModal(caption, smooth);
    }
    void SetRange(int lower, int upper, int step) override { m_progress->SetRange(lower, upper, step); }
    void SetText(const std::string& text) override {
        m_progress->SetText(text);
        auto& wnd = dynamic_cast<CBatchProgressWnd&>(*m_progress);
        if (!m_bSaved && wnd.windowTitle().endsWith(QStringLiteral("[50%]"))) {
            m_bSaved = SaveFramed(wnd, m_strPath);
        }
    }
    int Step() override { return m_progress->Step(); }
    bool PumpMessages(bool cancelOnEscape) override { return m_progress->PumpMessages(cancelOnEscape); }
    bool IsCancelRequested() const override { return m_progress->IsCancelRequested(); }

private:
    std::unique_ptr<IBatchProgress> m_progress;
    std::string m_strPath;
    bool& m_bSaved;
};

class CPhotographedMainWindow : public CTarvolinDlg {
public:
    explicit CPhotographedMainWindow(std::string path) : m_strPath(std::move(path)) {}
    bool m_bSaved = false;

protected:
    std::unique_ptr<IBatchProgress> CreateProgressWindow(const std::string& caption) override {
        return std::make_unique<CPhotographedProgress>(CTarvolinDlg::CreateProgressWindow(caption), m_strPath,
                                                       m_bSaved);
    }

private:
    std::string m_strPath;
};

void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarvolin_screenshots FOLDER\n");
        return 2;
    }
    const std::filesystem::path target = std::filesystem::absolute(argv[1]);
    QTemporaryDir scratchDir;
    if (!scratchDir.isValid()) {
        std::fprintf(stderr, "tarvolin_screenshots: no scratch folder\n");
        return 1;
    }
    const std::filesystem::path scratch = scratchDir.path().toStdString();
    qputenv("XDG_CONFIG_HOME", (scratch / "config").string().c_str());
    SetModuleFileNameForTesting((scratch / "Tarvolin").string());
    std::filesystem::current_path(scratch);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolin"));
    // Every box would wait for a person; there is none.
    SetMessageBoxHandler([](const std::string&, UINT) { return IDOK; });
    CFakeFileDialogs dialogs;

    // The main window after the five steps' first three, with paths as a user would have them.
    bool mainSaved = false;
    {
        Write(scratch / "Tarvolin.ini", "[Global]\nnTransforms=0\n");
        CTarvolinDlg dlg;
        dlg.show();
        dialogs.m_fileAnswer = {OpenFileResult::Outcome::Ok, {"/home/anna/sets/castle.ini"}, 0};
        dlg.OnSelectTransformFile();
        dialogs.m_folderAnswer = {FolderResult::Outcome::Chosen, "/home/anna/models/castle"};
        dlg.OnBrowseDest();
        dialogs.m_fileAnswer = {OpenFileResult::Outcome::Ok,
                                {"/home/anna/models/small_hat01.mdl", "/home/anna/models/small_helm02.mdl",
                                 "/home/anna/models/crate_wood.mdl", "/home/anna/models/lantern_post.mdl"},
                                0};
        dlg.OnBrowseSource();
        mainSaved = SaveFramed(dlg, (target / "main-window.png").string());
    }

    // A real run over four models; the picture is taken at the second one.
    std::vector<std::string> models;
    for (const char* name : {"small_hat01", "small_helm02", "crate_wood", "lantern_post"}) {
        models.push_back((scratch / "models" / (std::string(name) + ".mdl")).string());
        Write(models.back(), "node " + std::string(name) + "\n  verts 1\n    1.0 2.0 3.0\nendnode\n");
    }
    std::filesystem::create_directories(scratch / "out");
    Write(scratch / "Tarvolin.ini", "[Global]\nDestDir=" + (scratch / "out").string() +
                                        "\nnTransforms=1\n[s0]\nmatch=*\nsubstitute=*_big\n"
                                        "scale=( 2.0 , 2.0 , 2.0 )\n");
    CPhotographedMainWindow dlg((target / "progress-window.png").string());
    dlg.show();
    dialogs.m_fileAnswer = {OpenFileResult::Outcome::Ok, models, 0};
    dlg.OnBrowseSource();
    dlg.OnGo();

    if (!mainSaved || !dlg.m_bSaved) {
        std::fprintf(stderr, "tarvolin_screenshots: a picture could not be written into %s\n",
                     target.string().c_str());
        return 1;
    }
    return 0;
}
