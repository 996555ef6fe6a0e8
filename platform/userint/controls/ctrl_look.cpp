// The look of a control from its record: font, colours, dimmed state and
// operating mode. The record keeps what was set; this file only shows it.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "platform/userint/controls/ctrl_widgets.h"
#include "platform/userint/ui_model.h"

namespace {

using plat::Ctrl;

constexpr int kButtonDefaultColor = 0xE0E0E0;
constexpr int kButtonBorderColor = 0x7A7A7A;
constexpr int kButtonFocusColor = 0x3C78C8;
constexpr int kDisabledTextColor = 0xA0A0A0;
constexpr int kPressedDarkerPercent = 115;
constexpr int kRowPadding = 6;  // table row height beyond the text

QString cssColor(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

// Buttons are drawn from a style sheet so that their colour shows on every
// platform style; without a colour they keep the style's own look.
void styleButton(Ctrl &c)
{
    if (c.buttonColor < 0 && c.textColor < 0) {
        c.widget->setStyleSheet(QString());
        return;
    }
    QColor face = plat::toQColor(c.buttonColor >= 0 ? c.buttonColor : kButtonDefaultColor);
    QColor text = c.textColor >= 0 ? plat::toQColor(c.textColor) : QColor(Qt::black);
    QString css = QString("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                          " border-radius: 3px; padding: 2px; }"
                          "QPushButton:focus { border-color: %4; }"
                          "QPushButton:pressed, QPushButton:checked { background-color: %5; }"
                          "QPushButton:disabled { color: %6; }")
                      .arg(cssColor(face), cssColor(text),
                           cssColor(plat::toQColor(kButtonBorderColor)),
                           cssColor(plat::toQColor(kButtonFocusColor)),
                           cssColor(face.darker(kPressedDarkerPercent)),
                           cssColor(plat::toQColor(kDisabledTextColor)));
    c.widget->setStyleSheet(css);
}

QFont fontOf(const Ctrl &c)
{
    QFont f = QApplication::font();
    // The application meta font is the desktop's general font, which is
    // sans-serif on every desktop; other names this system does not have
    // fall back to the application font.
    const bool metaFont = c.fontName == QLatin1String(VAL_APP_META_FONT);
    if (metaFont)
        f.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    else if (c.fontName == QLatin1String(VAL_EDITOR_META_FONT))
        f.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    else if (!c.fontName.isEmpty() && QFontDatabase::families().contains(c.fontName))
        f.setFamily(c.fontName);
    // The run-time's meta font counts its size in pixels, and layouts made
    // for it rely on that (lines of size 12 set 15 pixels apart).
    if (c.pointSize > 0 && metaFont)
        f.setPixelSize(c.pointSize);
    else if (c.pointSize > 0)
        f.setPointSize(c.pointSize);
    // In a window whose contents follow its size the text grows with it.
    const double scale = plat::fontScale(c.panel);
    if (scale != 1.0) {
        if (f.pointSizeF() > 0)
            f.setPointSizeF(f.pointSizeF() * scale);
        else if (f.pixelSize() > 0)
            f.setPixelSize(std::max(1, static_cast<int>(f.pixelSize() * scale + 0.5)));
    }
    f.setBold(c.bold);
    f.setItalic(c.italic);
    // Numbers need no text shaping; a live display then lays out each new
    // value at a fraction of the cost.
    if (c.kind == CTRL_NUMERIC)
        f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

void applyPalette(Ctrl &c)
{
    QWidget *w = c.widget;
    QPalette pal = w->parent() ? static_cast<QWidget *>(w->parent())->palette()
                               : QApplication::palette();
    if (c.textColor >= 0) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            pal.setColor(QPalette::Active, role, plat::toQColor(c.textColor));
            pal.setColor(QPalette::Inactive, role, plat::toQColor(c.textColor));
        }
    }
    bool fill = c.textBgColor >= 0 && c.textBgColor != VAL_TRANSPARENT;
    if (fill) {
        pal.setColor(QPalette::Base, plat::toQColor(c.textBgColor));
        pal.setColor(QPalette::Window, plat::toQColor(c.textBgColor));
    }
    if (c.kind == CTRL_LIST_BUTTON && c.frameColor >= 0)
        pal.setColor(QPalette::Button, plat::toQColor(c.frameColor));
    w->setPalette(pal);
    if (c.kind == CTRL_TEXT_MSG)
        w->setAutoFillBackground(fill);
    if (c.kind == CTRL_DECORATION)
        static_cast<plat::DecorationWidget *>(w)->setFillColor(
            c.frameColor >= 0 ? plat::toQColor(c.frameColor) : pal.color(QPalette::Window));
    if (c.kind == CTRL_BAR && c.frameColor >= 0)
        static_cast<plat::BarWidget *>(w)->setFillColor(plat::toQColor(c.frameColor));
}

