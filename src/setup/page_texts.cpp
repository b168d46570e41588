#include "setup/page_texts.h"

namespace aerolark {

const std::string_view kPowerSaveTip =
    "If you have your Monitor set to turn off enabling this will keep that setting, "
    "otherwise the screensaver will ignore those settings";

const std::array<HelpAnswer, 3> kHelpAnswers = {{
    {"How do I load a custom background?",
     "The first thing you need is a background.  The size needs to be 800x600 pixels to fill "
     "the entire screen. Simply click the BACKGROUND tab and the CUSTOM option button and click "
     "the SELECT BACKGROUND button."},
    {"How do I load a custom logo?",
     "The first thing you need is a background.  The size doesn't matter (smaller looks "
     "better).  Simply click the Logo/Message tab and the CUSTOM option button and click the "
     "SELECT LOGO button."},
    {"Why is it slow loading the settings screen?",
     "Some machines are faster than others, but the reason for the slow down is directly "
     "related to the number of fonts you have installed on your system.  The more the fonts the "
     "slower it is to load."},
}};

}  // namespace aerolark
