#include "app/skin.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace qm {

namespace {

QPalette CalmPalette() {
    QPalette p;
    const QColor window(238, 241, 245), button(230, 234, 240), text(30, 40, 52);
    const QColor highlight(74, 122, 181), mid(170, 178, 190);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(245, 247, 250));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, highlight);
    p.setColor(QPalette::ToolTipBase, QColor(255, 252, 230));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, mid);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(222, 227, 234));
    p.setColor(QPalette::Mid, mid);
    p.setColor(QPalette::Dark, QColor(140, 148, 160));
    p.setColor(QPalette::Shadow, QColor(90, 96, 106));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(150, 156, 165));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(236, 236, 236));
    return p;
}

}  // namespace

QFont DefaultFont() {
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

void SkinH_Attach() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(CalmPalette());
    QApplication::setFont(DefaultFont());
}

void SkinH_Detach_Ex(QWidget* widget) {
    if (!widget) return;
    static QStyle* plain = [] {
        QStyle* style = QStyleFactory::create(QStringLiteral("Windows"));
        style->setParent(qApp);  // lives as long as the application
        return style;
    }();
    // A widget's style does not pass to its children, so each one gets it.
    widget->setStyle(plain);
    for (QWidget* child : widget->findChildren<QWidget*>()) child->setStyle(plain);
    widget->setPalette(plain->standardPalette());
}

}  // namespace qm
