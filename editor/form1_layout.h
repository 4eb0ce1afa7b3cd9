// The document window's places, in twips: the design places of its controls and the layout
// that follows the window's size.
#pragma once

#include <QRect>

namespace editor {

struct TwipsRect {
    int left, top, width, height;
};

// Design places (left, top, width, height), inside their frame.
inline constexpr TwipsRect kForm1Client{0, 0, 9645, 7965};
inline constexpr TwipsRect kFrame{120, 120, 9375, 7695};
inline constexpr TwipsRect kRichTextBox1{240, 360, 8895, 6495};
// The text's right margin: question lines never reach it, so they do not wrap; a line that
// does (a file whose line ends were lost) wraps there rather than running millions of pixels.
inline constexpr int kMargeDroite = 100000;
inline constexpr TwipsRect kCommandAjouter{3600, 6960, 2000, 495};
inline constexpr TwipsRect kQuestion{240, 840, 8775, 495};
inline constexpr int kReponseTops[4] = {1920, 3000, 3960, 4920};
inline constexpr int kOptionLefts[4] = {360, 2040, 3720, 5400};
inline constexpr int kOptionTop = 6000;
inline constexpr int kOptionWidth = 1215, kOptionHeight = 375;
inline constexpr int kBoutonLefts[3] = {240, 3240, 6360};
inline constexpr int kBoutonTopPage1 = 6840, kBoutonTopPages23 = 6960;
inline constexpr int kBoutonWidth = 2000, kBoutonHeight = 495;
inline constexpr TwipsRect kDirImage{240, 360, 6375, 3015};
inline constexpr TwipsRect kFileImage{240, 3600, 8895, 2430};
inline constexpr TwipsRect kPictureQuestion{6840, 360, 2220, 3030};
inline constexpr TwipsRect kCheminImage{2400, 6240, 6735, 435};
inline constexpr TwipsRect kDirMusique{240, 480, 8895, 2115};
inline constexpr TwipsRect kFileMusique{240, 2760, 8895, 3405};
inline constexpr TwipsRect kCheminMusique{3120, 6360, 5955, 435};

// Where the editor page's controls go for a window whose inner size is `largeur` x `hauteur`.
// The editor keeps `editeur` (its last place) when the window is too small for it.
struct MiseEnPage {
    TwipsRect editeur;
    int cadreLargeur, cadreHauteur;
    int boutonTop;
    double boutonLeft;
};
[[nodiscard]] constexpr MiseEnPage miseEnPage(int largeur, int hauteur, TwipsRect editeur)
{
    if (largeur - 550 >= 0 && hauteur - 1250 >= 0)
        editeur = {100, 100, largeur - 550, hauteur - 1250};
    MiseEnPage m{editeur, editeur.width + 200, editeur.height + 900, 0, 0};
    m.editeur.top = kFrame.top + 70;
    m.boutonTop = editeur.height + 270;
    m.boutonLeft = editeur.width / 2.0 - 1000;
    return m;
}

} // namespace editor
