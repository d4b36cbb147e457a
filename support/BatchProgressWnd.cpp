#include "support/BatchProgressWnd.h"

#include "platform/qt/AppProfile.h"
#include "platform/qt/MainWnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <algorithm>
#include <climits>

namespace {

constexpr int kCreateWidth = 390;
constexpr int kCreateHeight = 130;
constexpr int kMargin = 10;

// The segmented bar of the batch run; a smooth bar keeps the style's own look.
const char* const kSegmentedBarStyle =
    "QProgressBar { border: 1px solid palette(dark); background: palette(base); }"
    "QProgressBar::chunk { background: palette(highlight); width: 6px; "
    "margin: 1px; }";

QRect ScreenRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect();
}

QRect WorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

} // namespace

CBatchProgressWnd::CBatchProgressWnd(QWidget* owner, const std::string& caption, bool smooth)
    : m_wndMessage(this), m_wndBar(this), m_btnCancel(this), m_strCaption(caption) {
    connect(&m_btnCancel, &QPushButton::clicked, this, [this] { RequestCancel(); });
    Create(owner, caption, smooth);
}

CBatchProgressWnd::~CBatchProgressWnd() {
    DestroyWindow();
}

bool CBatchProgressWnd::Create(QWidget* owner, const std::string& caption, bool smooth) {
    setCursor(Qt::BusyCursor);
    QPalette buttonFace = palette();
    buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
    setPalette(buttonFace);
    setAutoFillBackground(true);
    m_fontMessage = QApplication::font("QMessageBox");

    // Topmost, with a title but no system menu, hence no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QString::fromStdString(caption));
    m_pOwner = owner != nullptr ? owner : AfxGetMainWnd();
    move(0, 0);
    resize(kCreateWidth, kCreateHeight);

    m_wndMessage.setGeometry(0, 0, 10, 10);
    m_wndMessage.setTextFormat(Qt::PlainText);
    m_wndMessage.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_wndMessage.setWordWrap(false);
    m_wndMessage.clear();
    m_wndBar.setGeometry(0, 0, 10, 10);
    m_wndBar.setTextVisible(false);
    m_wndBar.setRange(0, 100);
    m_wndBar.setValue(0);
    m_wndBar.setStyleSheet(smooth ? QString() : QString::fromLatin1(kSegmentedBarStyle));
    m_btnCancel.setGeometry(0, 0, 10, 10);
    m_btnCancel.setText(QString::fromStdString(m_strCancelText));
    m_btnCancel.setFocusPolicy(Qt::StrongFocus);
    m_btnCancel.setFont(m_fontMessage);
    m_wndMessage.setFont(m_fontMessage);
    m_bWindow = true;

    LayoutControls(m_nTextLines, kCreateWidth);
    if (m_bRememberPosition) {
        RestorePosition();
    } else {
        CenterOverOwner();
    }
    EnsureVisible();
    return true;
}

void CBatchProgressWnd::LayoutControls(int lines, int width) {
    if (!m_bWindow) {
        return;
    }
    const int left = kMargin;
    const int top = kMargin;
    int right = width - 20;
    int bottom = 120;

    const QFontMetrics metrics(m_fontMessage);
    QStringList probe;
    for (int i = 0; i < lines; ++i) {
        probe << QStringLiteral("M");
    }
    bottom = top + metrics
                       .boundingRect(QRect(left, top, right - left, bottom - top),
                                     Qt::AlignLeft | Qt::AlignTop, probe.join(QLatin1Char('\n')))
                       .height();
    right = left + width;

    const int cxEdge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int cyEdge = cxEdge;
    const QString buttonText = QString::fromStdString(m_strCancelText) + QStringLiteral("  ");
    const int buttonWidth = metrics.horizontalAdvance(buttonText) + 4 * cxEdge;
    const int buttonHeight = metrics.height() + 3 * cyEdge;

    const QRect button(right - buttonWidth, bottom + kMargin, buttonWidth, buttonHeight);
    const QRect bar(left, button.top() + cyEdge, button.left() - kMargin - left, buttonHeight - 2 * cyEdge);
    setFixedSize(right - left + 2 * kMargin, (bottom - top) + buttonHeight + 3 * kMargin);

    m_wndBar.setGeometry(bar);
    m_btnCancel.setGeometry(button);
    m_wndMessage.setGeometry(left, top, right - left, bottom - top);
}

bool CBatchProgressWnd::BeginModal(const std::string& caption, bool smooth) {
    if (!m_bWindow && !Create(AfxGetMainWnd(), caption, smooth)) {
        return false;
    }
    QWidget* last = this;
    for (QWidget* next = m_pOwner; next != nullptr && next->isEnabled(); next = next->parentWidget()) {
        last = next;
    }
    m_pDisabledOwner = last;
    last->setEnabled(false);
    setEnabled(true);
    m_bModalMode = true;
    return true;
}

void CBatchProgressWnd::SetRange(int lower, int upper, int step) {
    if (!m_bWindow) {
        return;
    }
    const int position = m_wndBar.value();
    m_wndBar.setRange(lower, upper);
    // The platform's bar keeps its position inside the new range; Qt's would forget it.
    m_wndBar.setValue(std::clamp(position, m_wndBar.minimum(), m_wndBar.maximum()));
    m_nRangeUpper = upper;
    m_nRangeLower = lower;
    m_nStepSize = step;
}

