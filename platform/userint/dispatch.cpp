// The one dispatch every event goes through, and the application-wide
// input filter that turns the operator's mouse, keys and focus changes on
// the real widgets into events for the callbacks. Also the active control
// and FakeKeystroke.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

namespace {

using plat::Ctrl;

const char *const kPanelProperty = "orvellePanel";
const char *const kCtrlProperty = "orvelleCtrl";

struct Target {
    int panel = 0;
    int ctrl = 0;  // 0: the panel itself
    QWidget *widget = nullptr;  // the tagged widget found
    bool operator==(const Target &o) const { return panel == o.panel && ctrl == o.ctrl; }
};

// The control or panel a widget belongs to; the search stops at windows
// that are no panel (popups, dialogs).
Target targetOf(QObject *obj)
{
    QWidget *w = qobject_cast<QWidget *>(obj);
    while (w) {
        QVariant panel = w->property(kPanelProperty);
        if (panel.isValid()) {
            return {panel.toInt(), w->property(kCtrlProperty).toInt(), w};
        }
        if (w->isWindow())
            break;
        w = w->parentWidget();
    }
    return {};
}

// A mouse event propagates to the parents as new event objects with the
// same time stamp; only the first receiver raises the event.
struct MouseKey {
    int type = 0;
    quint64 timestamp = 0;
    QPointF global;
    int button = 0;
    bool operator==(const MouseKey &o) const
    {
        return type == o.type && timestamp == o.timestamp && global == o.global &&
               button == o.button;
    }
};

// The control that last got the focus; it keeps it while a popup or
// another program has the keyboard.
Target focused;

struct KeyStamp {
    int key = 0;
    int modifiers = 0;
    quint64 timestamp = 0;
    bool operator==(const KeyStamp &o) const
    {
        return key == o.key && modifiers == o.modifiers && timestamp == o.timestamp;
    }
};

MouseKey lastMouse;
const QEvent *lastKeyEvent = nullptr;
KeyStamp lastKeyStamp;
QPointer<QWidget> lastKeyReceiver;
int activePanel = 0;

int mouseEventCode(const QMouseEvent *me)
{
    if (me->button() == Qt::RightButton)
        return EVENT_RIGHT_CLICK;
    if (me->button() != Qt::LeftButton)
        return EVENT_NONE;
    return me->type() == QEvent::MouseButtonDblClick ? EVENT_LEFT_DOUBLE_CLICK : EVENT_LEFT_CLICK;
}

// Kinds whose value a click would change; read-only ones drop the click.
bool clickChangesValue(int kind)
{
    return kind == CTRL_COMMAND_BUTTON || kind == CTRL_TOGGLE_BUTTON || kind == CTRL_RING ||
           kind == CTRL_LIST_BUTTON || kind == CTRL_SLIDE || kind == CTRL_BINARY_SWITCH ||
           kind == CTRL_NUMERIC;
}

bool handleMouse(QObject *obj, QMouseEvent *me)
{
    Target t = targetOf(obj);
    if (!t.panel || (t.ctrl == 0 && t.widget != obj))
        return false;
    MouseKey key{me->type(), me->timestamp(), me->globalPosition(), static_cast<int>(me->button())};
    if (key == lastMouse)
        return false;
    lastMouse = key;
    int event = mouseEventCode(me);
    QWidget *panelW = plat::panelWidget(t.panel);
    if (event == EVENT_NONE || !panelW || !t.widget->isEnabled())
        return false;
    // The place in the panel's pixels at 100 %, whatever its window's size.
    const QPointF at = panelW->mapFromGlobal(me->globalPosition());
    const plat::Panel *p = plat::findPanel(t.panel);
    plat::dispatch(t.panel, t.ctrl, event, static_cast<int>(at.y() / p->scaleY),
                   static_cast<int>(at.x() / p->scaleX));
    if (t.ctrl == 0)
        return !plat::findPanel(t.panel);
    Ctrl *c = plat::findCtrl(t.panel, t.ctrl);
    return !c || (c->mode == VAL_INDICATOR && clickChangesValue(c->kind));
}

// The wheel would change a read-only ring, slide or numeric; drop it there.
bool readOnlyTarget(QObject *obj)
{
    Target t = targetOf(obj);
    Ctrl *c = t.ctrl ? plat::findCtrl(t.panel, t.ctrl) : nullptr;
    return c && c->mode == VAL_INDICATOR && clickChangesValue(c->kind);
}

bool handleKey(QObject *obj, QKeyEvent *ke)
{
    auto *w = qobject_cast<QWidget *>(obj);
    if (!w)
        return false;
    // An unaccepted key travels to the parents as the same event object. A
    // new key may be made where the last one was (on the stack): the key,
    // its modifiers and its time tell the two apart.
    const KeyStamp stamp{ke->key(), static_cast<int>(ke->modifiers()), ke->timestamp()};
    if (ke == lastKeyEvent && stamp == lastKeyStamp && lastKeyReceiver && w != lastKeyReceiver &&
        w->isAncestorOf(lastKeyReceiver))
        return false;
    lastKeyEvent = ke;
    lastKeyStamp = stamp;
    lastKeyReceiver = w;
    Target t = targetOf(w);
    if (!t.panel || !t.widget->isEnabled())
        return false;
    int code = plat::keyCodeFromQt(ke->key(), ke->modifiers(), ke->text());
    if (code == 0)
        return false;
    if (t.ctrl) {
        const Target before = focused;
        int swallow = plat::dispatch(t.panel, t.ctrl, EVENT_KEYPRESS, code, 0);
        // A callback that gave the focus to another control has handled the
        // key; the widget would otherwise act on it too (Shift+Tab moving twice).
        if (swallow != 0 || !plat::findCtrl(t.panel, t.ctrl) || !(focused == before))
            return true;
    }
    // A key no control kept goes to its panel's callback, also in a window
    // where no control has the focus.
    return plat::dispatch(t.panel, 0, EVENT_KEYPRESS, code, 0) != 0;
}

// Leaving a text entry typed into since its last commit commits it; text
// written by the program meanwhile (a completion) does not change that.
void commitOnLeave(const Target &t)
{
    Ctrl *c = plat::findCtrl(t.panel, t.ctrl);
    if (!c || !c->edited || (c->kind != CTRL_STRING && c->kind != CTRL_TEXT_BOX))
        return;
    c->edited = false;
    plat::dispatch(t.panel, t.ctrl, EVENT_COMMIT, 0, 0);
}

// Reports a move of the focus: the control left commits a changed text and
// loses the focus, the control reached gets it.
void moveFocusTo(const Target &to)
{
    if (to == focused)
        return;
    Target from = focused;
    focused = to;
    if (from.ctrl) {
        commitOnLeave(from);
        plat::dispatch(from.panel, from.ctrl, EVENT_LOST_FOCUS, 0, 0);
    }
    if (to.ctrl && plat::findCtrl(to.panel, to.ctrl)) {
        plat::findPanel(to.panel)->activeCtrl = to.ctrl;
        activePanel = to.panel;
        plat::dispatch(to.panel, to.ctrl, EVENT_GOT_FOCUS, 0, 0);
    }
}

// Focus moving into a dialog or out of the program is no change for the
// controls: the run-time reports moves between controls only.
void focusChanged(QWidget *, QWidget *now)
{
    Target to = targetOf(now);
    if (to.panel)
        moveFocusTo(to);
}

class InputFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *obj, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return handleMouse(obj, static_cast<QMouseEvent *>(e));
        case QEvent::KeyPress:
            return handleKey(obj, static_cast<QKeyEvent *>(e));
        case QEvent::Wheel:
            return readOnlyTarget(obj);
        case QEvent::ContextMenu:
            // A right click is the callback's (help texts); no Qt menus on panels.
            return targetOf(obj).panel != 0;
        default:
            return false;
        }
    }
};

}  // namespace

