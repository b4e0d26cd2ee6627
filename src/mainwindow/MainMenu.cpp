#include "mainwindow/MainMenu.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace tw {

namespace {

    enum class Kind { Command, Check, Radio, Separator };

    struct Item {
        const char* name;
        const char* caption;
        Kind kind = Kind::Command;
    };

    QAction* AddItem(QMenu& menu, const Item& item, QActionGroup* group)
    {
        if (item.kind == Kind::Separator) {
            QAction* separator = menu.addSeparator();
            if (item.name)
                separator->setObjectName(QString::fromLatin1(item.name));
            return separator;
        }
        QAction* action = menu.addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setEnabled(false);
        if (item.kind != Kind::Command)
            action->setCheckable(true);
        if (item.kind == Kind::Radio && group)
            group->addAction(action);
        return action;
    }

    QMenu* AddMenu(QWidget& owner, const char* name, const char* caption, std::initializer_list<Item> items)
    {
        auto* menu = new QMenu(QString::fromUtf8(caption), &owner);
        menu->setObjectName(QString::fromLatin1(name));
        QActionGroup* group = nullptr;
        for (const Item& item : items) {
            if (item.kind == Kind::Radio && !group) {
                group = new QActionGroup(menu);
                group->setExclusive(true);
            }
            AddItem(*menu, item, group);
        }
        return menu;
    }

} // namespace

void BuildMainMenu(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    constexpr auto Sep = Kind::Separator;

    bar->addMenu(AddMenu(window, "mnuFile", "&File",
        {
            { "mnuPNew", "&New Color Palette" },
            { "mnuPD", "Open &Default Color Palette" },
            { "mnuPO", "Open &Color Palette..." },
            { "mnuPS", "Save C&olor Palette As..." },
            { "mnuLine6", nullptr, Sep },
            { "mnuOpen1", "&Open Color As Color #1..." },
            { "mnuOpen2", "O&pen Color As Color #2..." },
            { "mnuSave1", "&Save Color #1 As..." },
            { "mnuSave2", "S&ave Color #2 As..." },
            { "mnuline5", nullptr, Sep },
            { "mnuHistory", "Color &History..." },
            { nullptr, nullptr, Sep },
            { "mnuHTML", "&HTML Stylesheet Editor..." },
            { nullptr, nullptr, Sep },
            { "mnuExitMin", "&Minimize to System Tray" },
            { "mnuExit", "E&xit" },
        }));

    QMenu* options = AddMenu(window, "mnuOpts", "&Options", {});
    QMenu* codes = AddMenu(window, "mnuVCodes", "&Visible Color Code Values",
        {
            { "mnuVCode0", "Show &All" },
            { "mnuVCode1", "Show &None" },
            { "mnuVCode2", nullptr, Sep },
            { "mnuVCode3", "&RGB", Kind::Check },
            { "mnuVCode4", "H&SL", Kind::Check },
            { "mnuVCode5", "&C++ Hex", Kind::Check },
            { "mnuVCode6", "&Delphi Hex", Kind::Check },
            { "mnuVCode7", "&HTML Hex", Kind::Check },
            { "mnuVCode8", "&VB Hex", Kind::Check },
        });
    codes->menuAction()->setObjectName(QStringLiteral("mnuVCodesAction"));
    options->addMenu(codes);
    options->addSeparator();
    AddItem(*options, { "mnuStick", "&Stick Color Boxes Together", Kind::Check }, nullptr);
    options->addSeparator();
    AddItem(*options, { "mnuTop", "Always on &Top", Kind::Check }, nullptr);
    AddItem(*options, { "mnuHide", "&Compact Mode", Kind::Check }, nullptr);
    options->addMenu(AddMenu(window, "mnuTrans", "&Transparent",
        {
            { "mnuTP0", "&Very High Transparency", Kind::Radio },
            { "mnuTP1", "&High Transparency", Kind::Radio },
            { "mnuTP2", "&Medium Transparency", Kind::Radio },
            { "mnuTP3", "&Low Transparency", Kind::Radio },
            { "mnuTP4", "&No Transparency", Kind::Radio },
        }));
    options->addMenu(AddMenu(window, "mnuSchemeA", "Window Color &Scheme",
        {
            { "mnuScheme0", "&Default", Kind::Radio },
            { "mnuScheme1", "&Mystic Night", Kind::Radio },
            { "mnuScheme2", "Sea Breeze &Blue", Kind::Radio },
            { "mnuScheme3", "Forest &Green", Kind::Radio },
            { "mnuScheme4", "&Purple Haze", Kind::Radio },
            { "mnuScheme5", "Dusty &Rose", Kind::Radio },
        }));
    options->addSeparator();
    AddItem(*options, { "mnuNotify", "&Notify Me When Auto-Correcting Code", Kind::Check }, nullptr);
    AddItem(*options, { "mnuHigh", "Auto &Highlight Code", Kind::Check }, nullptr);
    bar->addMenu(options);

    bar->addMenu(AddMenu(window, "mnuHelp", "&Help",
        {
            { "mnuTips", "Help &Topics..." },
            { nullptr, nullptr, Sep },
            { "mnuCheck", "Check for &Updates..." },
            { nullptr, nullptr, Sep },
            { "mnuAbout", "&About..." },
            { nullptr, nullptr, Sep },
            { "mnuUninstall", "&Uninstall Tintwise Color Picker..." },
        }));

    // Pop-up menus: owned by the window, never on the menu bar.
    AddMenu(window, "mnuMenu", "Menu",
        {
            { "mnuSet", "Set as Color #2" },
            { nullptr, nullptr, Sep },
            { "mnuMALink", "Set as &Active Link" },
            { "mnuMBG", "Set as &Background" },
            { "mnuMLink", "Set as &Link" },
            { "mnuMText", "Set as &Text" },
            { "mnuMVLink", "Set as &Visited Link" },
        });
    AddMenu(window, "mnuPop", "Pop",
        {
            { "mnuPOpen", "&Open" },
            { "mnuPMini", "Mini Color &Picker" },
            { "mnuPExit", "E&xit" },
        });
    AddMenu(window, "mnuEP", "Edit Pal",
        {
            { "mnuEP1", "Add Color #&1" },
            { "mnuEP2", "Add Color #&2" },
            { "mnuEPLine", nullptr, Sep },
            { "mnuEPDel", "&Delete" },
        });
}

} // namespace tw
