// Writes the program's own sounds and start picture:
//   assets/sounds/success.wav   16-bit PCM stereo 44,100 Hz, 51,776 frames (207,148 bytes)
//   assets/sounds/failure.wav   16-bit PCM mono 22,050 Hz, 21,266 frames (42,576 bytes)
//   assets/pictures/start_background.jpg   1024x768
// Everything is computed from fixed numbers, so a run gives the same files again.
// Usage: make_app_assets ASSETS_DIR
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

void PutLe(std::string& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A canonical 44-byte header followed by the interleaved samples.
bool WriteWav(const std::string& path, int channels, int rate, const std::vector<int16_t>& samples) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    PutLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, channels, 2);
    PutLe(out, rate, 4);
    PutLe(out, rate * channels * 2, 4);
    PutLe(out, channels * 2, 2);
    PutLe(out, 16, 2);
    out += "data";
    PutLe(out, dataBytes, 4);
    for (int16_t s : samples) PutLe(out, static_cast<uint16_t>(s), 2);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(f);
}

// Scales a float signal so its peak sits at `peak` of full scale and rounds it to 16 bits.
std::vector<int16_t> ToPcm(const std::vector<double>& signal, double peak) {
    double top = 0;
    for (double v : signal) top = std::max(top, std::fabs(v));
    std::vector<int16_t> pcm(signal.size());
    for (size_t i = 0; i < signal.size(); ++i) {
        const double v = top > 0 ? signal[i] / top * peak * 32767.0 : 0;
        pcm[i] = static_cast<int16_t>(std::lround(std::clamp(v, -32767.0, 32767.0)));
    }
    return pcm;
}

// A short fade at both ends of every note and of the whole sound keeps it free of clicks.
double Envelope(double t, double attack, double decay) {
    if (t < 0) return 0;
    const double rise = t < attack ? t / attack : 1.0;
    return rise * std::exp(-t / decay);
}

// Success: a bright rising major arpeggio (C5 E5 G5 C6) with bell-like partials, spread
// gently from left to right.
std::vector<int16_t> SuccessSound() {
    constexpr int rate = 44100, frames = 51776;
    const double notes[] = {523.25, 659.26, 783.99, 1046.50};
    const double starts[] = {0.00, 0.085, 0.17, 0.255};
    const double decays[] = {0.22, 0.22, 0.25, 0.38};
    const double pans[] = {0.35, 0.45, 0.55, 0.65};  // 0 left .. 1 right
    std::vector<double> left(frames), right(frames);
    for (int n = 0; n < 4; ++n) {
        for (int i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i) / rate - starts[n];
            const double e = Envelope(t, 0.006, decays[n]);
            if (e <= 0) continue;
            const double w = 2 * kPi * notes[n] * t;
            const double v = e * (std::sin(w) + 0.30 * std::sin(2 * w) * std::exp(-t / 0.08) +
                                  0.10 * std::sin(3 * w) * std::exp(-t / 0.05));
            left[i] += v * std::cos(pans[n] * kPi / 2);
            right[i] += v * std::sin(pans[n] * kPi / 2);
        }
    }
    const int fade = rate / 20;
    for (int i = frames - fade; i < frames; ++i) {
        const double g = static_cast<double>(frames - 1 - i) / fade;
        left[i] *= g;
        right[i] *= g;
    }
    std::vector<double> both(frames * 2);
    for (int i = 0; i < frames; ++i) {
        both[2 * i] = left[i];
        both[2 * i + 1] = right[i];
    }
    return ToPcm(both, 0.5);
}

// Failure: two low, soft-edged buzzes falling a fourth (E-flat 4 to B-flat 3), the familiar
// "no" of a refused action.
std::vector<int16_t> FailureSound() {
    constexpr int rate = 22050, frames = 21266;
    const double notes[] = {311.13, 233.08};
    const double starts[] = {0.00, 0.24};
    const double lengths[] = {0.20, 0.42};
    std::vector<double> s(frames);
    for (int n = 0; n < 2; ++n) {
        for (int i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i) / rate - starts[n];
            if (t < 0 || t > lengths[n]) continue;
            // Odd partials give the buzz; the rounded release keeps it gentle.
            const double release = std::min(1.0, (lengths[n] - t) / 0.05);
            const double e = Envelope(t, 0.008, 0.6) * release;
            const double w = 2 * kPi * notes[n] * t;
            s[i] += e * (std::sin(w) + 0.33 * std::sin(3 * w) + 0.16 * std::sin(5 * w) +
                         0.07 * std::sin(7 * w));
        }
    }
    return ToPcm(s, 0.5);
}