// VAL_INDICATOR: the value stays readable and looks normal, but the operator
// cannot change it (the input filter also drops clicks that would).
void applyMode(Ctrl &c)
{
    bool indicator = c.mode == VAL_INDICATOR;
    QWidget *w = c.widget;
    switch (c.kind) {
    case CTRL_NUMERIC:
        // A display (indicator mode) takes no input at all.
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(w)) {
            spin->setReadOnly(indicator);
            spin->setButtonSymbols(indicator ? QAbstractSpinBox::NoButtons
                                             : QAbstractSpinBox::UpDownArrows);
        }
        break;
    case CTRL_STRING: static_cast<QLineEdit *>(w)->setReadOnly(indicator); break;
    case CTRL_TEXT_BOX: {
        auto *box = static_cast<QPlainTextEdit *>(w);
        box->setReadOnly(indicator);
        // What only the program writes needs no undo, and would keep every
        // line ever written and removed.
        if (box->isUndoRedoEnabled() == indicator)
            box->setUndoRedoEnabled(!indicator);
        break;
    }
    case CTRL_TABLE:
        static_cast<QTableWidget *>(w)->setEditTriggers(
            indicator ? QAbstractItemView::NoEditTriggers
                      : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
        break;
    default: break;
    }
    bool passive = c.kind == CTRL_TEXT_MSG || c.kind == CTRL_DECORATION || c.kind == CTRL_BAR ||
                   c.kind == CTRL_PICTURE || c.kind == CTRL_GRAPH || c.kind == CTRL_STRIP_CHART;
    Qt::FocusPolicy policy = passive || (indicator && c.kind != CTRL_TABLE &&
                                         c.kind != CTRL_TEXT_BOX)
                                 ? Qt::NoFocus
                                 : Qt::StrongFocus;
    w->setFocusPolicy(policy);
    if (c.kind == CTRL_SLIDE)
        static_cast<plat::SlideWidget *>(w)->slider()->setFocusPolicy(policy);
}

}  // namespace

namespace plat {

void applyFont(Ctrl &c)
{
    if (!c.widget)
        return;
    c.widget->setFont(fontOf(c));
    if (c.kind == CTRL_TABLE) {
        auto *table = static_cast<QTableWidget *>(c.widget.data());
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + kRowPadding);
    }
    if (c.autoSize)
        c.widget->adjustSize();
}

void applyLook(Ctrl &c)
{
    if (!c.widget)
        return;
    applyFont(c);
    if (c.kind == CTRL_COMMAND_BUTTON || c.kind == CTRL_TOGGLE_BUTTON)
        styleButton(c);
    applyPalette(c);
    applyMode(c);
    c.widget->setEnabled(!c.dimmed);
    if (c.label) {
        QPalette pal = c.label->palette();
        if (c.labelColor >= 0)
            pal.setColor(QPalette::WindowText, toQColor(c.labelColor));
        c.label->setPalette(pal);
        c.label->setEnabled(!c.dimmed);
    }
}

}  // namespace plat
