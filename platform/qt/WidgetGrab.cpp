#include "platform/qt/WidgetGrab.h"

#include <QPixmap>
#include <QWidget>

bool GrabWidgetToPng(QWidget& widget, const std::string& path) {
    return widget.grab().save(QString::fromStdString(path), "PNG");
}
