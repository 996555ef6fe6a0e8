// Building controls: one real Qt widget per control kind, configured from
// its description, with the widget's own signals turned into the events the
// operator's actions raise. Also NewCtrl and DiscardCtrl.
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "platform/userint/controls/ctrl_widgets.h"
#include "platform/userint/controls/numeric_display.h"
#include "platform/graph/graph_widget.h"
#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

namespace {

using plat::Ctrl;

struct DefaultSize {
    int kind, width, height;
};
// Sizes of controls made by NewCtrl, which gives only a position.
constexpr DefaultSize kDefaultSizes[] = {
    {CTRL_COMMAND_BUTTON, 80, 24}, {CTRL_TOGGLE_BUTTON, 80, 24}, {CTRL_NUMERIC, 80, 22},
    {CTRL_RING, 100, 22},          {CTRL_SLIDE, 160, 30},        {CTRL_BINARY_SWITCH, 80, 22},
    {CTRL_STRING, 120, 22},        {CTRL_TEXT_MSG, 0, 0},        {CTRL_TEXT_BOX, 200, 100},
    {CTRL_BAR, 50, 150},           {CTRL_TABLE, 300, 150},       {CTRL_GRAPH, 300, 200},
    {CTRL_STRIP_CHART, 300, 200},  {CTRL_DECORATION, 100, 50},   {CTRL_PICTURE, 100, 100},
    {CTRL_LIST_BUTTON, 20, 20},    {CTRL_TIMER, 0, 0},
};
constexpr int kUnlimitedEntry = 32767;  // QLineEdit's own maximum

// Events for the operator's actions on each kind. Lookups go by id, so a
// control discarded by its own callback is simply not found.
void wireButton(QPushButton *b, int panel, int id, bool toggle)
{
    QObject::connect(b, &QPushButton::clicked, b, [panel, id, toggle](bool checked) {
        if (!toggle) {
            plat::dispatch(panel, id, EVENT_COMMIT, 0, 0);
            return;
        }
        if (Ctrl *c = plat::findCtrl(panel, id)) {
            c->value = checked ? 1 : 0;
            plat::operatorChanged(panel, id);
        }
    });
}

// A numeric in indicator mode is a display with no line edit behind it; one
// the operator edits is a spin box.
QWidget *makeNumeric(Ctrl &c, QWidget *parent)
{
    if (c.mode == VAL_INDICATOR) {
        plat::installNumericDisplayAccessibility();
        return new plat::NumericDisplay(parent);
    }
    auto *spin = new QDoubleSpinBox(parent);
    spin->setKeyboardTracking(false);
    spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    int panel = c.panel, id = c.id;
    QObject::connect(spin, &QDoubleSpinBox::valueChanged, spin, [panel, id](double v) {
        if (Ctrl *r = plat::findCtrl(panel, id)) {
            // The operator's entry keeps the range, even where the box was
            // widened to show a value stored from code.
            r->value = plat::coerce(*r, v);
            plat::showValue(*r);
            plat::operatorChanged(panel, id);
        }
    });
    return spin;
}

QWidget *makeRing(Ctrl &c, QWidget *parent, bool listButton)
{
    QComboBox *box = listButton ? new plat::ListButton(parent) : new QComboBox(parent);
    int panel = c.panel, id = c.id;
    QObject::connect(box, &QComboBox::activated, box, [panel, id, listButton](int index) {
        Ctrl *r = plat::findCtrl(panel, id);
        if (!r)
            return;
        // A list button reports every choice, the same entry again too.
        if (listButton) {
            plat::operatorChanged(panel, id);
        } else if (index != r->shownIndex) {
            // An item picked over an unlisted code replaces it for good.
            plat::setListIndex(*r, index);
            plat::operatorChanged(panel, id);
        }
    });
    return box;
}

// A slide reports when the operator lets go of it, or at once for keys and
// page clicks.
QWidget *makeSlide(Ctrl &c, QWidget *parent)
{
    auto *slide = new plat::SlideWidget(parent);
    int panel = c.panel, id = c.id;
    auto report = [panel, id, slide] {
        Ctrl *r = plat::findCtrl(panel, id);
        if (!r)
            return;
        double v = plat::coerce(*r, slide->value());
        if (v != r->value) {
            r->value = v;
            plat::showValue(*r);
            plat::operatorChanged(panel, id);
        }
    };
    QObject::connect(slide->slider(), &QSlider::valueChanged, slide, [slide, report](int) {
        if (!slide->slider()->isSliderDown())
            report();
    });
    QObject::connect(slide->slider(), &QSlider::sliderReleased, slide, report);
    return slide;
}

QWidget *makeString(Ctrl &c, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    if (c.maxEntryLength >= 0)
        edit->setMaxLength(std::min(c.maxEntryLength, kUnlimitedEntry));
    int panel = c.panel, id = c.id;
    QObject::connect(edit, &QLineEdit::textEdited, edit, [panel, id](const QString &) {
        if (Ctrl *r = plat::findCtrl(panel, id))
            r->edited = true;
        plat::dispatch(panel, id, EVENT_VAL_CHANGED, 0, 0);
    });
    QObject::connect(edit, &QLineEdit::returnPressed, edit, [panel, id] {
        if (Ctrl *r = plat::findCtrl(panel, id)) {
            r->edited = false;
            plat::dispatch(panel, id, EVENT_COMMIT, 0, 0);
        }
    });
    return edit;
}

QWidget *makeTextBox(Ctrl &c, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    int panel = c.panel, id = c.id;
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [panel, id] {
        if (Ctrl *r = plat::findCtrl(panel, id))
            r->edited = true;
        plat::dispatch(panel, id, EVENT_VAL_CHANGED, 0, 0);
    });
    return box;
}

