// AfxGetMainWnd: the application's main window, which owns the progress window by default and is
// brought to the front when a batch run is cancelled. Null until the window program sets it.
#pragma once

class QWidget;

QWidget* AfxGetMainWnd();
// Remembers the window weakly: once it is deleted, AfxGetMainWnd gives null again.
void AfxSetMainWnd(QWidget* window);
