#include "app/TarvolinDlg.h"

#include "app/AboutDlg.h"
#include "app/TarvolinApp.h"
#include "geometry/ShowTransformsDlg.h"
#include "platform/FormatString.h"
#include "platform/MessageBox.h"
#include "platform/SplitPath.h"
#include "platform/StringTable.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/ResourceImages.h"
#include "res/Resource.h"
#include "support/BatchProgressWnd.h"
#include "support/FolderDialog.h"
#include "support/RunLog.h"
#include "transformfile/TransformTable.h"

#include <QCloseEvent>
#include <QContextMenuEvent>

namespace {

// The kinds of control the platform asks colours for.
constexpr UINT CTLCOLOR_EDIT = 1;
constexpr UINT CTLCOLOR_LISTBOX = 2;
constexpr UINT CTLCOLOR_BTN = 3;
constexpr UINT CTLCOLOR_STATIC = 6;

// The kind a control reports itself as: edits that are read-only or disabled count as static.
UINT CtlColorKind(const QWidget& control) {
    if (qobject_cast<const QLabel*>(&control) != nullptr) {
        return CTLCOLOR_STATIC;
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        return edit->isReadOnly() || !edit->isEnabled() ? CTLCOLOR_STATIC : CTLCOLOR_EDIT;
    }
    if (qobject_cast<const QListWidget*>(&control) != nullptr) {
        return CTLCOLOR_LISTBOX;
    }
    return CTLCOLOR_BTN;
}

// The path boxes hold at most this many characters.
constexpr int kMaxPathChars = 256;

constexpr std::size_t kSourceFileBufferChars = 0x10000;

const COLORREF kStaticColour = RGB(138, 138, 138);

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// Where the list box's sort puts a new entry: case does not count, and equal entries keep the order
// in which they came.
bool SortsBefore(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

// LB_ADDSTRING of a sorted list box.
void AddString(QListWidget& list, const QString& text) {
    int index = list.count();
    while (index > 0 && SortsBefore(text, list.item(index - 1)->text())) {
        --index;
    }
    list.insertItem(index, text);
}

// The separator the path is split at: the platform's own, '/', and only in a path without one the
// other platform's '\'. A '\' is an ordinary character in a file name here.
std::string_view::size_type LastSeparator(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash != std::string_view::npos ? slash : path.rfind('\\');
}

// DDX_Text of an edit box.
void ExchangeText(bool bSaveAndValidate, QLineEdit& edit, CTypedTextLimit* limit, std::string& value) {
    if (bSaveAndValidate) {
        value = edit.text().toStdString();
    } else if (limit != nullptr) {
        limit->SetText(ToQt(value));
    } else {
        edit.setText(ToQt(value));
    }
}

// DDV_MaxChars: a transfer to the window limits what can be typed; a transfer from it fails, with the
// framework's message and the box focused, when the box holds more.
bool ValidateMaxChars(bool bSaveAndValidate, QLineEdit& edit, CTypedTextLimit& limit, int nChars) {
    if (!bSaveAndValidate) {
        limit.LimitText(nChars);
        return true;
    }
    if (edit.text().size() <= nChars) {
        return true;
    }
    AfxMessageBox(FormatPlaceholders("Please enter no more than %1 characters.", std::to_string(nChars)),
                  MB_OK | MB_ICONEXCLAMATION);
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
    return false;
}

} // namespace

CTarvolinDlg::CTarvolinDlg(QWidget* parent)
    : CBackdropDialog(IDD_TARVOLIN_DIALOG, parent), m_hIcon(LoadIconResource(IDR_MAINFRAME)),
      m_menuSystem(this), m_btnExit(this), m_wndStep2(this), m_listSourceFiles(this), m_editDestDir(this),
      m_btnBrowseSource(this), m_btnBrowseDest(this), m_wndStep3(this), m_wndStep4(this), m_btnGo(this),
      m_btnShowTransforms(this), m_wndStep5(this), m_editStatus(this), m_btnHelp(this),
      m_editTransformFile(this), m_btnSelectTransformFile(this), m_wndStep1(this),
      m_limitDestDir(m_editDestDir), m_limitTransformFile(m_editTransformFile) {
    FreeTransformTable();

    // Dialog 102: a fixed-size window with title, system menu and minimize box, in the task bar.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tarvolin"));
    setFont(DialogFont());
    const CDialogUnits units(font());
    setFixedSize(units.MapDialogSize(319, 354));

    const auto place = [&units](QWidget& control, int x, int y, int cx, int cy) {
        control.setGeometry(units.MapDialogRect(x, y, cx, cy));
    };
    const auto label = [&place](QLabel& control, const char* text, int x, int y, int cx, int cy) {
        control.setTextFormat(Qt::PlainText);
        control.setText(QString::fromLatin1(text));
        control.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(control, x, y, cx, cy);
    };
    const auto button = [&place](QPushButton& control, const char* text, int x, int y, int cx, int cy) {
        control.setText(QString::fromLatin1(text));
        place(control, x, y, cx, cy);
    };

    button(m_btnExit, "E&xit", 262, 331, 50, 16);
    m_btnExit.setDefault(true);
    label(m_wndStep2, "2. Select source file(s).", 7, 95, 78, 8);
    place(m_listSourceFiles, 23, 110, 88, 104);
    m_listSourceFiles.setSelectionMode(QAbstractItemView::NoSelection);
    m_listSourceFiles.setFocusPolicy(Qt::ClickFocus);
    m_listSourceFiles.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listSourceFiles.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_listSourceFiles.setUniformItemSizes(true);
    place(m_editDestDir, 23, 242, 187, 14);
    button(m_btnBrowseSource, "Browse...", 119, 198, 59, 16);
    button(m_btnBrowseDest, "Browse...", 215, 241, 58, 16);
    label(m_wndStep3, "3. Select destination directory.", 7, 226, 103, 8);
    label(m_wndStep4, "4. Create models.", 7, 271, 66, 8);
    button(m_btnGo, "&Go!", 21, 287, 58, 16);
    button(m_btnShowTransforms, "&Show Transforms...", 131, 331, 73, 16);
    label(m_wndStep5, "5. You are done. Go edit your models (go wild).", 7, 313, 161, 8);
    place(m_editStatus, 7, 332, 116, 15);
    m_editStatus.setReadOnly(true);
    m_editStatus.setEnabled(false);
    m_editStatus.setFrame(false);
    button(m_btnHelp, "&Help", 208, 331, 50, 16);
    place(m_editTransformFile, 23, 70, 123, 14);
    m_editTransformFile.setReadOnly(true);
    button(m_btnSelectTransformFile, "Select...", 152, 69, 58, 16);
    label(m_wndStep1, "1. Select transformation file (defaults to Tarvolin.ini).", 7, 54, 190, 8);

    connect(&m_btnExit, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(&m_btnBrowseSource, &QPushButton::clicked, this, [this] { OnBrowseSource(); });
    connect(&m_btnBrowseDest, &QPushButton::clicked, this, [this] { OnBrowseDest(); });
    connect(&m_btnGo, &QPushButton::clicked, this, [this] { OnGo(); });
    connect(&m_btnShowTransforms, &QPushButton::clicked, this, [this] { OnShowTransforms(); });
    connect(&m_btnSelectTransformFile, &QPushButton::clicked, this, [this] { OnSelectTransformFile(); });
    // The window leaves Help to the application.
    connect(&m_btnHelp, &QPushButton::clicked, this, [] { theApp.OnHelp(); });

    OnInitDialog();
}

CTarvolinDlg::~CTarvolinDlg() {
    CloseDown(FolderMemory::Write);
}

int CTarvolinDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

bool CTarvolinDlg::OnInitDialog() {
    UpdateData(false);

    const std::string about = LoadResourceString(IDS_ABOUTBOX);
    if (!about.empty()) {
        m_menuSystem.addSeparator();
        QAction* item = m_menuSystem.addAction(ToQt(about));
        connect(item, &QAction::triggered, this, [this] { OnSysCommand(IDM_ABOUTBOX); });
    }

    // One icon for both, the big and the small one: it holds every size.
    setWindowIcon(m_hIcon);

    LoadTransformationFile("");

    SetBackdropMode(1);
    SetBackdropBitmap(IDB_BACKDROP);

    m_brushStatic =
        QBrush(QColor(static_cast<int>(GetRValue(kStaticColour)), static_cast<int>(GetGValue(kStaticColour)),
                      static_cast<int>(GetBValue(kStaticColour))));
    for (QWidget* control : Controls()) {
        OnCtlColor(*control, CtlColorKind(*control));
    }

    m_btnGo.setEnabled(false);

    // The first control with a tab stop.
    m_btnExit.setFocus(Qt::OtherFocusReason);
    return true;
}

void CTarvolinDlg::OnCtlColor(QWidget& control, UINT nCtlColor) {
    if (nCtlColor != CTLCOLOR_STATIC) {
        return;
    }
    // The control's background is the grey brush, and its text is drawn over it without a background
    // of its own, so it blends into the bitmap's grey field.
    QPalette palette = control.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setBrush(group, QPalette::Window, m_brushStatic);
        palette.setBrush(group, QPalette::Base, m_brushStatic);
    }
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

bool CTarvolinDlg::UpdateData(bool bSaveAndValidate) {
    return DoDataExchange(bSaveAndValidate);
}

bool CTarvolinDlg::DoDataExchange(bool bSaveAndValidate) {
    // In this order; a failed check ends the transfer there, with the fields before it transferred.
    ExchangeText(bSaveAndValidate, m_editStatus, nullptr, m_strStatus);
    ExchangeText(bSaveAndValidate, m_editDestDir, &m_limitDestDir, m_strDestDir);
    if (!ValidateMaxChars(bSaveAndValidate, m_editDestDir, m_limitDestDir, kMaxPathChars)) {
        return false;
    }
    ExchangeText(bSaveAndValidate, m_editTransformFile, &m_limitTransformFile, m_strTransformFile);
    return ValidateMaxChars(bSaveAndValidate, m_editTransformFile, m_limitTransformFile, kMaxPathChars);
}

void CTarvolinDlg::OnSelectionCleared() {
    m_listSourceFiles.clear();
    m_btnGo.setEnabled(false);
}

std::vector<QWidget*> CTarvolinDlg::Controls() {
    return {&m_btnExit,           &m_wndStep2,          &m_listSourceFiles,
            &m_editDestDir,       &m_btnBrowseSource,   &m_btnBrowseDest,
            &m_wndStep3,          &m_wndStep4,          &m_btnGo,
            &m_btnShowTransforms, &m_wndStep5,          &m_editStatus,
            &m_btnHelp,           &m_editTransformFile, &m_btnSelectTransformFile,
            &m_wndStep1};
}

std::unique_ptr<IBatchProgress> CTarvolinDlg::CreateProgressWindow(const std::string& caption) {
    return std::make_unique<CBatchProgressWnd>(this, caption, false);
}

void CTarvolinDlg::contextMenuEvent(QContextMenuEvent* event) {
    // Only the background, where the labels are drawn as part of it, offers the system menu.
    QWidget* child = childAt(event->pos());
    if (child != nullptr && qobject_cast<QLabel*>(child) == nullptr) {
        event->ignore();
        return;
    }
    m_menuSystem.popup(event->globalPos());
}

void CTarvolinDlg::closeEvent(QCloseEvent* event) {
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    CBackdropDialog::closeEvent(event);
}

void CTarvolinDlg::OnSysCommand(UINT nID) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    }
}

