// Internal to the platform layer: a numeric control in indicator mode. It
// looks like a read-only spin box without arrows but holds no line edit: the
// number is drawn straight into the field inside the frame, so a new value
// costs a formatted number and the repaint of that field only. Screen
// readers get its name and value through its own accessible interface, read
// from the very text that is drawn.
#pragma once

#include <QString>
#include <QWidget>

namespace plat {

class NumericDisplay : public QWidget {
public:
    explicit NumericDisplay(QWidget *parent);

    // The value, shown with decimals digits in the widget's locale as a spin
    // box shows it; repaints the field only when the text changes.
    void setValue(double value, int decimals);
    // The range the value is expected in: it sizes the hints, and screen
    // readers are told it.
    void setRange(double min, double max);
    double value() const { return value_; }
    int decimals() const { return decimals_; }
    double minimum() const { return min_; }
    double maximum() const { return max_; }
    // What is drawn in the field.
    const QString &text() const { return text_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    class Field;

    QString format(double value) const;
    void refreshText();
    void refreshChars();
    QRect fieldRect() const;

    Field *field_;
    double value_ = 0;
    int decimals_ = 0;
    double min_ = 0, max_ = 0;
    QString text_;
    QString chars_;   // every character a number can show in the locale
};

// Lets screen readers find the accessible interface of numeric displays;
// harmless when called again.
void installNumericDisplayAccessibility();

}  // namespace plat
