// Panels: loading from a registered resource, showing, hiding, placing,
// discarding, and the panel attributes. Handles are positive, never reused
// and never equal to a resource id.
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include "platform/userint/outline.h"
#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

namespace {

constexpr int kChildFrameGrey = 0x808080;

// A panel: a top-level window (parent 0) or a child widget inside its parent
// panel. Closing a window only reports EVENT_CLOSE; the callback decides.
class PanelWidget : public QWidget {
public:
    PanelWidget(int handle, QWidget *parent) : QWidget(parent), handle_(handle) {}

protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        plat::dispatch(handle_, 0, EVENT_CLOSE, 0, 0);
    }
    // Background clicks are reported by the input filter; they stop here so
    // an enclosing panel does not see them as its own.
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }
    void paintEvent(QPaintEvent *) override
    {
        if (!parentWidget())
            return;
        QPainter p(this);
        plat::drawOutline(p, rect().adjusted(0, 0, -1, -1), plat::toQColor(kChildFrameGrey));
    }
    void resizeEvent(QResizeEvent *) override { plat::panelResized(handle_); }
    // A window moved to a smaller screen shrinks to fit it.
    void showEvent(QShowEvent *) override
    {
        if (parentWidget() || watchingScreen_ || !windowHandle())
            return;
        watchingScreen_ = true;
        const int handle = handle_;
        // After the move that changed the screen has been taken in.
        connect(windowHandle(), &QWindow::screenChanged, this, [this, handle](QScreen *) {
            QTimer::singleShot(0, this, [handle] { plat::fitToScreen(handle); });
        });
    }

private:
    int handle_;
    bool watchingScreen_ = false;
};

std::map<int, std::unique_ptr<plat::Panel>> &panels()
{
    static std::map<int, std::unique_ptr<plat::Panel>> table;
    return table;
}

int nextHandle = plat::kFirstPanelHandle;

// Every callback named by the description is registered, else the code.
int resolveCallbacks(const PanelDesc &desc)
{
    if (desc.callback && !FindCallback(desc.callback))
        return UIECallbackNotFound;
    for (int i = 0; i < desc.numCtrls; ++i) {
        const char *name = desc.ctrls[i].callback;
        if (name && *name && !FindCallback(name))
            return UIECallbackNotFound;
    }
    return 0;
}

QWidget *makePanelWidget(plat::Panel &p, const PanelDesc &desc, QWidget *parentWidget)
{
    auto *w = new PanelWidget(p.handle, parentWidget);
    w->setAutoFillBackground(true);
    if (desc.backgroundColor >= 0) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, plat::toQColor(desc.backgroundColor));
        w->setPalette(pal);
    }
    p.designTop = desc.top;
    p.designLeft = desc.left;
    p.designWidth = desc.width;
    p.designHeight = desc.height;
    p.widget = w;
    if (parentWidget) {
        w->hide();
        plat::placeChildPanel(p);  // at the parent's scale
    } else {
        p.sizable = desc.sizable != 0;
        p.scaleContents = desc.scaleContents != 0;
        w->setWindowTitle(p.title);
        w->resize(desc.width, desc.height);
        plat::applySizable(p);
        w->move(desc.left, desc.top);
    }
    plat::tagPanelWidget(w, p.handle);
    w->setAccessibleName(p.title);
    return w;
}

}  // namespace

namespace plat {

Panel *findPanel(int handle)
{
    auto it = panels().find(handle);
    if (it == panels().end() || !it->second->widget)
        return nullptr;
    return it->second.get();
}

Ctrl *findCtrl(int panel, int control)
{
    Panel *p = findPanel(panel);
    if (!p)
        return nullptr;
    auto it = p->ctrls.find(control);
    return it == p->ctrls.end() ? nullptr : it->second.get();
}

std::vector<int> panelHandles()
{
    std::vector<int> out;
    for (auto &entry : panels())
        out.push_back(entry.first);
    return out;
}

int &callbackDepth()
{
    static int depth = 0;
    return depth;
}

// Deletes a widget now, or later while a callback (possibly its own) runs.
void disposeWidget(QWidget *w)
{
    if (!w)
        return;
    if (callbackDepth() > 0) {
        w->hide();
        w->deleteLater();
    } else {
        delete w;
    }
}

void discardPanelRecord(int handle)
{
    std::vector<int> children;
    for (auto &entry : panels()) {
        if (entry.second->parent == handle)
            children.push_back(entry.first);
    }
    for (int child : children)
        discardPanelRecord(child);
    auto it = panels().find(handle);
    if (it == panels().end())
        return;
    // The record goes first, so focus changes while the widget hides find
    // no callback to call.
    QPointer<QWidget> w = it->second->widget;
    panels().erase(it);
    forgetPanel(handle);
    disposeWidget(w);
}

QWidget *panelWidget(int panel)
{
    Panel *p = findPanel(panel);
    return p ? p->widget.data() : nullptr;
}

}  // namespace plat

// Builds the panel; on any failure nothing is left behind.
int LoadPanel(int parentPanel, const char *resourceFile, int panelResourceId)
{
    plat::installInputFilter();
    QWidget *parentWidget = nullptr;
    if (parentPanel != 0) {
        parentWidget = plat::panelWidget(parentPanel);
        if (!parentWidget)
            return UIEHandleInvalid;
    }
    const PanelDesc *desc = plat::findPanelDesc(resourceFile, panelResourceId);
    if (!desc || desc->numCtrls < 0 || (desc->numCtrls > 0 && !desc->ctrls))
        return UIEResourceNotFound;
    if (int rc = resolveCallbacks(*desc); rc < 0)
        return rc;

    auto rec = std::make_unique<plat::Panel>();
    rec->handle = nextHandle++;
    rec->resourceId = panelResourceId;
    rec->parent = parentPanel;
    rec->title = plat::fromUtf8(desc->title);
    rec->callback = FindCallback(desc->callback);
    rec->widget = makePanelWidget(*rec, *desc, parentWidget);
    plat::Panel &p = *rec;
    panels()[p.handle] = std::move(rec);

    for (int i = 0; i < desc->numCtrls; ++i) {
        int rc = plat::buildCtrl(p, desc->ctrls[i]);
        if (rc < 0) {
            plat::discardPanelRecord(p.handle);
            return rc;
        }
    }
    plat::applyTabOrder(p);
    plat::applyZOrder(p);
    return p.handle;
}

int DisplayPanel(int panel)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    p->widget->show();
    if (p->parent != 0) {
        p->widget->raise();
    } else {
        plat::fitToScreen(panel);
        p->widget->activateWindow();
    }
    plat::noteActivePanel(panel);
    return 0;
}

int HidePanel(int panel)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    p->widget->hide();
    return 0;
}

int DiscardPanel(int panel)
{
    if (!plat::findPanel(panel))
        return UIEHandleInvalid;
    plat::discardPanelRecord(panel);
    return 0;
}

// A child panel's place is in its parent's pixels at 100 %; a window's is
// on the screen.
int SetPanelPos(int panel, int top, int left)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    if (p->parent != 0) {
        p->designTop = top;
        p->designLeft = left;
        plat::placeChildPanel(*p);
    } else {
        p->widget->move(left, top);
    }
    return 0;
}

int InstallPanelCallback(int panel, PanelCallbackPtr callback, void *callbackData)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    p->callback = callback;
    p->callbackData = callbackData;
    return 0;
}

int IsPanelVisible(int panel)
{
    plat::Panel *p = plat::findPanel(panel);
    if (!p)
        return UIEHandleInvalid;
    return p->widget->isVisible() ? 1 : 0;
}
