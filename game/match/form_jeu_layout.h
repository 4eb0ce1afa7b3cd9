// Where everything of the game screen stands, in twips (15 to a pixel), in one place. The
// screen is 12000 x 9000: the central panels on top, the three player slots beneath them,
// and a row of buttons and clocks at the bottom.
#pragma once

namespace jeu_layout {

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kWidth = 12000;
inline constexpr int kHeight = 9000;

// The central rectangle shared by the question panel, the controller panel, both tables and
// their backdrop.
inline constexpr Rect kCentre{230, 240, 11525, 4455};

// The question panel's controls, relative to the panel.
inline constexpr Rect kQuestionN{270, 60, 3615, 375};
inline constexpr Rect kNumeroQuestion{1890, 60, 585, 375};
inline constexpr Rect kQuestion{270, 540, 10995, 615};
inline constexpr int kNumeroLeft = 270;
inline constexpr int kNumeroTops[4] = {1425, 2205, 2985, 3765};
inline constexpr int kNumeroSize = 255;
inline constexpr int kReponseLeft = 630;
inline constexpr int kReponseWidths[4] = {8505, 8505, 8535, 8505};
inline constexpr int kReponseTops[4] = {1430, 2210, 2990, 3770};
inline constexpr int kReponseHeight = 285;
inline constexpr Rect kImageQuestion{9150, 1260, 2190, 3000};
inline constexpr Rect kCacherBoutons{11070, 150, 285, 285};

// The announcement of a winner, centred over the backdrop: no panel stands beside it.
inline constexpr Rect kVainqueur{1230, 1200, 9525, 750};
inline constexpr Rect kNomVainqueur{1230, 1950, 9525, 1200};
// The best-score panel, right part of the central rectangle, and its list.
inline constexpr Rect kMeilleursScores{6900, 240, 4855, 4455};
inline constexpr Rect kMeilleursScoresTitre{150, 120, 4555, 450};
inline constexpr Rect kListeScores{150, 660, 4555, 3645};

// Player slots: slot K's left edge; the controls are placed from it.
inline constexpr int kSlotLefts[3] = {240, 4140, 8040};
inline constexpr int kSlotWidth = 3720;
inline constexpr Rect kNomJoueur{0, 4830, kSlotWidth, 450}; // left relative to the slot
inline constexpr Rect kAvatar{60, 5340, 1560, 1560};
inline constexpr Rect kScore{1680, 5340, 1980, 1560};
inline constexpr int kAideTop = 6990;
inline constexpr int kAideWidth = 870;
inline constexpr int kAideHeight = 480;
inline constexpr int kAideStep = 930;

// Bottom row.
inline constexpr Rect kRetour{240, 8160, 660, 660};
inline constexpr Rect kImageScore{1020, 8160, 660, 660};
inline constexpr Rect kCompteARebours{1860, 7860, 1650, 1080};
inline constexpr Rect kBoutonHaut{3750, 7890, 4500, 480}; // start
inline constexpr Rect kBoutonBas{3750, 8430, 4500, 480};  // stop
// The next match: offered while start and stop are hidden, it takes both rows for its two
// lines.
inline constexpr Rect kBoutonManche{3750, 7890, 4500, 1020};
inline constexpr Rect kTempello{8430, 7920, 540, 960};
inline constexpr Rect kTempelloCache{12300, 7920, 540, 960}; // outside the visible area
inline constexpr Rect kTimer{9000, 7920, 750, 960};
inline constexpr Rect kManette{9780, 8100, 720, 720}; // bottom in line with "Retour"

// The duel table: four columns of cases, each case halfway beside the two that feed it,
// then the cup. A column's unit is the height of one case row of the first column.
inline constexpr Rect kTitreTableau{0, 30, 11525, 360};
inline constexpr int kDuelColonnes[4] = {150, 2790, 5430, 8070};
inline constexpr int kDuelCaseWidth = 2160;
inline constexpr int kDuelCaseHeight = 225;
inline constexpr int kDuelTop = 420;
inline constexpr int kDuelUnit = 248; // 16 rows in the panel's height under the title
inline constexpr Rect kCoupe{10560, 1950, 780, 900};

// The table of threes: nine leaves in three groups, then one case beside each group.
inline constexpr int kTroisColonnes[2] = {600, 4800};
inline constexpr int kTroisCaseWidth = 3300;
inline constexpr int kTroisCaseHeight = 315;
inline constexpr int kTroisTop = 480;
inline constexpr int kTroisGroupe = 1320; // height of a group of three leaves
inline constexpr int kTroisRang = 405;    // from one leaf to the next in a group
inline constexpr Rect kCoupeTrois{9300, 1700, 900, 1200};

} // namespace jeu_layout
