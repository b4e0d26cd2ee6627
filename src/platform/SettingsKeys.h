#pragma once
#include <QLatin1String>

// The sections and keys of the settings table, in one place. Key names compare without regard to case in
// the store; these are the spellings the program writes.
namespace tw::keys {

inline constexpr QLatin1String kMain("Main");
inline constexpr QLatin1String kHistory("History");
inline constexpr QLatin1String kHtml("HTML");
inline constexpr QLatin1String kTemplates("Templates");

// Section "Main".
inline constexpr QLatin1String kCmd("Cmd");
inline constexpr QLatin1String kCap("Cap");
inline constexpr QLatin1String kCodesTip("blnCodesTip");
inline constexpr QLatin1String kExpand("check1");
inline constexpr QLatin1String kNotify("notify");
inline constexpr QLatin1String kHighlight("high");
inline constexpr QLatin1String kZoom("newzoom");
inline constexpr QLatin1String kGrid("grid");
inline constexpr QLatin1String kCross("cross");
inline constexpr QLatin1String kSel("sel");
// "True" picks from a still picture of the screen; the side of the square a pick averages (1, 3, 5 or 9).
inline constexpr QLatin1String kFreeze("freeze");
inline constexpr QLatin1String kAverage("average");
inline constexpr QLatin1String kSwapped("tmpmp");
inline constexpr QLatin1String kStick("stick");
inline constexpr QLatin1String kTop("top");
inline constexpr QLatin1String kHide("hide");
inline constexpr QLatin1String kScheme("scheme");
inline constexpr QLatin1String kMinimiseTip("blnMinTip");
// Whether the section with the contrast, the CSS notations and the templates is shown; each CSS row's
// visibility is "css-" and the notation's name ("css-oklch").
inline constexpr QLatin1String kWebSection("web");
inline constexpr QLatin1String kCssRowPrefix("css-");

// Section "Templates": "Count", then "Name1", "Pattern1", ...
inline constexpr QLatin1String kTemplateCount("Count");

// Section "HTML": the written form of the stylesheet editor's body tag, as check box values 0/1.
inline constexpr QLatin1String kQuotes("quotes");
inline constexpr QLatin1String kNum("num");

} // namespace tw::keys