QWidget *makeTable(Ctrl &c, const CtrlDesc &d, QWidget *parent)
{
    int rows = std::max(0, d.rows), cols = std::max(0, d.columns);
    auto *table = new QTableWidget(rows, cols, parent);
    table->setItemDelegate(new plat::NumericCellDelegate(table, 0, 0, 0));
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList heads = plat::fromUtf8(d.columnLabels).split('|');
    for (int col = 0; col < cols; ++col)
        table->setHorizontalHeaderItem(col, new QTableWidgetItem(col < heads.size() ? heads[col] : ""));
    for (int row = 0; row < rows; ++row) {
        // The operator numbers rows from 0; the API counts them from 1.
        table->setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(row)));
        for (int col = 0; col < cols; ++col) {
            auto *item = new QTableWidgetItem;
            item->setData(Qt::EditRole, 0.0);
            table->setItem(row, col, item);
        }
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);  // height: applyFont
    c.rowLabelColors.assign(rows, 0x000000);
    int panel = c.panel, id = c.id;
    QObject::connect(table, &QTableWidget::itemChanged, table, [panel, id](QTableWidgetItem *it) {
        plat::operatorChanged(panel, id, it->row() + 1, it->column() + 1);
    });
    return table;
}

QWidget *makeGraph(const CtrlDesc &d, QWidget *parent)
{
    bool strip = d.kind == CTRL_STRIP_CHART;
    auto *g = new GraphWidget(strip ? GraphWidget::Mode::StripChart : GraphWidget::Mode::Graph,
                              parent);
    if (d.xAutoscale)
        g->setAxisScaling(VAL_BOTTOM_XAXIS, VAL_AUTOSCALE, d.xMin, d.xMax);
    else if (d.xMax > d.xMin)
        g->setAxisScaling(VAL_BOTTOM_XAXIS, VAL_MANUAL, d.xMin, d.xMax);
    if (d.yAutoscale)
        g->setAxisScaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, d.yMin, d.yMax);
    else if (d.yMax > d.yMin)
        g->setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, d.yMin, d.yMax);
    g->setAxisNames(plat::fromUtf8(d.xName), plat::fromUtf8(d.yName));
    if (strip) {
        g->setNumTraces(std::max(1, d.numTraces));
        if (d.pointsPerScreen > 0)
            g->setPointsPerScreen(d.pointsPerScreen);
        for (int t = 0; d.traceColors && t < d.numTraces; ++t)
            g->setTraceColor(t, 0xFF000000u | static_cast<QRgb>(d.traceColors[t]));
    }
    return g;
}

