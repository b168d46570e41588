#pragma once
// Texts that the dialog's views show and that are more than a caption on a
// widget: the page names, the power-saving tip and the help page's answers.
// Each view takes them from here, so the Linux and Windows dialogs agree.

#include <array>
#include <string_view>

namespace aerolark {

// In the order the pages are shown; the dialog opens on the first.
inline constexpr std::array<std::string_view, 5> kPageTitles = {
    "Aircraft", "BackGround", "Logo/Message", "Help", "Tune the Screensaver"};

// The tool tip of "Disable any Power Saving settings".
extern const std::string_view kPowerSaveTip;

struct HelpAnswer {
  std::string_view question;
  std::string_view answer;
};

// The help page, top to bottom.
extern const std::array<HelpAnswer, 3> kHelpAnswers;

}  // namespace aerolark
