#include "platform/userint/controls/digit_strip.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <cstring>

namespace plat {

namespace {
constexpr qreal kInkSlack = 0.5;   // px a glyph may reach past its advance unnoticed
}

// Each character rendered alone into an image of its advance and the field's
// height, at the height drawText would give it in textRect.
bool DigitStrip::prepare(const QRect &field, const QRect &textRect, const Look &look,
                         const QString &chars)
{
    look_ = look;
    field_ = field;
    textRect_ = textRect;
    chars_ = chars;
    glyphs_.clear();
    usable_ = false;
    const QFontMetricsF fm(look.font);
    const int height = static_cast<int>(std::lround(field.height() * look.dpr));
    for (const QChar ch : chars) {
        const qreal advance = fm.horizontalAdvance(ch);
        const QRectF ink = fm.boundingRect(ch);
        if (!ink.isEmpty() && (ink.left() < -kInkSlack || ink.right() > advance + kInkSlack))
            return false;
        const int width = static_cast<int>(std::lround(advance * look.dpr));
        if (width <= 0 || height <= 0)
            return false;
        QImage glyph(width, height, QImage::Format_RGB32);
        glyph.setDevicePixelRatio(look.dpr);
        glyph.fill(look.base);
        QPainter g(&glyph);
        g.setFont(look.font);
        g.setPen(look.text);
        const QRectF line(0, textRect.top() - field.top(), advance, textRect.height());
        g.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, QString(ch));
        glyphs_.push_back(std::move(glyph));
    }
    canvas_ = QImage(static_cast<int>(std::lround(field.width() * look.dpr)), height,
                     QImage::Format_RGB32);
    canvas_.setDevicePixelRatio(look.dpr);
    usable_ = !canvas_.isNull();
    return usable_;
}

bool DigitStrip::draw(QPainter &p, const QRect &field, const QRect &textRect, const QString &text,
                      const Look &look, const QString &chars)
{
    if (!(look == look_) || field != field_ || textRect != textRect_ || chars != chars_)
        prepare(field, textRect, look, chars);
    if (!usable_)
        return false;
    std::vector<const QImage *> row;
    row.reserve(static_cast<std::size_t>(text.size()));
    int width = 0;
    for (const QChar ch : text) {
        const qsizetype at = chars_.indexOf(ch);
        if (at < 0)
            return false;
        row.push_back(&glyphs_[static_cast<std::size_t>(at)]);
        width += row.back()->width();
    }
    const int right = static_cast<int>(std::lround((textRect.right() + 1 - field.left()) * look.dpr));
    int x = right - width;
    if (x < 0)
        return false;
    canvas_.fill(look.base);
    for (const QImage *glyph : row) {
        const std::size_t bytes = static_cast<std::size_t>(glyph->width()) * sizeof(QRgb);
        for (int y = 0; y < canvas_.height(); ++y)
            std::memcpy(canvas_.scanLine(y) + x * sizeof(QRgb), glyph->constScanLine(y), bytes);
        x += glyph->width();
    }
    p.drawImage(field.topLeft(), canvas_);
    return true;
}

}  // namespace plat