QWidget *makeWidget(Ctrl &c, const CtrlDesc &d, QWidget *parent)
{
    switch (d.kind) {
    case CTRL_COMMAND_BUTTON:
    case CTRL_TOGGLE_BUTTON: {
        auto *b = new QPushButton(parent);
        b->setCheckable(d.kind == CTRL_TOGGLE_BUTTON);
        wireButton(b, c.panel, c.id, d.kind == CTRL_TOGGLE_BUTTON);
        return b;
    }
    case CTRL_NUMERIC: return makeNumeric(c, parent);
    case CTRL_RING: return makeRing(c, parent, false);
    case CTRL_LIST_BUTTON: return makeRing(c, parent, true);
    case CTRL_TIMER: return plat::makeTimer(c, d, parent);
    case CTRL_SLIDE: return makeSlide(c, parent);
    case CTRL_BINARY_SWITCH: {
        auto *box = new QCheckBox(parent);
        int panel = c.panel, id = c.id;
        QObject::connect(box, &QCheckBox::clicked, box, [panel, id](bool on) {
            if (Ctrl *r = plat::findCtrl(panel, id)) {
                r->value = on ? 1 : 0;
                plat::operatorChanged(panel, id);
            }
        });
        return box;
    }
    case CTRL_STRING: return makeString(c, parent);
    case CTRL_TEXT_MSG: return new QLabel(parent);
    case CTRL_TEXT_BOX: return makeTextBox(c, parent);
    case CTRL_BAR: return new plat::BarWidget(parent);
    case CTRL_TABLE: return makeTable(c, d, parent);
    case CTRL_GRAPH:
    case CTRL_STRIP_CHART: return makeGraph(d, parent);
    case CTRL_DECORATION: return new plat::DecorationWidget(parent);
    case CTRL_PICTURE: {
        auto *pic = new QLabel(parent);
        pic->setAlignment(Qt::AlignCenter);
        return pic;
    }
    default: return nullptr;
    }
}

// "StringIpAdress" reads "String Ip Adress".
QString readableName(const QString &name)
{
    QString out;
    for (int i = 0; i < name.size(); ++i) {
        const QChar ch = name[i];
        const bool boundary = i > 0 && ((ch.isUpper() && !name[i - 1].isUpper()) ||
                                        (ch.isDigit() && !name[i - 1].isDigit()));
        if (boundary || (ch == '_' && !out.endsWith(' ')))
            out += ' ';
        if (ch != '_')
            out += ch;
    }
    return out.trimmed();
}

const char *kindName(int kind)
{
    switch (kind) {
    case CTRL_COMMAND_BUTTON: return "button";
    case CTRL_TOGGLE_BUTTON: return "toggle button";
    case CTRL_NUMERIC: return "number";
    case CTRL_RING: return "selector";
    case CTRL_SLIDE: return "slide";
    case CTRL_BINARY_SWITCH: return "switch";
    case CTRL_STRING: return "text field";
    case CTRL_TEXT_MSG: return "text";
    case CTRL_TEXT_BOX: return "text box";
    case CTRL_BAR: return "bar";
    case CTRL_TABLE: return "table";
    case CTRL_GRAPH: return "graph";
    case CTRL_STRIP_CHART: return "strip chart";
    case CTRL_DECORATION: return "frame";
    case CTRL_PICTURE: return "picture";
    case CTRL_LIST_BUTTON: return "list button";
    case CTRL_TIMER: return "timer";
    default: return "control";
    }
}

// Kinds whose caption is their own text rather than a label beside them.
bool captionInWidget(int kind)
{
    return kind == CTRL_COMMAND_BUTTON || kind == CTRL_TOGGLE_BUTTON ||
           kind == CTRL_BINARY_SWITCH || kind == CTRL_TEXT_MSG || kind == CTRL_DECORATION ||
           kind == CTRL_TIMER;
}

// Record fields that come straight from the description.
void fillRecord(Ctrl &c, const CtrlDesc &d)
{
    c.kind = d.kind;
    c.name = plat::fromUtf8(d.name);
    c.labelText = plat::fromUtf8(d.label);
    c.callback = FindCallback(d.callback);
    c.dataType = d.kind == CTRL_LIST_BUTTON && d.dataType == VAL_INTEGER && !d.items
                     ? VAL_STRING
                     : d.dataType;
    c.mode = d.mode == VAL_INDICATOR ? VAL_INDICATOR : VAL_HOT;
    c.minValue = d.minValue;
    c.maxValue = d.maxValue;
    c.precision = std::clamp(d.precision, 0, 15);
    c.top = d.top;
    c.left = d.left;
    c.width = d.width;
    c.height = d.height;
    c.autoSize = d.kind == CTRL_TEXT_MSG && (d.width <= 0 || d.height <= 0);
    c.visible = d.visible != 0;
    c.shortcutKey = d.shortcutKey;
    c.pointSize = std::max(0, d.pointSize);
    c.maxEntryLength = d.maxEntryLength;
    c.textColor = d.textColor >= 0 ? d.textColor : plat::kDefaultColor;
    if (d.kind == CTRL_DECORATION || d.kind == CTRL_LIST_BUTTON)
        c.frameColor = d.color;
    else if (d.kind == CTRL_BAR)
        c.frameColor = d.color;
    else
        c.buttonColor = d.color;
    for (int i = 0; d.items && i < d.numItems; ++i)
        c.items.push_back({plat::fromUtf8(d.items[i].label), d.items[i].value,
                           QString::number(d.items[i].value)});
}