// A simple deterministic generator for the stars.
struct Lcg {
    uint32_t state;
    uint32_t Next() { return state = state * 1664525u + 1013904223u; }
    double Unit() { return (Next() >> 8) / 16777216.0; }
};

QImage StartBackground() {
    QImage img(1024, 768, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Dusk sky: deep blue above, a warm band at the horizon.
    QLinearGradient sky(0, 0, 0, 560);
    sky.setColorAt(0.0, QColor(16, 34, 64));
    sky.setColorAt(0.55, QColor(44, 86, 128));
    sky.setColorAt(0.85, QColor(150, 140, 140));
    sky.setColorAt(1.0, QColor(232, 170, 110));
    p.fillRect(img.rect(), sky);

    Lcg rng{20240611u};
    for (int i = 0; i < 140; ++i) {
        const double x = rng.Unit() * 1024, y = rng.Unit() * 330;
        const int a = 60 + static_cast<int>(rng.Unit() * 150 * (1 - y / 400));
        const double r = 0.6 + rng.Unit() * 1.3;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 240, a));
        p.drawEllipse(QPointF(x, y), r, r);
    }

    // A low sun glowing behind the hills.
    QRadialGradient glow(QPointF(700, 560), 260);
    glow.setColorAt(0.0, QColor(255, 214, 150, 200));
    glow.setColorAt(1.0, QColor(255, 214, 150, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(700, 560), 260, 260);

    // Three ranges of hills, darker towards the viewer.
    const QColor hills[] = {QColor(58, 78, 104), QColor(34, 50, 74), QColor(17, 27, 44)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath path;
        const double base = 540 + layer * 60;
        path.moveTo(0, 768);
        for (int x = 0; x <= 1024; x += 8) {
            const double y = base - 38 * std::sin(x / (150.0 + 40 * layer) + layer * 1.7) -
                             18 * std::sin(x / (53.0 + 11 * layer) + layer);
            path.lineTo(x, y);
        }
        path.lineTo(1024, 768);
        path.closeSubpath();
        p.setBrush(hills[layer]);
        p.drawPath(path);
    }

    // A radar dish on the nearest ridge, its warning light lit.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 16, 28));
    p.drawRect(QRectF(186, 548, 8, 92));             // mast
    p.drawPolygon(QPolygonF({QPointF(172, 640), QPointF(208, 640), QPointF(190, 600)}));
    p.save();
    p.translate(190, 542);
    p.rotate(-28);
    QPainterPath dish;                                 // the lower half of an ellipse
    dish.moveTo(-46, 0);
    dish.arcTo(QRectF(-46, -26, 92, 52), 180, 180);
    dish.closeSubpath();
    p.drawPath(dish);
    p.setPen(QPen(QColor(10, 16, 28), 3));
    p.drawLine(QPointF(0, 12), QPointF(0, -30));      // feed arm
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 90));
    p.drawEllipse(QPointF(0, -32), 4, 4);
    p.restore();

    // The name, high above the buttons.
    QFont title("DejaVu Serif");
    title.setPixelSize(88);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QRect(4, 34, 1024, 120), Qt::AlignHCenter | Qt::AlignVCenter, "Quillmere");
    p.setPen(QColor(236, 242, 250));
    p.drawText(QRect(0, 30, 1024, 120), Qt::AlignHCenter | Qt::AlignVCenter, "Quillmere");
    p.end();
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // text drawing needs the font database
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_app_assets ASSETS_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = WriteWav(dir + "/sounds/success.wav", 2, 44100, SuccessSound());
    ok = WriteWav(dir + "/sounds/failure.wav", 1, 22050, FailureSound()) && ok;
    ok = StartBackground().save(QString::fromStdString(dir + "/pictures/start_background.jpg"),
                                "JPG", 88) && ok;
    return ok ? 0 : 1;
}
