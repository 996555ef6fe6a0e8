// Internal to the platform layer: the widgets of the control kinds that Qt
// has no ready widget for (bar, slide with its value, list button,
// decoration box) and the editor of numeric table cells.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QStyledItemDelegate>
#include <QWidget>

namespace plat {

// A vertical bar indicator with a scale at its left. It fills its own
// background, so a new value repaints the rows of the bar that change, not
// the panel behind.
class BarWidget : public QWidget {
public:
    explicit BarWidget(QWidget *parent);
    void setRange(double min, double max);
    void setValue(double value);
    void setFillColor(const QColor &color);
    void setDecimals(int decimals);
    double value() const { return value_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int labelWidth() const;
    int lineHeight() const;
    QRect barRect(int labelWidth) const;
    int filledRows(const QRect &bar, double value) const;
    mutable int labelWidth_ = -1;  // of the widest scale label; -1: to be measured
    mutable int lineHeight_ = -1;  // of the font; -1: to be measured

    double min_ = 0, max_ = 100, value_ = 0;
    int decimals_ = 0;
    QColor fill_{0x00, 0xA0, 0x00};
};

// A horizontal slide with its value shown beside it.
class SlideWidget : public QWidget {
public:
    explicit SlideWidget(QWidget *parent);
    QSlider *slider() const { return slider_; }
    QLabel *valueLabel() const { return valueLabel_; }
    // Range and value in the control's units, shown with decimals digits.
    void setRange(double min, double max, int decimals);
    void setValue(double value);
    double value() const;
    double valueOfPosition(int position) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QSlider *slider_;
    QLabel *valueLabel_;
    int decimals_ = 0;
    double scale_ = 1;
};

// A small square drop-down button whose list opens below it.
class ListButton : public QComboBox {
public:
    explicit ListButton(QWidget *parent) : QComboBox(parent) {}
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A box filled with its frame colour.
class DecorationWidget : public QFrame {
public:
    explicit DecorationWidget(QWidget *parent);
    void setFillColor(const QColor &color);
};

// Edits a numeric table cell within the limits of the cell type and shows
// whole numbers without decimals.
class NumericCellDelegate : public QStyledItemDelegate {
public:
    NumericCellDelegate(QObject *parent, double min, double max, int decimals)
        : QStyledItemDelegate(parent), min_(min), max_(max), decimals_(decimals)
    {
    }
    void setLimits(double min, double max, int decimals);
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    QString displayText(const QVariant &value, const QLocale &locale) const override;
    // Numbers right-aligned with a narrow margin, so that five digits fit a
    // narrow column (the teach table's).
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    double min_, max_;
    int decimals_;
};

}  // namespace plat