namespace plat {

void installInputFilter()
{
    static InputFilter *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new InputFilter(qApp);
    qApp->installEventFilter(filter);
    QObject::connect(qApp, &QApplication::focusChanged, filter, focusChanged);
}

void tagCtrlWidget(QWidget *w, int panel, int control)
{
    w->setProperty(kPanelProperty, panel);
    w->setProperty(kCtrlProperty, control);
}

void tagPanelWidget(QWidget *w, int panel)
{
    w->setProperty(kPanelProperty, panel);
}

void forgetPanel(int handle)
{
    if (activePanel == handle)
        activePanel = 0;
}

void noteActivePanel(int handle)
{
    activePanel = handle;
}

void resetDispatchState()
{
    activePanel = 0;
    lastMouse = {};
    lastKeyEvent = nullptr;
    lastKeyStamp = {};
    lastKeyReceiver = nullptr;
    focused = {};
}

QWidget *ctrlWidget(int panel, int control)
{
    Ctrl *c = findCtrl(panel, control);
    return c ? c->widget.data() : nullptr;
}

int checkCtrl(int panel, int control)
{
    if (!findPanel(panel))
        return UIEHandleInvalid;
    return findCtrl(panel, control) ? 0 : UIEInvalidControlId;
}

int ctrlKind(int panel, int control)
{
    Ctrl *c = findCtrl(panel, control);
    return c ? c->kind : checkCtrl(panel, control);
}

int dispatch(int panel, int control, int event, int eventData1, int eventData2)
{
    CtrlCallbackPtr callback = nullptr;
    void *data = nullptr;
    if (control == 0) {
        Panel *p = findPanel(panel);
        if (!p)
            return 0;
        callback = p->callback;
        data = p->callbackData;
    } else {
        Ctrl *c = findCtrl(panel, control);
        if (!c)
            return 0;
        callback = c->callback;
        data = c->callbackData;
    }
    if (!callback)
        return 0;
    ++callbackDepth();
    int result = callback(panel, control, event, data, eventData1, eventData2);
    --callbackDepth();
    return result;
}

}  // namespace plat

