// Writes the editor window's own pictures:
//   assets/editor/wait.gif       145x15, 8 frames, looping: the wait window's progress stripes
//   assets/editor/welcome.jpg    768x352: the welcome page
//   assets/editor/icons/*.png    ten 24x24 toolbar icons
// Everything is drawn from fixed numbers, so a run gives the same files again. Qt reads GIFs
// but does not write them, so the GIF is encoded here (LZW) and read back with Qt to check it.
// Usage: make_editor_assets ASSETS_DIR
#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// GIF writing

// Packs variable-width LZW codes into bytes, least significant bit first.
class BitWriter {
public:
    void Put(uint32_t code, int bits) {
        acc_ |= code << count_;
        count_ += bits;
        while (count_ >= 8) {
            bytes.push_back(static_cast<uint8_t>(acc_ & 0xFF));
            acc_ >>= 8;
            count_ -= 8;
        }
    }
    void Flush() {
        if (count_ > 0) bytes.push_back(static_cast<uint8_t>(acc_ & 0xFF));
        acc_ = 0;
        count_ = 0;
    }
    std::vector<uint8_t> bytes;

private:
    uint32_t acc_ = 0;
    int count_ = 0;
};

// The LZW data of one frame (without the minimum code size byte and the sub-block framing).
std::vector<uint8_t> LzwEncode(const std::vector<uint8_t>& pixels, int minCodeSize) {
    const uint32_t clear = 1u << minCodeSize, end = clear + 1;
    BitWriter out;
    std::map<std::pair<uint32_t, uint8_t>, uint32_t> table;
    int codeSize = minCodeSize + 1;
    uint32_t last = end;  // the last code assigned
    out.Put(clear, codeSize);
    uint32_t current = pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        const uint8_t k = pixels[i];
        const auto found = table.find({current, k});
        if (found != table.end()) {
            current = found->second;
            continue;
        }
        out.Put(current, codeSize);
        table[{current, k}] = ++last;
        if (last >= (1u << codeSize)) ++codeSize;
        if (last == 4095) {
            out.Put(clear, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            last = end;
        }
        current = k;
    }
    out.Put(current, codeSize);
    out.Put(end, codeSize);
    out.Flush();
    return out.bytes;
}

void PutLe16(std::string& out, int v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

// An endlessly looping GIF89a of palette-index frames, every frame shown for delayCs
// hundredths of a second. The palette must hold 2^n colours (n >= 1).
std::string EncodeGif(int width, int height, const std::vector<QColor>& palette,
                      const std::vector<std::vector<uint8_t>>& frames, int delayCs) {
    int bits = 1;
    while ((1 << bits) < static_cast<int>(palette.size())) ++bits;
    const int minCodeSize = std::max(2, bits);

    std::string out = "GIF89a";
    PutLe16(out, width);
    PutLe16(out, height);
    out.push_back(static_cast<char>(0x80 | ((bits - 1) << 4) | (bits - 1)));  // global table
    out.push_back(0);  // background colour index
    out.push_back(0);  // square pixels
    for (int i = 0; i < (1 << bits); ++i) {
        const QColor c = i < static_cast<int>(palette.size()) ? palette[i] : QColor(0, 0, 0);
        out.push_back(static_cast<char>(c.red()));
        out.push_back(static_cast<char>(c.green()));
        out.push_back(static_cast<char>(c.blue()));
    }
    // Loop for ever.
    out += std::string("\x21\xFF\x0B" "NETSCAPE2.0" "\x03\x01", 16);
    PutLe16(out, 0);
    out.push_back(0);

    for (const auto& frame : frames) {
        out += std::string("\x21\xF9\x04\x04", 4);  // graphic control: keep the frame
        PutLe16(out, delayCs);
        out.push_back(0);  // no transparent colour
        out.push_back(0);
        out.push_back(0x2C);  // image descriptor: the whole screen, no local table
        PutLe16(out, 0);
        PutLe16(out, 0);
        PutLe16(out, width);
        PutLe16(out, height);
        out.push_back(0);
        out.push_back(static_cast<char>(minCodeSize));
        const std::vector<uint8_t> data = LzwEncode(frame, minCodeSize);
        for (size_t pos = 0; pos < data.size(); pos += 255) {
            const size_t n = std::min<size_t>(255, data.size() - pos);
            out.push_back(static_cast<char>(n));
            out.append(reinterpret_cast<const char*>(data.data() + pos), n);
        }
        out.push_back(0);
    }
    out.push_back(0x3B);
    return out;
}

// The wait window's progress picture: a framed track of diagonal blue stripes that move two
// pixels to the right per frame. The stripes repeat every 16 pixels, so 8 frames loop
// without a jump.
std::string WaitGif(std::vector<QImage>* expected) {
    constexpr int w = 145, h = 15, frames = 8;
    const std::vector<QColor> palette = {
        QColor(238, 241, 245),  // 0 window background (the corners)
        QColor(128, 140, 158),  // 1 frame
        QColor(74, 122, 181),   // 2 dark stripe
        QColor(124, 166, 214),  // 3 light stripe
        QColor(104, 150, 204),  // 4 dark stripe, upper shine
        QColor(168, 199, 234),  // 5 light stripe, upper shine
        QColor(52, 96, 150),    // 6 dark stripe, lower shade
        QColor(98, 140, 190),   // 7 light stripe, lower shade
    };
    std::vector<std::vector<uint8_t>> all;
    for (int f = 0; f < frames; ++f) {
        std::vector<uint8_t> px(w * h);
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool corner = (x == 0 || x == w - 1) && (y == 0 || y == h - 1);
                const bool edge = x == 0 || x == w - 1 || y == 0 || y == h - 1;
                uint8_t index;
                if (corner) {
                    index = 0;
                } else if (edge) {
                    index = 1;
                } else {
                    const bool dark = ((x - y - 2 * f) % 16 + 16) % 16 < 8;
                    if (y <= 4) index = dark ? 4 : 5;
                    else if (y >= h - 4) index = dark ? 6 : 7;
                    else index = dark ? 2 : 3;
                }
                px[y * w + x] = index;
                image.setPixelColor(x, y, palette[index]);
            }
        }
        all.push_back(std::move(px));
        expected->push_back(image);
    }
    return EncodeGif(w, h, palette, all, 10);
}

