// Draws the program's pictures: the banner logo, the neutral picture of the
// reseller banners and the desktop icon in the sizes a desktop asks for.
// Run it after changing the design and commit the files it writes:
//   cmake --build build --target orvelle-draw-logo
//   QT_QPA_PLATFORM=offscreen build/orvelle-draw-logo logo/art
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// Drawn at four times the banner picture's height of 22 so that it stays
// sharp on high-density screens; the banner logo is as wide as its word.
constexpr int kLogoW = 720, kLogoH = 88;
constexpr int kWordGap = 14;
constexpr int kIconSizes[] = {32, 48, 64, 128, 256};

// The banner's blue, and the three receiver channels left, centre, right.
const QColor kBlue(0x00, 0x80, 0xFF);
const QColor kDeepBlue(0x00, 0x4C, 0x99);
const QColor kChannel[3] = {QColor(0xE0, 0x30, 0x30), QColor(0x20, 0xA0, 0x40),
                            QColor(0x10, 0x50, 0xD0)};

// The emblem: a white lens with the three channels in a row, and a beam of
// light falling on it from the upper left. Fits the square `box`.
void DrawEmblem(QPainter &p, const QRectF &box, bool onBlue)
{
    const qreal r = box.width() / 2;
    const QPointF c = box.center();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    // Ring inside the lens.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(onBlue ? kBlue : kDeepBlue, r * 0.10));
    p.drawEllipse(c, r * 0.78, r * 0.78);
    // The three channels.
    p.setPen(Qt::NoPen);
    const qreal dot = r * 0.17, step = r * 0.42;
    for (int i = 0; i < 3; ++i) {
        p.setBrush(kChannel[i]);
        p.drawEllipse(QPointF(c.x() + (i - 1) * step, c.y()), dot, dot);
    }
}

QImage DrawBannerLogo()
{
    QFont word("DejaVu Sans");
    word.setBold(true);
    word.setPixelSize(72);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    const QString text = "orvelle";
    const int textW = QFontMetrics(word).horizontalAdvance(text);
    QImage img(kLogoH + kWordGap + textW + kWordGap, kLogoH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawEmblem(p, QRectF(2, 2, kLogoH - 4, kLogoH - 4), true);
    p.setFont(word);
    p.setPen(Qt::white);
    p.drawText(QRectF(kLogoH + kWordGap, 0, textW + kWordGap, kLogoH),
               Qt::AlignLeft | Qt::AlignVCenter, text);
    return img;
}

// A plain grey frame with a neutral mark, for banners of resellers.
QImage DrawPartnerLogo()
{
    QImage img(kLogoW, kLogoH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 4));
    p.setBrush(QColor(0xF0, 0xF0, 0xF0));
    p.drawRoundedRect(QRectF(2, 2, kLogoW - 4, kLogoH - 4), 12, 12);
    QFont word("DejaVu Sans");
    word.setPixelSize(44);
    p.setFont(word);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawText(QRectF(0, 0, kLogoW, kLogoH), Qt::AlignCenter, "SENSOR SYSTEMS");
    return img;
}

// The emblem on a rounded blue square.
QImage DrawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.18, s * 0.18);
    DrawEmblem(p, QRectF(s * 0.14, s * 0.14, s * 0.72, s * 0.72), true);
    return img;
}

bool Save(const QImage &img, const QString &path)
{
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? argv[1] : ".");
    bool ok = Save(DrawBannerLogo(), out.filePath("orvelle_logo.png"));
    ok = Save(DrawPartnerLogo(), out.filePath("partner_logo.png")) && ok;
    for (int size : kIconSizes)
        ok = Save(DrawIcon(size), out.filePath(QString("orvelle_icon_%1.png").arg(size))) && ok;
    return ok ? 0 : 1;
}
