// Writes the built-in picture package Picture.pic and the placeholder None.pic into the folder
// given as the only argument.
//
// Package format: for every entry the name in GBK, one complete baseline JFIF JPEG, and the
// name again; nothing else. Every picture is 60x48: the side's colour (Allied blue, Soviet red,
// Yuri purple, neutral grey), a faint silhouette of the unit's kind, a short Latin mark and a
// short Chinese name. The output depends only on this file and the font, never on the clock.
#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <iconv.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

enum class Side { Allied, Soviet, Yuri, Neutral };
enum class Kind { Infantry, Vehicle, Ship, Aircraft, Building };

struct Entry {
    const char* name;   // UTF-8; stored as GBK
    Side side;
    Kind kind;
    const char* mark;   // 2-4 Latin letters, drawn large
    const char* label;  // short Chinese name, drawn small
};

using enum Side;
using enum Kind;

// The names and their order are fixed by the package format the editor reads. Each picture
// shows the unit that the stock rules files give that image name, which is not always the
// unit the name suggests: MTNK is the Apocalypse tank's image, GTNK the Grizzly's, CONS the
// Conscript's, TRS the Soviet transport's, TRST the Terrorist's, TRUCKA the Demolition
// truck's, RTNK the Mirage tank's and YURIX Yuri Prime's.
const Entry kEntries[] = {
    {"控制中心", Neutral, Building, "CTRL", "控制中心"},
    {"Aegis Cruiser", Allied, Ship, "AEGS", "神盾巡洋舰"},
    {"Aircraft Carrier", Allied, Ship, "CARR", "航空母舰"},
    {"Airforce Command Headquarters", Allied, Building, "AFHQ", "空军指挥部"},
    {"Allied Airforce Command Headquarters", Allied, Building, "AAHQ", "盟军空指部"},
    {"Allied Attack Dog", Allied, Infantry, "ADOG", "盟军警犬"},
    {"Allied Barracks", Allied, Building, "BARR", "盟军兵营"},
    {"Allied Battle Lab", Allied, Building, "LAB", "盟军实验室"},
    {"Allied Chrono Sphere", Allied, Building, "CHRO", "超时空传送"},
    {"Allied Construction Yard", Allied, Building, "CY", "盟军基地"},
    {"Allied Gap Generator", Allied, Building, "GAP", "裂缝产生器"},
    {"Allied Grand Cannon", Allied, Building, "GCAN", "盟军巨炮"},
    {"Allied Ore Processor", Allied, Building, "PROC", "矿石精炼器"},
    {"Allied Ore Refinery", Allied, Building, "REF", "盟军矿厂"},
    {"Allied Patriot Missile", Allied, Building, "PATR", "爱国者飞弹"},
    {"Allied Pill Box", Allied, Building, "PILL", "盟军碉堡"},
    {"Allied Power Plant", Allied, Building, "POW", "盟军电厂"},
    {"Allied Robot Control Center", Allied, Building, "ROBC", "机器人控制"},
    {"Allied Service Depot", Allied, Building, "DEPT", "盟军维修厂"},
    {"Allied Shipyard", Allied, Building, "YARD", "盟军船厂"},
    {"Allied Wall", Allied, Building, "WALL", "盟军围墙"},
    {"Allied War Factory", Allied, Building, "WEAP", "盟军战车厂"},
    {"Attack Dog", Soviet, Infantry, "DOG", "苏军警犬"},
    {"Battle Fortress", Allied, Vehicle, "BFRT", "战斗要塞"},
    {"Black Eagle", Allied, Aircraft, "BEAG", "黑鹰战机"},
    {"BlackHawk Transport", Allied, Aircraft, "BHWK", "夜鹰直升机"},
    {"Chaos Drone", Yuri, Vehicle, "CHAO", "混乱无人机"},
    {"Chrono Commando", Allied, Infantry, "CCOM", "时空突击队"},
    {"Chrono Ivan", Soviet, Infantry, "CIVN", "时空伊万"},
    {"Chrono Legionnaire", Allied, Infantry, "CLEG", "超时空兵"},
    {"Chrono Miner", Allied, Vehicle, "CMIN", "超时空矿车"},
    {"Chrono Sphere", Allied, Building, "CSPH", "时空传送仪"},
    {"Cloning Vats", Soviet, Building, "VATS", "复制中心"},
    {"CONS", Soviet, Infantry, "CONS", "动员兵"},
    {"Crazy Ivan", Soviet, Infantry, "IVAN", "疯狂伊万"},
    {"Desolater", Soviet, Infantry, "DESO", "辐射工兵"},
    {"Destroyer", Allied, Ship, "DEST", "驱逐舰"},
    {"Dolphin", Allied, Ship, "DLPH", "海豚"},
    {"Dreadnought", Soviet, Ship, "DRED", "无畏级战舰"},
    {"Engineer", Neutral, Infantry, "ENGI", "工程师"},
    {"FALC", Allied, Aircraft, "FALC", "入侵者战机"},
    {"Flak Cannon", Soviet, Building, "FLAK", "防空炮"},
    {"Flak Track", Soviet, Vehicle, "FTRK", "防空履带车"},
    {"Flak Trooper", Soviet, Infantry, "FLKT", "防空步兵"},
    {"Floating Disk", Yuri, Aircraft, "DISK", "镭射幽浮"},
    {"GAAIRC", Allied, Building, "AIRC", "空指部"},
    {"Gap Generator", Allied, Building, "GAPG", "裂缝产生器"},
    {"GAPRIS", Allied, Building, "PRIS", "光棱塔"},
    {"GASPST", Allied, Building, "SPST", "间谍卫星"},
    {"Gattling Tank", Yuri, Vehicle, "GATT", "盖特坦克"},
    {"GAWETH", Allied, Building, "WETH", "天气控制器"},
    {"GI", Allied, Infantry, "GI", "美国大兵"},
    {"Giant Squid", Soviet, Ship, "SQID", "巨型乌贼"},
    {"Grand Cannon", Allied, Building, "GRCN", "法国巨炮"},
    {"GTNK", Allied, Vehicle, "GTNK", "灰熊坦克"},
    {"Guardian GI", Allied, Infantry, "GGI", "重装大兵"},
    {"Hover Transport Yuri", Yuri, Ship, "HOVR", "尤里运输艇"},
    {"IFV", Allied, Vehicle, "IFV", "多功能车"},
    {"Kirov Airship", Soviet, Aircraft, "KIRV", "基洛夫飞艇"},
    {"Landing Craft", Allied, Ship, "LCRF", "盟军运输艇"},
    {"LTNK", Soviet, Vehicle, "LTNK", "轻型坦克"},
    {"LUNR", Soviet, Infantry, "LUNR", "登月兵"},
    {"MCV", Allied, Vehicle, "AMCV", "盟军基地车"},
    {"MTNK", Soviet, Vehicle, "APOC", "天启坦克"},
    {"NAINDP", Soviet, Building, "INDP", "工业工厂"},
    {"NAIRON", Soviet, Building, "IRON", "铁幕"},
    {"NATSLA", Soviet, Building, "TSLA", "磁暴线圈"},
    {"Nuclear Missile Silo", Soviet, Building, "NUKE", "核弹发射井"},
    {"Nuclear Reactor", Soviet, Building, "NREA", "核子反应炉"},
    {"Patriot Missile", Allied, Building, "PTRT", "爱国者飞弹"},
    {"Pill Box", Allied, Building, "PBOX", "机枪碉堡"},
    {"Power Plant", Allied, Building, "PWR", "发电厂"},
    {"Prism Tank", Allied, Vehicle, "PRSM", "光棱坦克"},
    {"Psi-Corp Trooper", Yuri, Infantry, "PSI", "心灵部队"},
    {"Radar Tower", Soviet, Building, "RDR", "雷达塔"},
    {"Rhino Heavy Tank", Soviet, Vehicle, "RHNO", "犀牛坦克"},
    {"ROBO", Allied, Vehicle, "ROBO", "机器人坦克"},
    {"ROCK", Allied, Infantry, "ROCK", "火箭飞行兵"},
    {"RTNK", Allied, Vehicle, "MGTK", "幻影坦克"},
    {"Sea Scorpion", Soviet, Ship, "SCRP", "海蝎"},
    {"SEAL", Allied, Infantry, "SEAL", "海豹部队"},
    {"Sentry Gun", Soviet, Building, "SENT", "哨戒炮"},
    {"Shock Trooper", Soviet, Infantry, "SHK", "磁暴步兵"},
    {"Slave Miner", Yuri, Vehicle, "SLAV", "奴隶矿车"},
    {"Sniper", Allied, Infantry, "SNIP", "狙击手"},
    {"Soviet Barracks", Soviet, Building, "BARR", "苏军兵营"},
    {"Soviet Battle Bunker", Soviet, Building, "BUNK", "战斗碉堡"},
    {"Soviet Battle Lab", Soviet, Building, "LAB", "苏军实验室"},
    {"Soviet Construction Vehicle", Soviet, Vehicle, "SMCV", "苏军基地车"},
    {"Soviet Flak Cannon", Soviet, Building, "FLKC", "苏军防空炮"},
    {"Soviet Iron Curtain Device", Soviet, Building, "IRCD", "铁幕装置"},
    {"Soviet MIG", Soviet, Aircraft, "MIG", "米格战机"},
    {"Soviet Nuclear Missile Silo", Soviet, Building, "SNUK", "苏军核弹井"},
    {"Soviet Nuclear Reactor", Soviet, Building, "SNRE", "苏军核电站"},
    {"Soviet Ore Refinery", Soviet, Building, "REF", "苏军矿厂"},
    {"Soviet Radar Tower", Soviet, Building, "RADR", "苏军雷达"},
    {"Soviet Sentry Gun", Soviet, Building, "SGUN", "苏军哨戒炮"},
    {"Soviet Service Depot", Soviet, Building, "DEPT", "苏军维修厂"},
    {"Soviet Shipyard", Soviet, Building, "YARD", "苏军船厂"},
    {"Soviet Spy Plane", Soviet, Aircraft, "SPYP", "侦察机"},
    {"Soviet Tesla Reactor", Soviet, Building, "STRE", "苏军磁能炉"},
    {"Soviet Wall", Soviet, Building, "WALL", "苏军围墙"},
    {"Soviet War Factory", Soviet, Building, "WEAP", "苏军战车厂"},
    {"Spy", Allied, Infantry, "SPY", "间谍"},
    {"Tank Destroyer", Allied, Vehicle, "TDST", "坦克杀手"},
    {"Tanya", Allied, Infantry, "TANY", "谭雅"},
    {"Terror Drone", Soviet, Vehicle, "TDRN", "恐怖机器人"},
    {"Tesla Reactor", Soviet, Building, "TESR", "磁能反应炉"},
    {"Tesla Tank", Soviet, Vehicle, "TTNK", "磁能坦克"},
    {"TRS", Soviet, Ship, "SAPC", "苏军运输艇"},
    {"TRST", Soviet, Infantry, "TERR", "恐怖分子"},
    {"TRUCKA", Soviet, Vehicle, "DTRK", "自爆卡车"},
    {"Typhoon Attack Sub", Soviet, Ship, "SUB", "台风潜艇"},
    {"V3 Launcher", Soviet, Vehicle, "V3", "V3火箭车"},
    {"War Miner", Soviet, Vehicle, "HARV", "武装采矿车"},
    {"YABRCK", Yuri, Building, "BRCK", "尤里兵营"},
    {"YAYARD", Yuri, Building, "YARD", "尤里船厂"},
    {"Yuri Battle Lab", Yuri, Building, "LAB", "尤里实验室"},
    {"Yuri Bio Reactor", Yuri, Building, "BIOR", "生化反应炉"},
    {"Yuri Boomer", Yuri, Ship, "BOOM", "雷鸣潜艇"},
    {"Yuri Brute", Yuri, Infantry, "BRUT", "狂兽人"},
    {"Yuri Citadel Wall", Yuri, Building, "WALL", "尤里城墙"},
    {"Yuri Clone", Yuri, Infantry, "CLON", "尤里复制人"},
    {"Yuri Cloning Vats", Yuri, Building, "VATS", "尤里复制"},
    {"Yuri Construction Vehicle", Yuri, Vehicle, "YMCV", "尤里基地车"},
    {"Yuri Gattling Cannon", Yuri, Building, "GATC", "盖特机炮"},
    {"Yuri Genetic Mutator Device", Yuri, Building, "GENM", "基因突变器"},
    {"Yuri Grinder", Yuri, Building, "GRND", "部队回收厂"},
    {"Yuri Initiate", Yuri, Infantry, "INIT", "尤里新兵"},
    {"Yuri Ore Refinery", Yuri, Building, "REF", "尤里矿厂"},
    {"Yuri Prime", Yuri, Infantry, "PRIM", "尤里改"},
    {"Yuri Psychic Sensor", Yuri, Building, "PSEN", "心灵探测器"},
    {"Yuri Psychic Tower", Yuri, Building, "PSYT", "心灵控制塔"},
    {"Yuri Puppet Master", Yuri, Building, "PPET", "心灵增幅器"},
    {"Yuri Tank Bunker", Yuri, Building, "TBNK", "坦克碉堡"},
    {"Yuri Virus", Yuri, Infantry, "VIRS", "病毒狙击手"},
    {"Yuri War Factory", Yuri, Building, "WEAP", "尤里战车厂"},
    {"Yuri", Yuri, Infantry, "YURI", "尤里"},
    {"YURIX", Yuri, Infantry, "YURX", "超级尤里"},
    {"磁电坦克", Yuri, Vehicle, "MAGN", "磁电坦克"},
};

