#include "geometry/ShowTransformsDlg.h"

#include "geometry/TransformListing.h"
#include "platform/WinTypes.h"
#include "platform/qt/DialogUnits.h"

namespace {

// The list box's tab stops: the platform's default, every 32 dialog units.
constexpr int kTabStopDialogUnits = 32;

} // namespace

CShowTransformsDlg::CShowTransformsDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_tabStops(CDialogUnits(DialogFont()).X(kTabStopDialogUnits), this), m_lstTransforms(this),
      m_btnClose(this) {
    setWindowTitle(QStringLiteral("Listing of All Transforms"));
    setFont(DialogFont());
    const CDialogUnits units(font());
    setFixedSize(units.MapDialogSize(415, 326));

    m_btnClose.setText(QStringLiteral("Close"));
    m_btnClose.setDefault(true);
    m_btnClose.setGeometry(units.MapDialogRect(358, 305, 50, 14));
    connect(&m_btnClose, &QPushButton::clicked, this, &QDialog::accept);

    m_lstTransforms.setGeometry(units.MapDialogRect(7, 25, 401, 271));
    m_lstTransforms.setSelectionMode(QAbstractItemView::NoSelection);
    m_lstTransforms.setFocusPolicy(Qt::NoFocus);
    m_lstTransforms.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lstTransforms.setUniformItemSizes(true);
    m_lstTransforms.setItemDelegate(&m_tabStops);

    OnInitDialog();
}

bool CShowTransformsDlg::OnInitDialog() {
    m_lstTransforms.clear();
    // The lines come sorted, as the sorted list box shows them.
    for (const std::string& line : FormatTransformListing()) {
        m_lstTransforms.addItem(QString::fromStdString(line));
    }
    m_btnClose.setFocus();
    return true;
}

int CShowTransformsDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}
