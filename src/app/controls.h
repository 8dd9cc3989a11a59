// Small helpers for windows laid out by fixed positions: each control gets its name as
// objectName and its place and size in the parent.
#pragma once

#include <QColor>
#include <QFrame>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace qm {

// Creates a W in `parent`, named and placed at x, y with the size w by h.
template <class W>
W* MakeControl(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* control = new W(parent);
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(x, y, w, h);
    return control;
}

template <class W>
W* MakeControl(QWidget* parent, const char* name, const QString& caption, int x, int y, int w,
               int h) {
    W* control = MakeControl<W>(parent, name, x, y, w, h);
    control->setText(caption);
    return control;
}

// The background of disabled edit boxes, and of enabled ones.
inline const QColor kDisabledBoxGrey(236, 236, 236);
inline const QColor kEnabledBoxWhite(255, 255, 255);

// Sets an edit box's background colour for every state it can be in.
inline void SetEditBackground(QWidget* box, const QColor& colour) {
    QPalette p = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, colour);
    box->setPalette(p);
}

// The thin progress bars the windows use only as separator lines: an etched line.
inline QFrame* MakeSeparatorLine(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* line = MakeControl<QFrame>(parent, name, x, y, w, h);
    line->setFrameShape(w >= h ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace qm
