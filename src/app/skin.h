// The program's look: one consistent style, palette and font for every window, and a way to
// give a single widget the plain style back.
#pragma once

#include <QFont>

class QWidget;

namespace qm {

// Fusion with a calm light palette and the default font, for the whole application. Called
// once at start, before the first window opens.
void SkinH_Attach();

// Gives the widget and its children Qt's plain "Windows" style and its standard palette.
void SkinH_Detach_Ex(QWidget* widget);

// WenQuanYi Micro Hei at 12 pixels (9 points at 96 dpi), the size every caption of the
// windows is laid out for. Pixels rather than points, so the text keeps its size relative to
// the fixed layouts whatever dpi the screen reports.
QFont DefaultFont();

}  // namespace qm
