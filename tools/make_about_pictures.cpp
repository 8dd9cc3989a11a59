// Writes the two pictures of the settings window's about page as one image list:
//   assets/settings/about_pictures.png   500x353, 32-bit ARGB, entries 0 and 1 side by side
// Each entry is 250x353. Its mask is the alpha channel, fully opaque inside a rounded outline
// and fully transparent outside it (no partial alpha). Entry 0 is a quill over a lake at night,
// entry 1 a paradrop at dusk. Drawn from fixed numbers only, so a run gives the same file.
// Usage: make_about_pictures ASSETS_DIR
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int kWidth = 250;
constexpr int kHeight = 353;
constexpr double kCornerRadius = 18;

// A small fixed linear congruential generator: the same stars on every run and machine.
struct Lcg {
    unsigned state;
    double Next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1u << 24);
    }
};

void DrawQuillOverLake(QPainter& p) {
    // Night sky over a still lake.
    QLinearGradient sky(0, 0, 0, 230);
    sky.setColorAt(0, QColor(12, 20, 48));
    sky.setColorAt(1, QColor(38, 70, 118));
    p.fillRect(0, 0, kWidth, 230, sky);
    QLinearGradient lake(0, 230, 0, kHeight);
    lake.setColorAt(0, QColor(28, 84, 104));
    lake.setColorAt(1, QColor(8, 30, 44));
    p.fillRect(0, 230, kWidth, kHeight - 230, lake);

    Lcg lcg{20240501u};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const double x = lcg.Next() * kWidth, y = lcg.Next() * 200, r = 0.6 + lcg.Next() * 1.2;
        p.setBrush(QColor(255, 255, 230, 120 + int(lcg.Next() * 135)));
        p.drawEllipse(QPointF(x, y), r, r);
    }

    // The moon and its glow, and its reflection on the water.
    QRadialGradient glow(QPointF(182, 62), 60);
    glow.setColorAt(0, QColor(255, 246, 200, 120));
    glow.setColorAt(1, QColor(255, 246, 200, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(182, 62), 60, 60);
    p.setBrush(QColor(250, 240, 200));
    p.drawEllipse(QPointF(182, 62), 24, 24);
    for (int i = 0; i < 9; ++i) {
        const double y = 242 + i * 11, half = 30 - i * 2.5;
        p.setBrush(QColor(250, 240, 200, 150 - i * 14));
        p.drawRoundedRect(QRectF(182 - half, y, half * 2, 3), 1.5, 1.5);
    }

    // Far shore.
    QPainterPath shore;
    shore.moveTo(0, 232);
    shore.cubicTo(40, 212, 80, 222, 120, 226);
    shore.cubicTo(160, 230, 200, 214, 250, 224);
    shore.lineTo(250, 234);
    shore.lineTo(0, 234);
    shore.closeSubpath();
    p.setBrush(QColor(10, 26, 36));
    p.drawPath(shore);

    // The quill: a feather leaning to the right, its shaft ending in a nib over the water.
    p.save();
    p.translate(118, 188);
    p.rotate(28);
    QPainterPath vane;
    vane.moveTo(0, -170);
    vane.cubicTo(46, -140, 44, -40, 8, 40);
    vane.lineTo(-6, 40);
    vane.cubicTo(-40, -30, -36, -130, 0, -170);
    QLinearGradient feather(-40, 0, 46, 0);
    feather.setColorAt(0, QColor(236, 232, 220));
    feather.setColorAt(0.5, QColor(255, 255, 250));
    feather.setColorAt(1, QColor(200, 206, 214));
    p.setBrush(feather);
    p.setPen(QPen(QColor(150, 160, 176), 1.2));
    p.drawPath(vane);
    // Barbs.
    p.setPen(QPen(QColor(170, 178, 192), 1));
    for (int i = 0; i < 16; ++i) {
        const double y = -150 + i * 11.5;
        p.drawLine(QPointF(0, y), QPointF(-26 + i * 0.6, y + 16));
        p.drawLine(QPointF(0, y), QPointF(28 - i * 0.8, y + 14));
    }
    // Shaft and nib.
    p.setPen(QPen(QColor(120, 96, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -165), QPointF(0, 70));
    QPainterPath nib;
    nib.moveTo(-4, 66);
    nib.lineTo(4, 66);
    nib.lineTo(0, 92);
    nib.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 48, 34));
    p.drawPath(nib);
    p.restore();

    // Rings where the nib touches the water.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(200, 230, 240, 150 - i * 40), 1.4));
        p.drawEllipse(QPointF(76, 270), 14.0 + i * 12, 4.0 + i * 3.5);
    }
}

