#include "printing/certificate_pictures.h"

#include "printing/picture_painter.h"

#include <cmath>
#include <map>
#include <string>

namespace andel {
namespace {

constexpr int kDetail = 4;  // pixels per layout unit
constexpr Rgb kSkin{250, 214, 170}, kRed{200, 30, 30}, kBlue{30, 60, 190}, kGreen{30, 150, 60};
constexpr Rgb kGold{232, 182, 30}, kDarkGold{170, 120, 10}, kBrown{110, 70, 30}, kOrange{240, 140, 20};

std::vector<PointF> star(double cx, double cy, double outer, double inner) {
    std::vector<PointF> points;
    for (int i = 0; i < 10; ++i) {
        const double angle = -3.14159265358979 / 2 + i * 3.14159265358979 / 5;
        const double r = i % 2 == 0 ? outer : inner;
        points.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
    }
    return points;
}

// A football: white with a black rim, a black patch in the middle and five around it.
void football(PicturePainter& p, double cx, double cy, double r) {
    p.ellipse(cx, cy, r, r, kBlack);
    p.ellipse(cx, cy, r * 0.92, r * 0.92, kWhite);
    p.polygon(star(cx, cy, r * 0.3, r * 0.3 * 0.81), kBlack);
    for (int i = 0; i < 5; ++i) {
        const double angle = -3.14159265358979 / 2 + i * 2 * 3.14159265358979 / 5;
        const double px = cx + r * 0.72 * std::cos(angle), py = cy + r * 0.72 * std::sin(angle);
        p.ellipse(px, py, r * 0.17, r * 0.17, kBlack);
    }
}

// A ball figure cheering with both arms up; `mirror` flips it to face the other way.
PictureBitmap ballFigure(const char* name, bool mirror, Rgb cap) {
    constexpr double w = 89;
    PicturePainter p(name, 89, 113, kDetail);
    const auto x = [&](double value) { return mirror ? w - value : value; };
    p.line({x(26), 56}, {x(10), 30}, 5, kSkin);
    p.line({x(62), 56}, {x(80), 36}, 5, kSkin);
    p.ellipse(x(10), 28, 4.5, 4.5, kSkin);
    p.ellipse(x(80), 34, 4.5, 4.5, kSkin);
    p.line({x(36), 82}, {x(30), 102}, 7, kBlue);
    p.line({x(52), 82}, {x(60), 102}, 7, kBlue);
    p.ellipse(x(27), 106, 8, 4.5, kBlack);
    p.ellipse(x(63), 106, 8, 4.5, kBlack);
    football(p, x(44), 62, 23);
    p.ellipse(x(44), 24, 14, 14, kSkin);
    p.polygon({{x(30), 22}, {x(31), 12}, {x(44), 7}, {x(57), 12}, {x(58), 22}}, cap);
    p.rectangle(x(mirror ? 30 : 44), 19, x(mirror ? 44 : 62), 22, cap);
    p.ellipse(x(39), 25, 1.8, 2.2, kBlack);
    p.ellipse(x(49), 25, 1.8, 2.2, kBlack);
    p.line({x(38), 31}, {x(44), 34}, 1.6, kRed);
    p.line({x(44), 34}, {x(50), 31}, 1.6, kRed);
    return p.take();
}

// The title's artwork: a ball at each end and a row of crosses below the title text,
// which stands in the transparent middle.
PictureBitmap titleArtwork() {
    PicturePainter p("kryssen", 433, 73, kDetail);
    football(p, 20, 38, 17);
    football(p, 413, 38, 17);
    p.rectangle(44, 64, 389, 69, kGreen);
    int i = 0;
    for (double cx = 58; cx <= 376; cx += 26.5, ++i) {
        const Rgb colour = i % 2 == 0 ? kRed : kBlue;
        p.line({cx - 6, 44}, {cx + 6, 58}, 3, colour);
        p.line({cx + 6, 44}, {cx - 6, 58}, 3, colour);
    }
    return p.take();
}

// A cup with "11" on it.
PictureBitmap trophy() {
    PicturePainter p("ellverette", 113, 97, kDetail);
    p.line({30, 18}, {14, 26}, 5, kDarkGold);
    p.line({14, 26}, {30, 46}, 5, kDarkGold);
    p.line({83, 18}, {99, 26}, 5, kDarkGold);
    p.line({99, 26}, {83, 46}, 5, kDarkGold);
    p.polygon({{24, 10}, {89, 10}, {84, 36}, {70, 56}, {43, 56}, {29, 36}}, kGold);
    p.ellipse(56.5, 10, 32.5, 5, kDarkGold);
    p.rectangle(51, 56, 62, 72, kDarkGold);
    p.rectangle(36, 72, 77, 80, kGold);
    p.rectangle(30, 80, 83, 90, kBrown);
    for (double left : {45.0, 60.0}) {
        p.line({left + 4, 20}, {left + 4, 44}, 5, kRed);
        p.line({left + 4, 20}, {left, 25}, 4, kRed);
    }
    p.polygon(star(18, 72, 7, 3), kOrange);
    p.polygon(star(95, 70, 6, 2.6), kOrange);
    return p.take();
}

// A large tick with stars: the guarantee holds.
PictureBitmap tickWithStars() {
    PicturePainter p("ellverette2", 105, 65, kDetail);
    p.line({22, 34}, {40, 54}, 9, kGreen);
    p.line({40, 54}, {80, 12}, 9, kGreen);
    p.polygon(star(14, 12, 9, 3.8), kGold);
    p.polygon(star(92, 44, 8, 3.4), kOrange);
    p.polygon(star(64, 52, 6, 2.5), kGold);
    return p.take();
}

}  // namespace

const PictureBitmap& certificatePicture(std::string_view name) {
    static const std::map<std::string, PictureBitmap, std::less<>> pictures = {
        {"ballmannleft", ballFigure("ballmannleft", false, kRed)},
        {"ballmannright", ballFigure("ballmannright", true, kBlue)},
        {"kryssen", titleArtwork()},
        {"ellverette", trophy()},
        {"ellverette2", tickWithStars()},
    };
    static const PictureBitmap none;
    const auto found = pictures.find(name);
    return found == pictures.end() ? none : found->second;
}

}  // namespace andel