// The starting value: numerics take the initial number, texts the initial
// text, lists select the item whose value is the initial number.
void setInitialValue(Ctrl &c, const CtrlDesc &d)
{
    QString text = plat::fromUtf8(d.initialText);
    switch (c.kind) {
    case CTRL_STRING:
        static_cast<QLineEdit *>(c.widget.data())->setText(text);
        break;
    case CTRL_TEXT_BOX: {
        auto *box = static_cast<QPlainTextEdit *>(c.widget.data());
        QSignalBlocker block(box);
        box->setPlainText(text);
        break;
    }
    case CTRL_TEXT_MSG:
        static_cast<QLabel *>(c.widget.data())->setText(text.isEmpty() ? c.labelText : text);
        break;
    case CTRL_RING:
    case CTRL_LIST_BUTTON: {
        int index = 0;
        for (std::size_t i = 0; i < c.items.size(); ++i) {
            if (c.items[i].intValue == static_cast<int>(d.initial))
                index = static_cast<int>(i);
        }
        plat::syncListWidget(c);
        plat::setListIndex(c, c.items.empty() ? -1 : index);
        break;
    }
    case CTRL_TABLE: {
        auto *t = static_cast<QTableWidget *>(c.widget.data());
        QSignalBlocker block(t);
        for (int row = 0; row < t->rowCount(); ++row)
            for (int col = 0; col < t->columnCount(); ++col)
                t->item(row, col)->setData(Qt::EditRole, plat::coerce(c, d.initial));
        break;
    }
    default:
        c.value = plat::coerce(c, d.initial);
        break;
    }
}

int buildFrom(plat::Panel &p, const CtrlDesc &d)
{
    if (d.kind < CTRL_COMMAND_BUTTON || d.kind > CTRL_TIMER || d.id <= 0)
        return UIEInvalidControlType;
    if (p.ctrls.count(d.id))
        return UIEInvalidControlId;
    auto rec = std::make_unique<Ctrl>();
    Ctrl &c = *rec;
    c.panel = p.handle;
    c.id = d.id;
    fillRecord(c, d);
    c.widget = makeWidget(c, d, p.widget);
    if (!c.widget)
        return UIEInvalidControlType;
    p.ctrls[c.id] = std::move(rec);
    c.widget->setGeometry(c.left, c.top, std::max(0, c.width), std::max(0, c.height));  // placeCtrl scales it
    c.widget->setContextMenuPolicy(Qt::NoContextMenu);
    if (!captionInWidget(c.kind)) {
        c.label = new QLabel(p.widget);
        c.label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    setInitialValue(c, d);
    plat::applyLook(c);
    plat::showValue(c);
    plat::placeCtrl(c);
    plat::applyAccessibleName(c);
    plat::bindShortcut(c);
    plat::tagCtrlWidget(c.widget, p.handle, c.id);
    c.widget->setVisible(c.visible);
    p.tabOrder.push_back(c.id);
    p.zOrder.insert(p.zOrder.begin(), c.id);  // a newer control stacks in front
    p.nextCtrlId = std::max(p.nextCtrlId, c.id + 1);
    return 0;
}

}  // namespace

