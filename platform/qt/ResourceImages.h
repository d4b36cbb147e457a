// The images among the application's resources, compiled in from res/Tarvolin.qrc: icon 130 (the
// window and About box icon, 16, 32 and 48 px) and bitmap 129 (the main window's backdrop).
#pragma once

#include "platform/WinTypes.h"

#include <QIcon>
#include <QPixmap>

// A null icon or pixmap for a number that has no image.
QIcon LoadIconResource(UINT id);
QPixmap LoadBitmapResource(UINT id);