// One parachute with its jumper, hanging from the canopy's centre at (x, y).
void DrawParachute(QPainter& p, double x, double y, double size, const QColor& a, const QColor& b) {
    const double r = size;
    QRectF dome(x - r, y - r * 0.8, 2 * r, r * 1.6);
    // Canopy in alternating panels.
    const int panels = 6;
    for (int i = 0; i < panels; ++i) {
        QPainterPath panel;
        panel.moveTo(x, y);
        panel.arcTo(dome, 180.0 - i * 180.0 / panels, -180.0 / panels);
        panel.closeSubpath();
        p.setBrush(i % 2 ? a : b);
        p.setPen(Qt::NoPen);
        p.drawPath(panel);
    }
    // Lines down to the jumper.
    const QPointF harness(x, y + r * 1.25);
    p.setPen(QPen(QColor(40, 30, 40, 200), 0.8));
    for (int i = 0; i <= panels; ++i) {
        const double angle = M_PI * i / panels;
        p.drawLine(QPointF(x - r * std::cos(angle), y), harness);
    }
    // The jumper.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 36, 44));
    p.drawEllipse(QPointF(x, harness.y() + r * 0.12), r * 0.1, r * 0.1);
    p.drawRoundedRect(QRectF(x - r * 0.09, harness.y() + r * 0.2, r * 0.18, r * 0.36), 2, 2);
    p.setPen(QPen(QColor(40, 36, 44), r * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - r * 0.05, harness.y() + r * 0.55), QPointF(x - r * 0.12, harness.y() + r * 0.8));
    p.drawLine(QPointF(x + r * 0.05, harness.y() + r * 0.55), QPointF(x + r * 0.12, harness.y() + r * 0.8));
}

void DrawParadropAtDusk(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(52, 36, 92));
    sky.setColorAt(0.45, QColor(196, 92, 96));
    sky.setColorAt(0.75, QColor(248, 168, 88));
    sky.setColorAt(1, QColor(252, 214, 140));
    p.fillRect(0, 0, kWidth, kHeight, sky);

    // Low sun.
    p.setPen(Qt::NoPen);
    QRadialGradient sun(QPointF(70, 300), 90);
    sun.setColorAt(0, QColor(255, 240, 190, 230));
    sun.setColorAt(0.3, QColor(255, 220, 150, 140));
    sun.setColorAt(1, QColor(255, 200, 120, 0));
    p.setBrush(sun);
    p.drawEllipse(QPointF(70, 300), 90, 90);

    // Thin clouds.
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(255, 220, 200, 60));
        p.drawRoundedRect(QRectF(-20 + i * 70, 120 + (i % 2) * 26, 110, 7), 3.5, 3.5);
    }

    // The transport plane leaving the scene, high up.
    p.save();
    p.translate(196, 40);
    p.rotate(-6);
    p.setBrush(QColor(30, 24, 48));
    p.drawRoundedRect(QRectF(-30, -4, 60, 8), 4, 4);
    QPainterPath wing;
    wing.moveTo(-6, 0);
    wing.lineTo(6, 0);
    wing.lineTo(-2, 20);
    wing.lineTo(-12, 20);
    wing.closeSubpath();
    p.drawPath(wing);
    QPainterPath tail;
    tail.moveTo(-30, -2);
    tail.lineTo(-38, -14);
    tail.lineTo(-32, -14);
    tail.lineTo(-24, -2);
    tail.closeSubpath();
    p.drawPath(tail);
    p.restore();

    DrawParachute(p, 160, 92, 26, QColor(236, 238, 242), QColor(214, 60, 60));
    DrawParachute(p, 92, 150, 32, QColor(236, 238, 242), QColor(52, 110, 190));
    DrawParachute(p, 186, 198, 22, QColor(236, 238, 242), QColor(70, 150, 90));

    // Hills in front.
    QPainterPath hills;
    hills.moveTo(0, 300);
    hills.cubicTo(50, 270, 90, 290, 130, 296);
    hills.cubicTo(170, 302, 210, 270, 250, 284);
    hills.lineTo(250, kHeight);
    hills.lineTo(0, kHeight);
    hills.closeSubpath();
    p.setBrush(QColor(44, 30, 52));
    p.drawPath(hills);
    QPainterPath nearHills;
    nearHills.moveTo(0, 330);
    nearHills.cubicTo(60, 312, 140, 338, 250, 318);
    nearHills.lineTo(250, kHeight);
    nearHills.lineTo(0, kHeight);
    nearHills.closeSubpath();
    p.setBrush(QColor(26, 18, 32));
    p.drawPath(nearHills);
}

// Clears every pixel whose centre lies outside the rounded outline: a one-bit mask.
void ApplyMask(QImage& image, int left) {
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, kWidth, kHeight), kCornerRadius, kCornerRadius);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            QRgb& pixel = line[left + x];
            pixel = outline.contains(QPointF(x + 0.5, y + 0.5)) ? (pixel | 0xFF000000u) : 0u;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_about_pictures ASSETS_DIR\n");
        return 2;
    }
    QImage strip(2 * kWidth, kHeight, QImage::Format_ARGB32);
    strip.fill(Qt::black);
    {
        QPainter p(&strip);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipRect(0, 0, kWidth, kHeight);
        DrawQuillOverLake(p);
        p.translate(kWidth, 0);
        p.setClipRect(0, 0, kWidth, kHeight);
        DrawParadropAtDusk(p);
    }
    ApplyMask(strip, 0);
    ApplyMask(strip, kWidth);
    const std::string path = std::string(argv[1]) + "/settings/about_pictures.png";
    if (!strip.save(QString::fromStdString(path), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s\n", path.c_str());
    return 0;
}
