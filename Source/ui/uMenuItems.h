#ifndef IRRIKA_UI_UMENUITEMS_H
#define IRRIKA_UI_UMENUITEMS_H

// Menu items as the windows describe them: a component name, a caption with its '&'
// accelerator, a hint "Short | Long" whose long part the status line shows, a help context
// (0 none) and a group index. Radio items of one group check one another.

#include <QAction>

#include <string>
#include <vector>

class QActionGroup;
class QMenu;
class QMenuBar;

struct TMenuItemDef {
    const char *Name;
    const char *Caption;
    const char *Hint;
    int HelpContext;
    int GroupIndex;
};

// A plain item of a menu.
QAction *AddMenuItem(QMenu *menu, const TMenuItemDef &def);
// A top-level item that opens a submenu, on the bar or inside another menu.
QMenu *AddSubMenu(QMenuBar *bar, const TMenuItemDef &def);
QMenu *AddSubMenu(QMenu *menu, const TMenuItemDef &def);
// A top-level item without submenu, acted on when clicked.
QAction *AddBarItem(QMenuBar *bar, const TMenuItemDef &def);

// The properties every described item carries.
int HelpContextOf(const QAction *action);
int GroupIndexOf(const QAction *action);
std::string HintOf(const QAction *action);
// The long part of a hint: after the first '|', or all of it without one.
std::string LongHint(const std::string &hint);

// The radio items of one group index. Qt checks the clicked item before anyone hears of the
// click, so the group keeps the item that was checked before: what the unit menus need to
// know which unit to convert from. Every check the program makes goes through Check().
class TRadioMenuGroup {
public:
    TRadioMenuGroup(QObject *owner, int groupIndex);

    // Makes the item a radio item of this group.
    void Add(QAction *item);
    const std::vector<QAction *> &Items() const { return FItems; }
    bool Contains(const QAction *item) const;

    // The item checked before the click being handled (nullptr when none was).
    QAction *CheckedBefore() const { return FSettled; }
    QAction *Checked() const;
    // Every item gets Checked := (item = checked); nullptr unchecks all. What is checked then
    // is what the next click starts from.
    void Check(QAction *checked);
    int GroupIndex() const { return FGroupIndex; }

private:
    QActionGroup *FGroup;
    int FGroupIndex;
    std::vector<QAction *> FItems;
    QAction *FSettled = nullptr;
};

#endif