static_assert(std::size(kEntries) == 140);

constexpr int kWidth = 60;
constexpr int kHeight = 48;
constexpr qsizetype kMaxBytes = 1825;
constexpr qsizetype kMinBytes = 480;

std::string ToGbk(const std::string& utf8) {
    iconv_t cd = iconv_open("CP936", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    std::string in = utf8;
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1)) return {};
    out.resize(out.size() - outLeft);
    return out;
}

struct Palette {
    QColor top, bottom, band;
};

Palette PaletteOf(Side side) {
    switch (side) {
    case Allied: return {QColor(58, 112, 206), QColor(16, 44, 110), QColor(8, 24, 64)};
    case Soviet: return {QColor(214, 58, 48), QColor(110, 14, 12), QColor(60, 6, 6)};
    case Yuri: return {QColor(156, 72, 200), QColor(72, 20, 104), QColor(38, 8, 58)};
    case Neutral: return {QColor(150, 150, 150), QColor(72, 72, 72), QColor(36, 36, 36)};
    }
    return {};
}

// A faint outline of the kind of unit behind the mark, inside the upper 30 rows.
QPainterPath Silhouette(Kind kind) {
    QPainterPath p;
    switch (kind) {
    case Infantry:
        p.addEllipse(QPointF(30, 6), 4, 4);
        p.addRoundedRect(QRectF(24, 11, 12, 11), 3, 3);
        p.addRect(QRectF(25, 22, 4, 8));
        p.addRect(QRectF(31, 22, 4, 8));
        break;
    case Vehicle:
        p.addRoundedRect(QRectF(10, 18, 40, 10), 5, 5);
        p.addRect(QRectF(20, 11, 18, 8));
        p.addRect(QRectF(37, 13, 16, 3));
        break;
    case Ship: {
        QPolygonF hull;
        hull << QPointF(4, 19) << QPointF(56, 19) << QPointF(48, 29) << QPointF(12, 29);
        p.addPolygon(hull);
        p.closeSubpath();
        p.addRect(QRectF(22, 10, 14, 9));
        p.addRect(QRectF(28, 4, 3, 6));
        break;
    }
    case Aircraft: {
        QPolygonF plane;
        plane << QPointF(30, 2) << QPointF(33, 12) << QPointF(54, 20) << QPointF(54, 23)
              << QPointF(33, 20) << QPointF(32, 25) << QPointF(39, 29) << QPointF(21, 29)
              << QPointF(28, 25) << QPointF(27, 20) << QPointF(6, 23) << QPointF(6, 20)
              << QPointF(27, 12);
        p.addPolygon(plane);
        p.closeSubpath();
        break;
    }
    case Building: {
        QPolygonF roof;
        roof << QPointF(8, 14) << QPointF(30, 3) << QPointF(52, 14);
        p.addPolygon(roof);
        p.closeSubpath();
        p.addRect(QRectF(11, 14, 38, 16));
        break;
    }
    }
    return p;
}

