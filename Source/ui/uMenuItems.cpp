#include "uMenuItems.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

const char *const kHelpContext = "HelpContext";
const char *const kGroupIndex = "GroupIndex";
const char *const kHint = "Hint";

void Describe(QAction *action, const TMenuItemDef &def)
{
    action->setObjectName(def.Name);
    action->setText(QString::fromUtf8(def.Caption));
    action->setProperty(kHelpContext, def.HelpContext);
    action->setProperty(kGroupIndex, def.GroupIndex);
    const std::string hint = def.Hint ? def.Hint : "";
    action->setProperty(kHint, QString::fromStdString(hint));
    // The status line shows the long part; the window's hint handler picks it out.
    action->setStatusTip(QString::fromStdString(hint));
}

}  // namespace

QAction *AddMenuItem(QMenu *menu, const TMenuItemDef &def)
{
    QAction *action = menu->addAction(QString());
    Describe(action, def);
    return action;
}

QMenu *AddSubMenu(QMenuBar *bar, const TMenuItemDef &def)
{
    QMenu *menu = bar->addMenu(QString::fromUtf8(def.Caption));
    menu->setObjectName(QString(def.Name) + "Menu");
    Describe(menu->menuAction(), def);
    return menu;
}

QMenu *AddSubMenu(QMenu *parent, const TMenuItemDef &def)
{
    QMenu *menu = parent->addMenu(QString::fromUtf8(def.Caption));
    menu->setObjectName(QString(def.Name) + "Menu");
    Describe(menu->menuAction(), def);
    return menu;
}

QAction *AddBarItem(QMenuBar *bar, const TMenuItemDef &def)
{
    QAction *action = bar->addAction(QString());
    Describe(action, def);
    return action;
}

int HelpContextOf(const QAction *action) { return action ? action->property(kHelpContext).toInt() : 0; }

int GroupIndexOf(const QAction *action) { return action ? action->property(kGroupIndex).toInt() : 0; }

std::string HintOf(const QAction *action)
{
    return action ? action->property(kHint).toString().toStdString() : std::string();
}

std::string LongHint(const std::string &hint)
{
    const std::size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

TRadioMenuGroup::TRadioMenuGroup(QObject *owner, int groupIndex)
    : FGroup(new QActionGroup(owner)), FGroupIndex(groupIndex)
{
    FGroup->setObjectName(QString("RadioGroup%1").arg(groupIndex));
    FGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

void TRadioMenuGroup::Add(QAction *item)
{
    item->setCheckable(true);
    FGroup->addAction(item);
    FItems.push_back(item);
}

bool TRadioMenuGroup::Contains(const QAction *item) const
{
    return std::find(FItems.begin(), FItems.end(), item) != FItems.end();
}

QAction *TRadioMenuGroup::Checked() const
{
    for (QAction *item : FItems) {
        if (item->isChecked())
            return item;
    }
    return nullptr;
}

void TRadioMenuGroup::Check(QAction *checked)
{
    // Qt's exclusive group refuses to uncheck its last item; let go of it for the moment.
    FGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (QAction *item : FItems)
        item->setChecked(item == checked);
    FGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    FSettled = checked;
}
