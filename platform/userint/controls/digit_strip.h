// Internal to the platform layer: a number drawn from images of its
// characters, each rendered once per font, colours, field height and pixel
// ratio. Laying out and rasterising a short number again at every new value
// costs many times more than copying a few prepared columns of pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace plat {

class DigitStrip {
public:
    struct Look {
        QFont font;
        QColor text, base;
        qreal dpr = 1;
        bool operator==(const Look &o) const
        {
            return font == o.font && text == o.text && base == o.base && dpr == o.dpr;
        }
    };

    // Fills field (the painter's whole device, in its logical pixels) with
    // the base colour and draws text right-aligned and vertically centred in
    // textRect, as QPainter::drawText would. Returns false, having drawn
    // nothing, when it cannot: a character it prepared no image of, a font
    // whose glyphs reach beyond their advance, or a text wider than the
    // field. chars: every character to prepare.
    bool draw(QPainter &p, const QRect &field, const QRect &textRect, const QString &text,
              const Look &look, const QString &chars);

private:
    bool prepare(const QRect &field, const QRect &textRect, const Look &look, const QString &chars);

    Look look_;
    QRect field_, textRect_;
    QString chars_;
    bool usable_ = false;
    std::vector<QImage> glyphs_;   // one per character of chars_, the field's height
    QImage canvas_;                // the field, composed
};

}  // namespace plat