int CBatchProgressWnd::SetBarPosition(int position) {
    if (!m_bWindow) {
        return m_nPosition;
    }
    EnsureVisible();
    m_nPosition = position;

    int percent = 0;
    if (m_nRangeUpper > m_nRangeLower) {
        // In double throughout, so that no range can overflow; a position far outside the range
        // still gives a representable percentage.
        const double exact = (static_cast<double>(position) - m_nRangeLower) * 100.0 /
                                 (static_cast<double>(m_nRangeUpper) - m_nRangeLower) +
                             0.5;
        percent =
            static_cast<int>(std::clamp(exact, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
    }
    if (percent != m_nPercentShown) {
        m_nPercentShown = percent;
        setWindowTitle(QString::fromStdString(m_strCaption + " [" + std::to_string(percent) + "%]"));
    }

    const int previous = m_wndBar.value();
    m_wndBar.setValue(std::clamp(position, m_wndBar.minimum(), m_wndBar.maximum()));
    return previous;
}

int CBatchProgressWnd::Step() {
    if (!m_bWindow) {
        return m_nPosition;
    }
    EnsureVisible();
    return SetBarPosition(m_nPosition + m_nStepSize);
}

void CBatchProgressWnd::SetText(const std::string& text) {
    if (!m_bWindow) {
        return;
    }
    m_wndMessage.setText(QString::fromStdString(text));
}

bool CBatchProgressWnd::PumpMessages(bool cancelOnEscape) {
    if (m_bModalMode && m_bWindow && QApplication::focusWidget() != this) {
        activateWindow();
        setFocus(Qt::OtherFocusReason);
    }
    if (m_bCancelRequested) {
        return true;
    }
    // The filter looks at each event before it is dispatched, as a peek at the queue would.
    m_bCancelOnEscape = cancelOnEscape;
    QCoreApplication::instance()->installEventFilter(this);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::instance()->removeEventFilter(this);
    return m_bCancelRequested;
}

bool CBatchProgressWnd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (m_bCancelOnEscape && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            RequestCancel();
        }
    } else if (event->type() == QEvent::MouseButtonRelease && m_bModalMode && m_bWindow) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const QRect button(m_btnCancel.mapToGlobal(QPoint(0, 0)), m_btnCancel.size());
        if (mouse->button() == Qt::LeftButton && button.contains(mouse->globalPosition().toPoint())) {
            RequestCancel();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CBatchProgressWnd::RequestCancel() {
    if (m_bRememberPosition) {
        SavePosition();
    }
    m_bCancelRequested = true;
    if (m_bWindow && isVisible()) {
        hide();
    }
    if (m_bModalMode) {
        QMetaObject::invokeMethod(
            this, [this] { OnClose(); }, Qt::QueuedConnection);
    }
    if (QWidget* mainWindow = AfxGetMainWnd()) {
        mainWindow->raise();
        mainWindow->activateWindow();
    }
}

void CBatchProgressWnd::OnClose() {
    if (!m_bWindow) {
        return;
    }
    m_bWindow = false;
    hide();
}

void CBatchProgressWnd::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void CBatchProgressWnd::EnsureVisible() {
    if (m_bWindow && isHidden()) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        show();
        repaint();
    }
}

void CBatchProgressWnd::SavePosition() {
    if (!m_bWindow) {
        return;
    }
    const QPoint corner = frameGeometry().topLeft();
    WriteProfileInt("Settings", "X", corner.x());
    WriteProfileInt("Settings", "Y", corner.y());
}

void CBatchProgressWnd::RestorePosition() {
    if (!m_bWindow) {
        return;
    }
    const int x = GetProfileInt("Settings", "X", -1);
    const int y = GetProfileInt("Settings", "Y", -1);
    const QRect screen = ScreenRect();
    if (x < 0 || x >= screen.width() || y < 0 || y >= screen.height()) {
        CenterOverOwner();
    } else {
        move(x, y);
    }
}

void CBatchProgressWnd::CenterOverOwner() {
    const QRect area = WorkArea();
    const QWidget* owner = m_pOwner != nullptr ? m_pOwner->window() : nullptr;
    const bool overOwner = owner != nullptr && owner->isVisible() && !owner->isMinimized();
    QRect frame = frameGeometry();
    frame.moveCenter(overOwner ? owner->frameGeometry().center() : area.center());
    // Kept on the screen's work area, as the platform's centring does.
    if (frame.right() > area.right()) {
        frame.moveRight(area.right());
    }
    if (frame.bottom() > area.bottom()) {
        frame.moveBottom(area.bottom());
    }
    if (frame.left() < area.left()) {
        frame.moveLeft(area.left());
    }
    if (frame.top() < area.top()) {
        frame.moveTop(area.top());
    }
    move(frame.topLeft());
}

bool CBatchProgressWnd::DestroyWindow() {
    if (m_bRememberPosition) {
        SavePosition();
    }
    if (m_bModalMode) {
        m_bModalMode = false;
        if (m_pDisabledOwner != nullptr) {
            m_pDisabledOwner->setEnabled(true);
        }
    }
    if (!m_bWindow) {
        return false;
    }
    m_bWindow = false;
    hide();
    return true;
}
