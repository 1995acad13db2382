// The texts the game shows about itself: the title screen's credit lines and the
// demo notice that scrolls under the heads-up display. Kept together so that the
// data checks can make sure the font has a glyph for each of their characters.
#pragma once

#include <array>

namespace vorantis {

struct TitleLine {
  const char* text;
  float yFactor;  // of the screen height
};

// In drawing order; the ninth line is blank and stands below the tenth on purpose.
inline constexpr std::array<TitleLine, 11> kTitleLines{{
    {"  HALCYON FOUNDRY PRESENTS:|", 0.10f},
    {"  A HALCYON FOUNDRY GAME PROJECT:|", 0.15f},
    {"  *VORANTIS* (WORKING TITLE)|", 0.20f},
    {"  THIS IS AN ALPHA PREVIEW OF MY NEXT GAMEPROJECT.|", 0.25f},
    {"  GAME AND CODE BY HALCYON FOUNDRY.|", 0.30f},
    {"  ALL RIGHTS RESERVED.|", 0.35f},
    {"  USE THIS APP AT YOUR OWN RISK!|", 0.40f},
    {"  GAME MUSIC CREATED USING FOUNDRY TRACKER|", 0.45f},
    {"  |", 0.55f},
    {"  GRAPHICS AND MUSIC BY HALCYON FOUNDRY. ALL RIGHTS RESERVED.|", 0.50f},
    {"  PRESS START ON GAMEPAD OR PRESS ANY KEY ON KEYBOARD TO CONTINUE|", 0.60f},
}};

inline constexpr const char* kDemoNotice =
    "  THIS IS AN ALPHA DEMO OF OUR NEXT GAME. PLEASE POST YOUR PROBLEM REPORTS ON THE QUARLIX BOARD.|";

}  // namespace vorantis
