#pragma once

class QAction;
class QMainWindow;
class QMenu;

namespace tw {

// The main window's menu bar and its hidden pop-up menus ("Menu", the tray menu "Pop", "Edit Pal"). Every item
// carries its control name as objectName; items of a control array end in their index (mnuTP0 .. mnuTP4).
// Every item starts disabled: the feature that implements an item enables it.
struct MainMenu {
    QAction* mnuPNew = nullptr;
    QAction* mnuPD = nullptr;
    QAction* mnuPO = nullptr;
    QAction* mnuPS = nullptr;
    QAction* mnuOpen1 = nullptr;
    QAction* mnuOpen2 = nullptr;
    QAction* mnuSave1 = nullptr;
    QAction* mnuSave2 = nullptr;
    QAction* mnuHistory = nullptr;
    QAction* mnuHTML = nullptr;
    QAction* mnuExitMin = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuVCode0 = nullptr;
    QAction* mnuVCode1 = nullptr;
    QAction* mnuVCode3 = nullptr;
    QAction* mnuVCode4 = nullptr;
    QAction* mnuVCode5 = nullptr;
    QAction* mnuVCode6 = nullptr;
    QAction* mnuVCode7 = nullptr;
    QAction* mnuVCode8 = nullptr;
    // The CSS rows, in the order of the notations: hex, rgb, hsl, hwb, lab, lch, oklab, oklch.
    QAction* mnuVCss0 = nullptr;
    QAction* mnuVCss1 = nullptr;
    QAction* mnuVCss2 = nullptr;
    QAction* mnuVCss3 = nullptr;
    QAction* mnuVCss4 = nullptr;
    QAction* mnuVCss5 = nullptr;
    QAction* mnuVCss6 = nullptr;
    QAction* mnuVCss7 = nullptr;
    QAction* mnuTemplates = nullptr;
    QAction* mnuStick = nullptr;
    QAction* mnuTop = nullptr;
    QAction* mnuHide = nullptr;
    QAction* mnuTP0 = nullptr;
    QAction* mnuTP1 = nullptr;
    QAction* mnuTP2 = nullptr;
    QAction* mnuTP3 = nullptr;
    QAction* mnuTP4 = nullptr;
    QAction* mnuScheme0 = nullptr;
    QAction* mnuScheme1 = nullptr;
    QAction* mnuScheme2 = nullptr;
    QAction* mnuScheme3 = nullptr;
    QAction* mnuScheme4 = nullptr;
    QAction* mnuScheme5 = nullptr;
    QAction* mnuFreeze = nullptr;
    // The side of the square a pick averages: 1, 3, 5, 9 pixels.
    QAction* mnuAvg0 = nullptr;
    QAction* mnuAvg1 = nullptr;
    QAction* mnuAvg2 = nullptr;
    QAction* mnuAvg3 = nullptr;
    QAction* mnuNotify = nullptr;
    QAction* mnuHigh = nullptr;
    QAction* mnuTips = nullptr;
    QAction* mnuCheck = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuUninstall = nullptr;
    QAction* mnuSet = nullptr;
    QAction* mnuMALink = nullptr;
    QAction* mnuMBG = nullptr;
    QAction* mnuMLink = nullptr;
    QAction* mnuMText = nullptr;
    QAction* mnuMVLink = nullptr;
    QAction* mnuPOpen = nullptr;
    QAction* mnuPMini = nullptr;
    QAction* mnuPExit = nullptr;
    QAction* mnuEP1 = nullptr;
    QAction* mnuEP2 = nullptr;
    QAction* mnuEPDel = nullptr;
    QMenu* mnuMenu = nullptr;
    QMenu* mnuPop = nullptr;
    QMenu* mnuEP = nullptr;
};

MainMenu BuildMainMenu(QMainWindow& window);

} // namespace tw