// Reads the GIF back with Qt and compares every frame with what was drawn.
bool CheckGif(const std::string& bytes, const std::vector<QImage>& expected) {
    QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    if (reader.imageCount() != static_cast<int>(expected.size()) || reader.loopCount() != -1) {
        std::fprintf(stderr, "wait.gif: %d frames, loop count %d\n", reader.imageCount(),
                     reader.loopCount());
        return false;
    }
    for (size_t i = 0; i < expected.size(); ++i) {
        const QImage got = reader.read().convertToFormat(QImage::Format_RGB32);
        if (got != expected[i]) {
            std::fprintf(stderr, "wait.gif: frame %zu differs\n", i);
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Toolbar icons

const QColor kInk(44, 58, 78);

QImage Icon(const std::function<void(QPainter&)>& draw) {
    QImage img(24, 24, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return img;
}

QPen Pen(const QColor& c, double width) {
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// 新增单位: a plus on a green disc.
void DrawNewUnit(QPainter& p) {
    QRadialGradient g(QPointF(9, 8), 14);
    g.setColorAt(0, QColor(120, 206, 120));
    g.setColorAt(1, QColor(40, 140, 60));
    p.setPen(Pen(QColor(30, 100, 45), 1));
    p.setBrush(g);
    p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
    p.setPen(Pen(Qt::white, 3.2));
    p.drawLine(QPointF(12, 6.5), QPointF(12, 17.5));
    p.drawLine(QPointF(6.5, 12), QPointF(17.5, 12));
}

// 基本设置: a gear.
void DrawSettings(QPainter& p) {
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = (i - 0.5) * M_PI / teeth, a1 = (i + 0.5) * M_PI / teeth;
        const double r = i % 2 == 0 ? 10.5 : 7.8;
        const QPointF p0(12 + r * std::cos(a0), 12 + r * std::sin(a0));
        const QPointF p1(12 + r * std::cos(a1), 12 + r * std::sin(a1));
        if (i == 0) gear.moveTo(p0);
        else gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(12, 12), 3.4, 3.4);
    QLinearGradient g(0, 2, 0, 22);
    g.setColorAt(0, QColor(160, 172, 188));
    g.setColorAt(1, QColor(92, 106, 126));
    p.setPen(Pen(kInk, 1));
    p.setBrush(g);
    p.drawPath(gear.subtracted(hole));
}

// 步兵单位: a soldier with helmet and rifle.
void DrawInfantry(QPainter& p) {
    const QColor olive(86, 112, 60), dark(52, 70, 36);
    p.setPen(Pen(dark, 1));
    p.setBrush(QColor(230, 196, 160));
    p.drawEllipse(QPointF(11, 6.5), 3.2, 3.2);  // face
    p.setBrush(olive);
    QPainterPath helmet;
    helmet.moveTo(6.8, 6);
    helmet.cubicTo(7, 1.5, 15, 1.5, 15.2, 6);
    helmet.closeSubpath();
    p.drawPath(helmet);
    QPainterPath body;
    body.moveTo(6, 22);
    body.lineTo(6.5, 13);
    body.cubicTo(7, 10.5, 15, 10.5, 15.5, 13);
    body.lineTo(16, 22);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(Pen(QColor(40, 40, 40), 1.8));
    p.drawLine(QPointF(13, 20), QPointF(21, 9));  // rifle
}

// 车船单位: a tank.
void DrawVehicle(QPainter& p) {
    const QColor body(96, 118, 80), dark(50, 62, 42);
    p.setPen(Pen(dark, 1));
    p.setBrush(QColor(70, 70, 70));
    p.drawRoundedRect(QRectF(2, 15, 20, 6), 3, 3);  // tracks
    p.setBrush(QColor(180, 180, 180));
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(5.5 + i * 4.3, 18), 1.3, 1.3);
    p.setBrush(body);
    QPainterPath hull;
    hull.moveTo(2.5, 15);
    hull.lineTo(4.5, 11.5);
    hull.lineTo(20, 11.5);
    hull.lineTo(21.5, 15);
    hull.closeSubpath();
    p.drawPath(hull);
    p.drawRoundedRect(QRectF(7, 7, 9, 5), 2, 2);  // turret
    p.setPen(Pen(dark, 2));
    p.drawLine(QPointF(15.5, 9), QPointF(22.5, 7));  // barrel
}

// 飞行单位: a jet seen from above.
void DrawAircraft(QPainter& p) {
    QPainterPath jet;
    jet.moveTo(12, 1.5);
    jet.cubicTo(13.6, 3, 13.6, 7, 13.5, 9);
    jet.lineTo(22, 14);
    jet.lineTo(22, 16);
    jet.lineTo(13.4, 13.5);
    jet.lineTo(13, 18.5);
    jet.lineTo(16.5, 21);
    jet.lineTo(16.5, 22.5);
    jet.lineTo(12, 21.3);
    jet.lineTo(7.5, 22.5);
    jet.lineTo(7.5, 21);
    jet.lineTo(11, 18.5);
    jet.lineTo(10.6, 13.5);
    jet.lineTo(2, 16);
    jet.lineTo(2, 14);
    jet.lineTo(10.5, 9);
    jet.cubicTo(10.4, 7, 10.4, 3, 12, 1.5);
    QLinearGradient g(0, 0, 24, 24);
    g.setColorAt(0, QColor(150, 184, 222));
    g.setColorAt(1, QColor(62, 100, 150));
    p.setPen(Pen(QColor(36, 60, 96), 1));
    p.setBrush(g);
    p.drawPath(jet);
}

// 建筑设置: a factory hall with a chimney.
void DrawBuilding(QPainter& p) {
    p.setPen(Pen(QColor(80, 52, 36), 1));
    p.setBrush(QColor(150, 150, 156));
    p.drawRect(QRectF(16, 3, 4, 9));  // chimney
    QPainterPath hall;
    hall.moveTo(2.5, 21.5);
    hall.lineTo(2.5, 11);
    hall.lineTo(8, 7.5);
    hall.lineTo(8, 11);
    hall.lineTo(14, 7.5);
    hall.lineTo(14, 11);
    hall.lineTo(21.5, 9);
    hall.lineTo(21.5, 21.5);
    hall.closeSubpath();
    QLinearGradient g(0, 8, 0, 22);
    g.setColorAt(0, QColor(214, 120, 84));
    g.setColorAt(1, QColor(160, 78, 52));
    p.setBrush(g);
    p.drawPath(hall);
    p.setBrush(QColor(255, 224, 130));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(5 + i * 5, 14, 3, 3));
    p.setBrush(QColor(80, 52, 36));
    p.drawRect(QRectF(10, 18, 4, 3.5));  // gate
}

// 伞兵修改: a parachute carrying a small figure.
void DrawParadrop(QPainter& p) {
    QPainterPath canopy;
    canopy.moveTo(2, 10);
    canopy.cubicTo(2, 0, 22, 0, 22, 10);
    canopy.cubicTo(20, 8.5, 18, 8.5, 16, 10);
    canopy.cubicTo(14, 8.5, 10, 8.5, 8, 10);
    canopy.cubicTo(6, 8.5, 4, 8.5, 2, 10);
    QLinearGradient g(0, 2, 0, 10);
    g.setColorAt(0, QColor(236, 96, 80));
    g.setColorAt(1, QColor(180, 50, 44));
    p.setPen(Pen(QColor(120, 36, 30), 1));
    p.setBrush(g);
    p.drawPath(canopy);
    p.setPen(Pen(kInk, 0.9));
    p.drawLine(QPointF(2.5, 10), QPointF(11, 17));
    p.drawLine(QPointF(8, 10), QPointF(11.5, 17));
    p.drawLine(QPointF(16, 10), QPointF(12.5, 17));
    p.drawLine(QPointF(21.5, 10), QPointF(13, 17));
    p.setPen(Pen(kInk, 1));
    p.setBrush(QColor(86, 112, 60));
    p.drawEllipse(QPointF(12, 16.5), 1.8, 1.8);
    p.drawRoundedRect(QRectF(10.3, 18, 3.4, 5), 1.2, 1.2);
}

// 游戏目录: a folder.
void DrawFolder(QPainter& p) {
    p.setPen(Pen(QColor(150, 110, 30), 1));
    p.setBrush(QColor(222, 170, 60));
    QPainterPath back;
    back.moveTo(2, 20);
    back.lineTo(2, 5);
    back.lineTo(9, 5);
    back.lineTo(11, 7.5);
    back.lineTo(21, 7.5);
    back.lineTo(21, 20);
    back.closeSubpath();
    p.drawPath(back);
    QLinearGradient g(0, 10, 0, 21);
    g.setColorAt(0, QColor(255, 216, 110));
    g.setColorAt(1, QColor(236, 180, 60));
    p.setBrush(g);
    QPainterPath front;
    front.moveTo(2, 20.5);
    front.lineTo(4.5, 10.5);
    front.lineTo(23, 10.5);
    front.lineTo(21, 20.5);
    front.closeSubpath();
    p.drawPath(front);
}

// 关于: an "i" on a blue disc.
void DrawAbout(QPainter& p) {
    QRadialGradient g(QPointF(9, 8), 14);
    g.setColorAt(0, QColor(120, 170, 230));
    g.setColorAt(1, QColor(40, 92, 170));
    p.setPen(Pen(QColor(30, 66, 130), 1));
    p.setBrush(g);
    p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 7), 1.8, 1.8);
    p.drawRoundedRect(QRectF(10.4, 10, 3.2, 8.5), 1, 1);
}

