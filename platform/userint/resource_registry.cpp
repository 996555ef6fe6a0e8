// The registered user-interface resources and callbacks: LoadPanel finds
// panel descriptions by file name and id here, and callback names resolve
// to functions here.
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include <QByteArray>
#include <QFileInfo>

#include "platform/userint/resource.h"
#include "platform/userint/ui_model.h"

namespace {

struct ResourceFile {
    std::string name;  // file name without directories, as registered
    const PanelDesc *panels;
    int numPanels;
};

std::vector<ResourceFile> &resourceFiles()
{
    static std::vector<ResourceFile> files;
    return files;
}

std::unordered_map<std::string, CtrlCallbackPtr> &callbackTable()
{
    static std::unordered_map<std::string, CtrlCallbackPtr> table;
    return table;
}

// A resource is found by its bare file name, so "dir/Orvelle.uir" and
// "Orvelle.uir" mean the same registration.
std::string bareName(const char *file)
{
    return QFileInfo(QString::fromUtf8(file)).fileName().toStdString();
}

}  // namespace

// Registers (or replaces) the panels of one resource file.
int RegisterPanelResource(const char *resourceFile, const PanelDesc *panels, int numPanels)
{
    if (!resourceFile || !panels || numPanels <= 0)
        return UIEResourceNotFound;
    std::string name = bareName(resourceFile);
    for (ResourceFile &f : resourceFiles()) {
        if (f.name == name) {
            f.panels = panels;
            f.numPanels = numPanels;
            return 0;
        }
    }
    resourceFiles().push_back({name, panels, numPanels});
    return 0;
}

// Adds callbacks by name; a name registered again takes the newer function.
int RegisterCallbacks(const CallbackEntry *entries, int numEntries)
{
    if (!entries || numEntries < 0)
        return UIECallbackNotFound;
    for (int i = 0; i < numEntries; ++i) {
        if (entries[i].name && entries[i].function)
            callbackTable()[entries[i].name] = entries[i].function;
    }
    return 0;
}

// The function registered under name, nullptr when there is none.
CtrlCallbackPtr FindCallback(const char *name)
{
    if (!name)
        return nullptr;
    auto it = callbackTable().find(name);
    return it == callbackTable().end() ? nullptr : it->second;
}

namespace plat {

// The description of one panel of a registered resource, nullptr if unknown.
const PanelDesc *findPanelDesc(const char *resourceFile, int resourceId)
{
    if (!resourceFile)
        return nullptr;
    std::string name = bareName(resourceFile);
    for (const ResourceFile &f : resourceFiles()) {
        if (f.name != name)
            continue;
        for (int i = 0; i < f.numPanels; ++i) {
            if (f.panels[i].resourceId == resourceId)
                return &f.panels[i];
        }
    }
    return nullptr;
}

}  // namespace plat
