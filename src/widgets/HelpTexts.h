#pragma once

#include <QString>

namespace isobra {

// The introduction shown once at start, and the four menu explanation pages.
// Lines are joined with CR LF, as the texts were laid out.
QString IntroductionTitle();
QString IntroductionText();

inline constexpr int kMenuHelpPages = 4;
QString MenuHelpTitle(int page);  // page 1..4
QString MenuHelpText(int page);

// The "説明" pages of the three entry windows.
struct HelpPage {
    QString title;
    QString text;
};
HelpPage LandFormHelp();
HelpPage ShipFormHelp();
HelpPage FisheryFormHelp();

// The "説明" of the correction window. It names the right button for the
// 2 hPa step; the left button is what moves a node by 2 hPa.
HelpPage CorrectionHelp();

}  // namespace isobra