// 退出: a power symbol on a red disc.
void DrawExit(QPainter& p) {
    QRadialGradient g(QPointF(9, 8), 14);
    g.setColorAt(0, QColor(240, 110, 100));
    g.setColorAt(1, QColor(176, 40, 36));
    p.setPen(Pen(QColor(120, 24, 20), 1));
    p.setBrush(g);
    p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
    p.setPen(Pen(Qt::white, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6.5, 6.5, 11, 11), 120 * 16, 300 * 16);
    p.drawLine(QPointF(12, 5), QPointF(12, 11.5));
}

// ---------------------------------------------------------------------------------------------
// Welcome picture

struct Lcg {
    uint32_t state;
    uint32_t Next() { return state = state * 1664525u + 1013904223u; }
    double Unit() { return (Next() >> 8) / 16777216.0; }
};

QImage Welcome(const std::vector<std::pair<std::string, QImage>>& icons) {
    QImage img(768, 352, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // A night map table: deep blue with a faint grid of map squares.
    QLinearGradient back(0, 0, 768, 352);
    back.setColorAt(0, QColor(18, 32, 56));
    back.setColorAt(1, QColor(34, 62, 96));
    p.fillRect(img.rect(), back);
    p.setPen(QPen(QColor(120, 160, 210, 28), 1));
    for (int x = 0; x <= 768; x += 32) p.drawLine(x, 0, x, 352);
    for (int y = 0; y <= 352; y += 32) p.drawLine(0, y, 768, y);

    // Contours of a terrain, like a survey map.
    Lcg rng{19530417u};
    for (int ring = 0; ring < 7; ++ring) {
        QPainterPath path;
        const double cx = 600, cy = 190, r = 40 + ring * 22;
        for (int i = 0; i <= 72; ++i) {
            const double a = i * 2 * M_PI / 72;
            const double wobble = 1 + 0.12 * std::sin(3 * a + ring) + 0.06 * std::sin(7 * a);
            const QPointF pt(cx + r * 1.4 * wobble * std::cos(a), cy + r * wobble * std::sin(a));
            if (i == 0) path.moveTo(pt);
            else path.lineTo(pt);
        }
        p.setPen(QPen(QColor(140, 200, 170, 60 - ring * 6), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    for (int i = 0; i < 60; ++i) {
        const double x = rng.Unit() * 768, y = rng.Unit() * 352;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 220, 255, 30 + static_cast<int>(rng.Unit() * 60)));
        p.drawEllipse(QPointF(x, y), 1.2, 1.2);
    }

    // A sweeping radar wedge over the map.
    QRadialGradient sweep(QPointF(600, 190), 190);
    sweep.setColorAt(0, QColor(120, 230, 160, 90));
    sweep.setColorAt(1, QColor(120, 230, 160, 0));
    p.setBrush(sweep);
    p.setPen(Qt::NoPen);
    p.drawPie(QRectF(410, 0, 380, 380), 30 * 16, 40 * 16);
    p.setBrush(QColor(150, 240, 180));
    p.drawEllipse(QPointF(600, 190), 3, 3);

    // The title and what to do first.
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(60);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(QRect(43, 53, 500, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quillmere"));
    p.setPen(QColor(238, 244, 252));
    p.drawText(QRect(40, 50, 500, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quillmere"));

    QFont cjk(QStringLiteral("WenQuanYi Micro Hei"));
    cjk.setPixelSize(22);
    p.setFont(cjk);
    p.setPen(QColor(200, 220, 244));
    p.drawText(QRect(44, 130, 520, 32), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("红色警戒2 · 尤里的复仇  单位与规则修改器"));
    p.setPen(QPen(QColor(120, 170, 230, 160), 2));
    p.drawLine(44, 172, 380, 172);

    cjk.setPixelSize(15);
    p.setFont(cjk);
    p.setPen(QColor(176, 196, 222));
    p.drawText(QRect(44, 186, 520, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("请在上方工具条选择一个类别，再从列表中选择要修改的单位。"));
    p.drawText(QRect(44, 210, 520, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("每次保存都直接写入配置文件。"));

    // The four categories as a row of badges.
    int x = 44;
    for (const auto& [caption, icon] : icons) {
        p.setPen(QPen(QColor(150, 190, 235, 110), 1));
        p.setBrush(QColor(255, 255, 255, 26));
        p.drawRoundedRect(QRectF(x, 256, 92, 56), 8, 8);
        p.drawImage(QRectF(x + 34, 262, 24, 24), icon);
        p.setPen(QColor(220, 232, 248));
        cjk.setPixelSize(13);
        p.setFont(cjk);
        p.drawText(QRect(x, 288, 92, 20), Qt::AlignCenter, QString::fromStdString(caption));
        x += 104;
    }
    p.end();
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // text drawing needs the font database
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_editor_assets ASSETS_DIR\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/editor";
    bool ok = true;

    std::vector<QImage> frames;
    const std::string gif = WaitGif(&frames);
    ok = CheckGif(gif, frames) && ok;
    std::ofstream(dir + "/wait.gif", std::ios::binary | std::ios::trunc)
        .write(gif.data(), static_cast<std::streamsize>(gif.size()));

    // In toolbar order.
    const std::vector<std::pair<const char*, void (*)(QPainter&)>> icons = {
        {"new_unit", DrawNewUnit},   {"settings", DrawSettings}, {"infantry", DrawInfantry},
        {"vehicles", DrawVehicle},   {"aircraft", DrawAircraft}, {"buildings", DrawBuilding},
        {"paradrop", DrawParadrop},  {"game_dir", DrawFolder},   {"about", DrawAbout},
        {"exit", DrawExit}};
    std::map<std::string, QImage> drawn;
    for (const auto& [name, draw] : icons) {
        drawn[name] = Icon(draw);
        ok = drawn[name].save(QString::fromStdString(dir + "/icons/" + name + ".png"), "PNG") && ok;
    }

    const std::vector<std::pair<std::string, QImage>> badges = {
        {"步兵单位", drawn["infantry"]}, {"车船单位", drawn["vehicles"]},
        {"飞行单位", drawn["aircraft"]}, {"建筑设置", drawn["buildings"]}};
    ok = Welcome(badges).save(QString::fromStdString(dir + "/welcome.jpg"), "JPG", 90) && ok;
    return ok ? 0 : 1;
}