// Largest pixel size up to `maxPx` at which the text fits into `width`.
QFont FittingFont(const QString& family, const QString& text, int maxPx, int width, bool bold) {
    QFont font(family);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    for (int px = maxPx; px > 6; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
    }
    return font;
}

void DrawShadowedText(QPainter& painter, const QRect& box, const QString& text, const QFont& font,
                      const QColor& color) {
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 190));
    painter.drawText(box.translated(1, 1), Qt::AlignCenter, text);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, text);
}

QImage Draw(const Entry& e, const QString& family) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    const Palette pal = PaletteOf(e.side);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient grad(0, 0, 0, kHeight);
    grad.setColorAt(0, pal.top);
    grad.setColorAt(1, pal.bottom);
    painter.fillRect(image.rect(), grad);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 56));
    painter.drawPath(Silhouette(e.kind));

    const QString mark = QString::fromUtf8(e.mark);
    DrawShadowedText(painter, QRect(0, 2, kWidth, 28), mark,
                     FittingFont(family, mark, 19, kWidth - 4, true), Qt::white);

    painter.fillRect(QRect(0, 32, kWidth, 16), pal.band);
    const QString label = QString::fromUtf8(e.label);
    DrawShadowedText(painter, QRect(0, 32, kWidth, 16), label,
                     FittingFont(family, label, 12, kWidth - 2, false), QColor(255, 236, 160));

    painter.setPen(QColor(255, 255, 255, 90));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    return image;
}