// Gives the control the keyboard focus (when its panel is shown) and makes
// it the panel's active control.
int SetActiveCtrl(int panel, int control)
{
    Ctrl *c = plat::findCtrl(panel, control);
    if (!c)
        return plat::checkCtrl(panel, control);
    plat::findPanel(panel)->activeCtrl = control;
    activePanel = panel;
    if (c->widget->focusPolicy() != Qt::NoFocus)
        c->widget->setFocus(Qt::OtherFocusReason);
    // In a window without the keyboard Qt moves no focus; report the move
    // all the same, as a program's own focus change always is.
    Target now = targetOf(QApplication::focusWidget());
    if (!(now.panel == panel && now.ctrl == control))
        moveFocusTo({panel, control, c->widget});
    return 0;
}

// The panel's active control: the one with the focus or last given it, else
// the first in tab order that takes the focus; 0 when there is none.
int GetActiveCtrl(int panel)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    if (p->activeCtrl && plat::findCtrl(panel, p->activeCtrl))
        return p->activeCtrl;
    for (int id : p->tabOrder) {
        Ctrl *c = plat::findCtrl(panel, id);
        if (c && c->widget && c->widget->focusPolicy() != Qt::NoFocus)
            return id;
    }
    return 0;
}

// Sends the key to the focused widget, or to the active control of the
// active panel when no window has the focus; a button shortcut takes it
// first, as it would from the keyboard.
int FakeKeystroke(int keyCode)
{
    int qtKey = 0;
    Qt::KeyboardModifiers mods;
    QString text;
    plat::qtKeyFromCode(keyCode, &qtKey, &mods, &text);
    if (qtKey == 0)
        return UIEBadValueType;
    QWidget *target = QApplication::focusWidget();
    if (!target) {
        plat::Panel *p = plat::findPanel(activePanel);
        if (p && p->activeCtrl)
            target = plat::ctrlWidget(activePanel, p->activeCtrl);
    }
    if (!target)
        return 0;
    if (plat::pressShortcut(target->window(), keyCode))
        return 0;
    QPointer<QWidget> guard = target;
    QKeyEvent press(QEvent::KeyPress, qtKey, mods, text);
    QApplication::sendEvent(target, &press);
    if (guard) {
        QKeyEvent release(QEvent::KeyRelease, qtKey, mods, text);
        QApplication::sendEvent(guard, &release);
    }
    return 0;
}
