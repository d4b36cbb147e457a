// CBatchProgressWnd: the batch run's always-on-top progress window: a caption ending in the
// percentage done, a four-line message area, a bar and " Cancel ". The run shares the GUI thread, so
// input reaches the window only inside PumpMessages, which the run calls between files.
//
// "The window" is the visible window the object manages; a cancel destroys it while the object lives
// on, and every operation then does nothing (HasWindow() is false). The object keeps its owner
// disabled from BeginModal until DestroyWindow or its deletion.
#pragma once

#include "app/BatchProgress.h"

#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <string>

class CBatchProgressWnd : public QWidget, public IBatchProgress {
public:
    // No owner means the application's main window.
    CBatchProgressWnd(QWidget* owner, const std::string& caption, bool smooth);
    ~CBatchProgressWnd() override;
    CBatchProgressWnd(const CBatchProgressWnd&) = delete;
    CBatchProgressWnd& operator=(const CBatchProgressWnd&) = delete;

    bool Create(QWidget* owner, const std::string& caption, bool smooth);
    bool HasWindow() const { return m_bWindow; }

    // Creates the window first (owned by the main window) if there is none; false only when that fails.
    bool BeginModal(const std::string& caption, bool smooth) override;
    void SetRange(int lower, int upper, int step) override;
    // Moves the bar and updates the caption's percentage; returns the previous position.
    int SetBarPosition(int position);
    int Step() override;
    void SetText(const std::string& text) override;
    // Dispatches what is pending, taking Escape (when cancelOnEscape) and a left-button release over
    // Cancel as a cancel; true when a cancel has been requested.
    bool PumpMessages(bool cancelOnEscape) override;
    bool IsCancelRequested() const override { return m_bCancelRequested; }
    void RequestCancel();
    void EnsureVisible();
    // The window's top-left corner, in section "Settings" of the application profile.
    void SavePosition();
    void RestorePosition();
    bool DestroyWindow();
    // Sizes the window for lines of message text of the given width (pixels).
    void LayoutControls(int lines, int width);

    QPointer<QWidget> m_pDisabledOwner;
    bool m_bCancelRequested = false;
    bool m_bModalMode = false;
    bool m_bRememberPosition = true;
    int m_nPosition = 0;
    int m_nPercentShown = 0;
    int m_nStepSize = 1;
    int m_nRangeUpper = 100;
    int m_nRangeLower = 0;
    int m_nTextLines = 4;
    QLabel m_wndMessage;
    QProgressBar m_wndBar;
    QPushButton m_btnCancel;
    std::string m_strCaption = "Progress";
    std::string m_strCancelText = " Cancel ";
    QFont m_fontMessage;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // There is no close box; a close from the window manager is refused like one.
    void closeEvent(QCloseEvent* event) override;

private:
    // The posted close request: the window goes, without saving or re-enabling anything.
    void OnClose();
    void CenterOverOwner();

    QPointer<QWidget> m_pOwner;
    bool m_bWindow = false;
    bool m_bCancelOnEscape = false;
};