QByteArray EncodeJpeg(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(image)) return {};
    return bytes;
}

bool ContainsAnyName(const QByteArray& jpeg, const std::vector<std::string>& names) {
    const std::string_view hay(jpeg.constData(), static_cast<size_t>(jpeg.size()));
    for (const std::string& n : names)
        if (hay.find(n) != std::string_view::npos) return true;
    return false;
}

// The best quality whose JPEG fits the size limit and holds none of the names, so that a
// lookup never meets a name inside a picture.
QByteArray EncodeForPackage(const QImage& image, const std::vector<std::string>& names) {
    for (int quality = 92; quality >= 30; --quality) {
        const QByteArray jpeg = EncodeJpeg(image, quality);
        if (jpeg.isEmpty()) return {};
        if (jpeg.size() > kMaxBytes || ContainsAnyName(jpeg, names)) continue;
        return jpeg.size() >= kMinBytes ? jpeg : QByteArray();
    }
    return {};
}

QImage DrawPlaceholder(const QString& family) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient grad(0, 0, 0, kHeight);
    grad.setColorAt(0, QColor(200, 200, 200));
    grad.setColorAt(1, QColor(150, 150, 150));
    painter.fillRect(image.rect(), grad);
    QFont big(family);
    big.setBold(true);
    big.setPixelSize(22);
    painter.setFont(big);
    painter.setPen(QColor(110, 110, 110));
    painter.drawText(QRect(0, 0, kWidth, 30), Qt::AlignCenter, QStringLiteral("?"));
    painter.setFont(FittingFont(family, QStringLiteral("无图"), 13, kWidth - 4, false));
    painter.setPen(QColor(60, 60, 60));
    painter.drawText(QRect(0, 28, kWidth, 18), Qt::AlignCenter, QStringLiteral("无图"));
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    return image;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);

    QString family = QStringLiteral("WenQuanYi Micro Hei");
    const int fontId =
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"));
    if (fontId >= 0 && !QFontDatabase::applicationFontFamilies(fontId).isEmpty())
        family = QFontDatabase::applicationFontFamilies(fontId).first();

    std::vector<std::string> names;
    for (const Entry& e : kEntries) {
        names.push_back(ToGbk(e.name));
        if (names.back().empty()) {
            std::fprintf(stderr, "cannot convert %s to GBK\n", e.name);
            return 1;
        }
    }

    std::set<std::string> looks;
    QByteArray package;
    qsizetype smallest = kMaxBytes, largest = 0;
    for (size_t i = 0; i < std::size(kEntries); ++i) {
        const Entry& e = kEntries[i];
        if (!looks.insert(std::to_string(static_cast<int>(e.side)) + e.mark + "|" + e.label).second) {
            std::fprintf(stderr, "%s looks like an earlier entry\n", e.name);
            return 1;
        }
        const QByteArray jpeg = EncodeForPackage(Draw(e, family), names);
        if (jpeg.isEmpty()) {
            std::fprintf(stderr, "no fitting JPEG for %s\n", e.name);
            return 1;
        }
        smallest = std::min(smallest, jpeg.size());
        largest = std::max(largest, jpeg.size());
        const QByteArray name(names[i].data(), static_cast<qsizetype>(names[i].size()));
        package += name;
        package += jpeg;
        package += name;
    }

    const QByteArray placeholder = EncodeJpeg(DrawPlaceholder(family), 85);
    if (placeholder.isEmpty() || !WriteFile(out + "/Picture.pic", package) ||
        !WriteFile(out + "/None.pic", placeholder)) {
        std::fprintf(stderr, "cannot write into %s\n", argv[1]);
        return 1;
    }
    std::printf("Picture.pic: %zu entries, %lld bytes (pictures %lld to %lld bytes)\n",
                std::size(kEntries), static_cast<long long>(package.size()),
                static_cast<long long>(smallest), static_cast<long long>(largest));
    std::printf("None.pic: %lld bytes\n", static_cast<long long>(placeholder.size()));
    return 0;
}