std::string CTarvolinDlg::GetFileNamePart(std::string_view path) {
    const auto separator = LastSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string CTarvolinDlg::GetFolderPart(std::string_view path) {
    const auto separator = LastSeparator(path);
    if (separator == std::string_view::npos || separator == 0) {
        return {};
    }
    return std::string(path.substr(0, separator));
}

void CTarvolinDlg::OnBrowseSource() {
    UpdateData(true);

    OpenFileRequest request;
    request.title = "Select Files to Process";
    request.initialDir = m_strSourceDir;
    request.filter = "Orvane Model Files (*.mdl)|*.mdl||";
    request.defaultExt = "mdl";
    request.allowMultiSelect = true;
    request.maxFile = kSourceFileBufferChars;
    const OpenFileResult result = RunOpenFileDialog(request);

    if (result.outcome == OpenFileResult::Outcome::Ok) {
        m_arrSourceFiles.clear();
        m_nSourceFiles = 0;
        m_listSourceFiles.clear();
        m_btnGo.setEnabled(false);
        for (const std::string& path : result.paths) {
            m_arrSourceFiles.push_back(path);
            AddString(m_listSourceFiles, ToQt(GetFileNamePart(path)));
            ++m_nSourceFiles;
        }
        if (m_nSourceFiles > 0) {
            m_strSourceDir = GetFolderPart(m_arrSourceFiles.front());
            SetStatus(IDS_READY);
            m_btnGo.setEnabled(true);
        } else {
            m_btnGo.setEnabled(false);
        }
        UpdateData(false);
        return;
    }
    // A cancel (or a failure without a code) leaves everything as it was, silently.
    if (result.outcome == OpenFileResult::Outcome::Failed && result.errorCode == FNERR_BUFFERTOOSMALL) {
        AfxMessageBox(IDS_TOO_MANY_FILES);
    } else if (result.outcome == OpenFileResult::Outcome::Failed && result.errorCode != 0) {
        AfxMessageBox(IDS_UNKNOWN_SELECT_ERROR);
    }
}

void CTarvolinDlg::OnBrowseDest() {
    UpdateData(true);
    CFolderDialog dlg("Select Destination Directory", m_strDestDir.c_str(), this, BIF_RETURNONLYFSDIRS);
    if (dlg.DoModal() == IDOK) {
        m_strDestDir = dlg.GetChosenPath();
        UpdateData(false);
        theLog.WriteLine(1, m_strDestDir, " selected as destination directory.");
    }
}

void CTarvolinDlg::OnSelectTransformFile() {
    UpdateData(true);

    OpenFileRequest request;
    request.initialFile = m_strTransformFile;
    request.filter = "Initialization Files (*.ini)|*.ini||";
    request.defaultExt = "ini";
    const OpenFileResult result = RunOpenFileDialog(request);
    if (result.outcome != OpenFileResult::Outcome::Ok || result.paths.empty()) {
        return;
    }

    m_strTransformFile = result.paths.front();
    LoadTransformationFile(m_strTransformFile);
    setWindowTitle(ToQt("Tarvolin - " + SplitPath(m_strTransformFile).fname));
    UpdateData(false);
    theLog.WriteLine(1, m_strTransformFile, " selected as transformation file.");
}

void CTarvolinDlg::OnShowTransforms() {
    CShowTransformsDlg dlg;
    dlg.DoModal();
}

void CTarvolinDlg::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    QDialog::accept();
}

void CTarvolinDlg::OnCancel() {
    QDialog::reject();
}
