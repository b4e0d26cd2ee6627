#include "mainwindow/MainMenu.h"

#include <QAction>
#include <QMenu>

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace tw {

namespace {

    enum class Kind { Command, Check, Radio, Separator };

    struct Item {
        QAction* MainMenu::*member;
        const char* name;
        const char* caption;
        Kind kind = Kind::Command;
    };

    QAction* AddItem(MainMenu& result, QMenu& menu, const Item& item, QActionGroup* group)
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
        if (item.member)
            result.*item.member = action;
        return action;
    }

    QMenu* AddMenu(
        MainMenu& result, QWidget& owner, const char* name, const char* caption, std::initializer_list<Item> items)
    {
        auto* menu = new QMenu(QString::fromUtf8(caption), &owner);
        menu->setObjectName(QString::fromLatin1(name));
        QActionGroup* group = nullptr;
        for (const Item& item : items) {
            if (item.kind == Kind::Radio && !group) {
                group = new QActionGroup(menu);
                group->setExclusive(true);
            }
            AddItem(result, *menu, item, group);
        }
        return menu;
    }

} // namespace

MainMenu BuildMainMenu(QMainWindow& window)
{
    MainMenu menu;
    QMenuBar* bar = window.menuBar();
    constexpr auto Sep = Kind::Separator;

    bar->addMenu(AddMenu(menu, window, "mnuFile", "&File",
        {
            { &MainMenu::mnuPNew, "mnuPNew", "&New Color Palette" },
            { &MainMenu::mnuPD, "mnuPD", "Open &Default Color Palette" },
            { &MainMenu::mnuPO, "mnuPO", "Open &Color Palette..." },
            { &MainMenu::mnuPS, "mnuPS", "Save C&olor Palette As..." },
            { nullptr, "mnuLine6", nullptr, Sep },
            { &MainMenu::mnuOpen1, "mnuOpen1", "&Open Color As Color #1..." },
            { &MainMenu::mnuOpen2, "mnuOpen2", "O&pen Color As Color #2..." },
            { &MainMenu::mnuSave1, "mnuSave1", "&Save Color #1 As..." },
            { &MainMenu::mnuSave2, "mnuSave2", "S&ave Color #2 As..." },
            { nullptr, "mnuline5", nullptr, Sep },
            { &MainMenu::mnuHistory, "mnuHistory", "Color &History..." },
            { nullptr, nullptr, nullptr, Sep },
            { &MainMenu::mnuHTML, "mnuHTML", "&HTML Stylesheet Editor..." },
            { &MainMenu::mnuTemplates, "mnuTemplates", "&Templates..." },
            { nullptr, nullptr, nullptr, Sep },
            { &MainMenu::mnuExitMin, "mnuExitMin", "&Minimize to System Tray" },
            { &MainMenu::mnuExit, "mnuExit", "E&xit" },
        }));

    QMenu* options = AddMenu(menu, window, "mnuOpts", "&Options", {});
    QMenu* codes = AddMenu(menu, window, "mnuVCodes", "&Visible Color Code Values",
        {
            { &MainMenu::mnuVCode0, "mnuVCode0", "Show &All" },
            { &MainMenu::mnuVCode1, "mnuVCode1", "Show &None" },
            { nullptr, "mnuVCode2", nullptr, Sep },
            { &MainMenu::mnuVCode3, "mnuVCode3", "&RGB", Kind::Check },
            { &MainMenu::mnuVCode4, "mnuVCode4", "H&SL", Kind::Check },
            { &MainMenu::mnuVCode5, "mnuVCode5", "&C++ Hex", Kind::Check },
            { &MainMenu::mnuVCode6, "mnuVCode6", "&Delphi Hex", Kind::Check },
            { &MainMenu::mnuVCode7, "mnuVCode7", "&HTML Hex", Kind::Check },
            { &MainMenu::mnuVCode8, "mnuVCode8", "&VB Hex", Kind::Check },
        });
    codes->addSeparator()->setObjectName(QStringLiteral("mnuVCode9"));
    codes->addMenu(AddMenu(menu, window, "mnuVCss", "CSS N&otations",
        {
            { &MainMenu::mnuVCss0, "mnuVCss0", "&hex", Kind::Check },
            { &MainMenu::mnuVCss1, "mnuVCss1", "&rgb()", Kind::Check },
            { &MainMenu::mnuVCss2, "mnuVCss2", "hs&l()", Kind::Check },
            { &MainMenu::mnuVCss3, "mnuVCss3", "h&wb()", Kind::Check },
            { &MainMenu::mnuVCss4, "mnuVCss4", "l&ab()", Kind::Check },
            { &MainMenu::mnuVCss5, "mnuVCss5", "l&ch()", Kind::Check },
            { &MainMenu::mnuVCss6, "mnuVCss6", "&oklab()", Kind::Check },
            { &MainMenu::mnuVCss7, "mnuVCss7", "o&klch()", Kind::Check },
        }));
    codes->menuAction()->setObjectName(QStringLiteral("mnuVCodesAction"));
    options->addMenu(codes);
    options->addSeparator();
    AddItem(menu, *options, { &MainMenu::mnuStick, "mnuStick", "&Stick Color Boxes Together", Kind::Check }, nullptr);
    options->addSeparator();
    AddItem(menu, *options, { &MainMenu::mnuTop, "mnuTop", "Always on &Top", Kind::Check }, nullptr);
    AddItem(menu, *options, { &MainMenu::mnuHide, "mnuHide", "&Compact Mode", Kind::Check }, nullptr);
    options->addMenu(AddMenu(menu, window, "mnuTrans", "&Transparent",
        {
            { &MainMenu::mnuTP0, "mnuTP0", "&Very High Transparency", Kind::Radio },
            { &MainMenu::mnuTP1, "mnuTP1", "&High Transparency", Kind::Radio },
            { &MainMenu::mnuTP2, "mnuTP2", "&Medium Transparency", Kind::Radio },
            { &MainMenu::mnuTP3, "mnuTP3", "&Low Transparency", Kind::Radio },
            { &MainMenu::mnuTP4, "mnuTP4", "&No Transparency", Kind::Radio },
        }));
    options->addMenu(AddMenu(menu, window, "mnuSchemeA", "Window Color &Scheme",
        {
            { &MainMenu::mnuScheme0, "mnuScheme0", "&Default", Kind::Radio },
            { &MainMenu::mnuScheme1, "mnuScheme1", "&Mystic Night", Kind::Radio },
            { &MainMenu::mnuScheme2, "mnuScheme2", "Sea Breeze &Blue", Kind::Radio },
            { &MainMenu::mnuScheme3, "mnuScheme3", "Forest &Green", Kind::Radio },
            { &MainMenu::mnuScheme4, "mnuScheme4", "&Purple Haze", Kind::Radio },
            { &MainMenu::mnuScheme5, "mnuScheme5", "Dusty &Rose", Kind::Radio },
        }));
    options->addSeparator();
    AddItem(
        menu, *options, { &MainMenu::mnuFreeze, "mnuFreeze", "&Freeze Screen While Picking", Kind::Check }, nullptr);
    options->addMenu(AddMenu(menu, window, "mnuAvg", "Pick &Average",
        {
            { &MainMenu::mnuAvg0, "mnuAvg0", "&1 x 1 Pixel", Kind::Radio },
            { &MainMenu::mnuAvg1, "mnuAvg1", "&3 x 3 Pixels", Kind::Radio },
            { &MainMenu::mnuAvg2, "mnuAvg2", "&5 x 5 Pixels", Kind::Radio },
            { &MainMenu::mnuAvg3, "mnuAvg3", "&9 x 9 Pixels", Kind::Radio },
        }));
    options->addSeparator();
    AddItem(menu, *options, { &MainMenu::mnuNotify, "mnuNotify", "&Notify Me When Auto-Correcting Code", Kind::Check },
        nullptr);
    AddItem(menu, *options, { &MainMenu::mnuHigh, "mnuHigh", "Auto &Highlight Code", Kind::Check }, nullptr);
    bar->addMenu(options);

    bar->addMenu(AddMenu(menu, window, "mnuHelp", "&Help",
        {
            { &MainMenu::mnuTips, "mnuTips", "Help &Topics..." },
            { nullptr, nullptr, nullptr, Sep },
            { &MainMenu::mnuCheck, "mnuCheck", "Check for &Updates..." },
            { nullptr, nullptr, nullptr, Sep },
            { &MainMenu::mnuAbout, "mnuAbout", "&About..." },
            { nullptr, nullptr, nullptr, Sep },
            { &MainMenu::mnuUninstall, "mnuUninstall", "&Uninstall Tintwise Color Picker..." },
        }));

    // Pop-up menus: owned by the window, never on the menu bar.
    menu.mnuMenu = AddMenu(menu, window, "mnuMenu", "Menu",
        {
            { &MainMenu::mnuSet, "mnuSet", "Set as Color #2" },
            { nullptr, nullptr, nullptr, Sep },
            { &MainMenu::mnuMALink, "mnuMALink", "Set as &Active Link" },
            { &MainMenu::mnuMBG, "mnuMBG", "Set as &Background" },
            { &MainMenu::mnuMLink, "mnuMLink", "Set as &Link" },
            { &MainMenu::mnuMText, "mnuMText", "Set as &Text" },
            { &MainMenu::mnuMVLink, "mnuMVLink", "Set as &Visited Link" },
        });
    menu.mnuPop = AddMenu(menu, window, "mnuPop", "Pop",
        {
            { &MainMenu::mnuPOpen, "mnuPOpen", "&Open" },
            { nullptr, "mnuPLine1", nullptr, Sep },
            { &MainMenu::mnuPMini, "mnuPMini", "Mini Color &Picker" },
            { nullptr, "mnuPLine2", nullptr, Sep },
            { &MainMenu::mnuPExit, "mnuPExit", "E&xit" },
        });
    menu.mnuEP = AddMenu(menu, window, "mnuEP", "Edit Pal",
        {
            { &MainMenu::mnuEP1, "mnuEP1", "Add Color #&1" },
            { &MainMenu::mnuEP2, "mnuEP2", "Add Color #&2" },
            { nullptr, "mnuEPLine", nullptr, Sep },
            { &MainMenu::mnuEPDel, "mnuEPDel", "&Delete" },
        });
    return menu;
}

} // namespace tw