namespace plat {

int buildCtrl(Panel &panel, const CtrlDesc &desc)
{
    return buildFrom(panel, desc);
}

void matchNumericWidget(Ctrl &c)
{
    if (c.kind != CTRL_NUMERIC || !c.widget)
        return;
    const bool display = dynamic_cast<NumericDisplay *>(c.widget.data()) != nullptr;
    if (display == (c.mode == VAL_INDICATOR))
        return;
    QWidget *old = c.widget;
    QWidget *w = makeNumeric(c, old->parentWidget());
    w->setContextMenuPolicy(Qt::NoContextMenu);
    w->setToolTip(c.toolTip);
    w->setAccessibleDescription(c.toolTip);
    w->stackUnder(old);  // its place among the others
    c.widget = w;
    tagCtrlWidget(w, c.panel, c.id);
    applyLook(c);
    showValue(c);
    placeCtrl(c);
    applyAccessibleName(c);
    w->setVisible(c.visible);
    if (Panel *p = findPanel(c.panel))
        applyTabOrder(*p);
    disposeWidget(old);
}

void placeLabel(Ctrl &c)
{
    if (!c.widget)
        return;
    // '&' in a caption is text, not a mnemonic.
    QString caption = QString(c.labelText).replace("&", "&&");
    if (c.kind == CTRL_COMMAND_BUTTON || c.kind == CTRL_TOGGLE_BUTTON)
        static_cast<QPushButton *>(c.widget.data())->setText(caption);
    else if (c.kind == CTRL_BINARY_SWITCH)
        static_cast<QCheckBox *>(c.widget.data())->setText(caption);
    if (!c.label)
        return;
    c.label->setText(c.labelText);
    c.label->adjustSize();
    QRect g = c.widget->geometry();
    c.label->move(g.left(), std::max(0, g.top() - c.label->height() - 1));
    c.label->setVisible(c.visible && !c.labelText.isEmpty());
    c.label->setEnabled(!c.dimmed);
}

void applyAccessibleName(Ctrl &c)
{
    if (!c.widget)
        return;
    QString name = c.labelText.simplified();
    if (c.kind == CTRL_TEXT_MSG && name.isEmpty())
        name = static_cast<QLabel *>(c.widget.data())->text().simplified();
    if (name.isEmpty())
        name = readableName(c.name);
    if (name.isEmpty())
        name = QString::fromLatin1(kindName(c.kind));
    c.widget->setAccessibleName(name);
    // A composite control takes the keys in a part of it (a slide's handle);
    // that part is what a screen reader announces.
    if (QWidget *part = c.widget->focusProxy())
        part->setAccessibleName(name);
}

// Qt's tab chain follows the tab positions; controls that take no focus
// keep their position but are skipped by the chain.
void applyTabOrder(Panel &p)
{
    QWidget *prev = nullptr;
    for (int id : p.tabOrder) {
        Ctrl *c = findCtrl(p.handle, id);
        if (!c || !c->widget || c->widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (prev)
            QWidget::setTabOrder(prev, c->widget);
        prev = c->widget;
    }
}

// Stacks controls back to front; child panels stay above every control.
void applyZOrder(Panel &p)
{
    for (auto it = p.zOrder.rbegin(); it != p.zOrder.rend(); ++it) {
        Ctrl *c = findCtrl(p.handle, *it);
        if (!c || !c->widget)
            continue;
        c->widget->raise();
        if (c->label)
            c->label->raise();
    }
    for (int h : panelHandles()) {
        Panel *child = findPanel(h);
        if (child && child->parent == p.handle)
            child->widget->raise();
    }
}

}  // namespace plat

// Creates a control of the given kind at (top, left) with the default size
// of its kind; it goes in front of the others and last in the tab order.
int NewCtrl(int panel, int kind, const char *label, int top, int left)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    CtrlDesc d{};
    d.id = p->nextCtrlId;
    d.kind = kind;
    d.name = "";
    d.label = label;
    d.top = top;
    d.left = left;
    d.callback = nullptr;
    for (const DefaultSize &s : kDefaultSizes) {
        if (s.kind == kind) {
            d.width = s.width;
            d.height = s.height;
        }
    }
    if (kind == CTRL_NUMERIC || kind == CTRL_BAR)
        d.dataType = VAL_DOUBLE;
    int rc = buildFrom(*p, d);
    if (rc < 0)
        return rc;
    plat::applyTabOrder(*p);
    plat::applyZOrder(*p);
    return d.id;
}

int DiscardCtrl(int panel, int control)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    auto it = p->ctrls.find(control);
    if (it == p->ctrls.end())
        return UIEInvalidControlId;
    QPointer<QWidget> w = it->second->widget;
    QPointer<QLabel> label = it->second->label;
    p->ctrls.erase(it);
    std::erase(p->tabOrder, control);
    std::erase(p->zOrder, control);
    if (p->activeCtrl == control)
        p->activeCtrl = 0;
    plat::disposeWidget(label);
    plat::disposeWidget(w);
    return 0;
}

int InstallCtrlCallback(int panel, int control, CtrlCallbackPtr callback, void *callbackData)
{
    plat::Ctrl *c = plat::findCtrl(panel, control);
    if (!c)
        return plat::checkCtrl(panel, control);
    c->callback = callback;
    c->callbackData = callbackData;
    return 0;
}
