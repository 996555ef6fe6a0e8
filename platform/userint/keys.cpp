// Key codes: conversion between Qt's key events and the run-time's codes
// (a character in bits 0 to 7, a virtual key in bits 8 to 15, modifier
// bits above), and the shortcut keys of buttons.
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

namespace {

// Virtual keys the interface header leaves out; codes in the free slots.
constexpr int kInsertVKey = 0x0300;
constexpr int kPageUpVKey = 0x0A00;
constexpr int kPageDownVKey = 0x0B00;
constexpr int kHomeVKey = 0x0E00;
constexpr int kEndVKey = 0x0F00;
constexpr int kNumFunctionKeys = 12;
constexpr int kFirstPrintable = 0x20;
constexpr int kDeleteChar = 0x7F;
constexpr int kLastLatin1 = 0xFF;

struct VKey {
    int qt;
    int code;
    const char *text;
};
constexpr VKey kVKeys[] = {
    {Qt::Key_Backspace, VAL_BACKSPACE_VKEY, "\b"}, {Qt::Key_Delete, VAL_FWD_DELETE_VKEY, ""},
    {Qt::Key_Insert, kInsertVKey, ""},            {Qt::Key_Tab, VAL_TAB_VKEY, "\t"},
    {Qt::Key_Return, VAL_ENTER_VKEY, "\r"},       {Qt::Key_Enter, VAL_ENTER_VKEY, "\r"},
    {Qt::Key_Up, VAL_UP_ARROW_VKEY, ""},          {Qt::Key_Down, VAL_DOWN_ARROW_VKEY, ""},
    {Qt::Key_Left, VAL_LEFT_ARROW_VKEY, ""},      {Qt::Key_Right, VAL_RIGHT_ARROW_VKEY, ""},
    {Qt::Key_PageUp, kPageUpVKey, ""},            {Qt::Key_PageDown, kPageDownVKey, ""},
    {Qt::Key_Home, kHomeVKey, ""},                {Qt::Key_End, kEndVKey, ""},
    {Qt::Key_Escape, VAL_ESC_VKEY, "\x1b"},
};

int modifierBits(Qt::KeyboardModifiers mods, bool withShift)
{
    int bits = 0;
    if (withShift && (mods & Qt::ShiftModifier))
        bits |= VAL_SHIFT_MODIFIER;
    if (mods & Qt::ControlModifier)
        bits |= VAL_MENUKEY_MODIFIER;
    return bits;
}

// Shift+Tab arrives from Qt as a key of its own.
int virtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kNumFunctionKeys)
        return VAL_F1_VKEY + (qtKey - Qt::Key_F1) * 0x100;
    if (qtKey == Qt::Key_Backtab)
        return VAL_TAB_VKEY;
    for (const VKey &k : kVKeys) {
        if (k.qt == qtKey)
            return k.code;
    }
    return 0;
}

// The button's shortcut: commit for a command button; a toggle button
// changes its state first. Dimmed, hidden or read-only buttons ignore it.
void shortcutPressed(int panel, int control)
{
    plat::Ctrl *c = plat::findCtrl(panel, control);
    if (!c || !c->widget || !c->widget->isEnabled() || !c->widget->isVisible() ||
        c->mode == VAL_INDICATOR)
        return;
    if (c->kind == CTRL_TOGGLE_BUTTON) {
        c->value = c->value != 0 ? 0 : 1;
        plat::showValue(*c);
        plat::operatorChanged(panel, control);
    } else {
        plat::dispatch(panel, control, EVENT_COMMIT, 0, 0);
    }
}

}  // namespace

namespace plat {

int keyCodeFromQt(int qtKey, Qt::KeyboardModifiers mods, const QString &text)
{
    if (int vkey = virtualKey(qtKey))
        return vkey | modifierBits(mods, true) | (qtKey == Qt::Key_Backtab ? VAL_SHIFT_MODIFIER : 0);
    // Ctrl with a letter gives a control character as text; use the letter.
    if ((mods & Qt::ControlModifier) && qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return ('a' + (qtKey - Qt::Key_A)) | VAL_MENUKEY_MODIFIER;
    if (text.isEmpty())
        return 0;
    int ch = text.at(0).unicode();
    if (ch < kFirstPrintable || ch == kDeleteChar || ch > kLastLatin1)
        return 0;
    // The character already carries Shift; only Ctrl is added.
    return ch | modifierBits(mods, false);
}

void qtKeyFromCode(int keyCode, int *qtKey, Qt::KeyboardModifiers *mods, QString *text)
{
    *mods = Qt::NoModifier;
    if (keyCode & VAL_SHIFT_MODIFIER)
        *mods |= Qt::ShiftModifier;
    if (keyCode & VAL_MENUKEY_MODIFIER)
        *mods |= Qt::ControlModifier;
    int vkey = keyCode & VAL_VKEY_MASK;
    *qtKey = 0;
    text->clear();
    if (vkey >= VAL_F1_VKEY && vkey < VAL_F1_VKEY + kNumFunctionKeys * 0x100) {
        *qtKey = Qt::Key_F1 + (vkey - VAL_F1_VKEY) / 0x100;
        return;
    }
    if (vkey == VAL_TAB_VKEY && (keyCode & VAL_SHIFT_MODIFIER)) {
        *qtKey = Qt::Key_Backtab;
        return;
    }
    if (vkey) {
        for (const VKey &k : kVKeys) {
            if (k.code == vkey) {
                *qtKey = k.qt;
                *text = QString::fromLatin1(k.text);
                return;
            }
        }
        return;
    }
    int ch = keyCode & VAL_ASCII_KEY_MASK;
    if (ch == 0)
        return;
    QChar c(static_cast<char16_t>(ch));
    *qtKey = c.toUpper().unicode();
    if (!(keyCode & VAL_MENUKEY_MODIFIER))
        *text = QString(c);
}

// (Re)binds the button's shortcut key within its top-level window.
void bindShortcut(Ctrl &c)
{
    if (!c.widget)
        return;
    for (QShortcut *old : c.widget->findChildren<QShortcut *>(Qt::FindDirectChildrenOnly))
        delete old;
    if (c.shortcutKey == 0 || (c.kind != CTRL_COMMAND_BUTTON && c.kind != CTRL_TOGGLE_BUTTON))
        return;
    int qtKey = 0;
    Qt::KeyboardModifiers mods;
    QString text;
    qtKeyFromCode(c.shortcutKey, &qtKey, &mods, &text);
    if (qtKey == 0)
        return;
    auto *sc = new QShortcut(QKeySequence(QKeyCombination(mods, Qt::Key(qtKey))), c.widget);
    sc->setContext(Qt::WindowShortcut);
    int panel = c.panel, id = c.id;
    QObject::connect(sc, &QShortcut::activated, sc, [panel, id] { shortcutPressed(panel, id); });
    QObject::connect(sc, &QShortcut::activatedAmbiguously, sc,
                     [panel, id] { shortcutPressed(panel, id); });
}

// A button in window whose shortcut is keyCode and that would take it now;
// presses it and returns true.
bool pressShortcut(QWidget *window, int keyCode)
{
    for (int h : panelHandles()) {
        Panel *p = findPanel(h);
        if (!p || p->widget->window() != window)
            continue;
        for (auto &entry : p->ctrls) {
            Ctrl &c = *entry.second;
            if (c.shortcutKey == keyCode && c.widget && c.widget->isEnabled() &&
                c.widget->isVisible()) {
                shortcutPressed(h, c.id);
                return true;
            }
        }
    }
    return false;
}

}  // namespace plat
