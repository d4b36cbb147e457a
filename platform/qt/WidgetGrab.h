// Saves a picture of a widget as it is drawn now (also when it is not on screen), e.g. for the
// README's screenshots.
#pragma once

#include <string>

class QWidget;

// Returns whether the PNG file was written.
bool GrabWidgetToPng(QWidget& widget, const std::string& path);
