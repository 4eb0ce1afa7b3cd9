// The eleven games of the game-choice screen and what each one sets up: the avatar-screen
// layout for its number of participants and, for the two score games, their fixed rules.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

enum class Jeu {
    Score2Minutes,
    Score20Questions,
    UnJoueur,
    DeuxJoueurs,
    TroisJoueurs,
    QuatreJoueurs,
    HuitJoueurs,
    NeufJoueurs,
    SeizeJoueurs,
    VingtSeptJoueurs,
    TrenteDeuxJoueurs,
};

// Which selection labels are marked (Appearance 1) on the game-choice screen.
struct MarquesChoix {
    bool score = false;
    bool minutes = false;
    bool un = false, deux = false, trois = false, quatre = false, huit = false, neuf = false,
         seize = false, vingtSept = false, trenteDeux = false;
};

// The game the marks stand for: the score mark first, then the counts in a fixed order;
// nothing when no game is marked.
std::optional<Jeu> jeuChoisi(const MarquesChoix &marques);

// The number of participants: 1 for the score games.
int nombreParticipants(Jeu jeu);

// The avatar screen laid out for a number of participants, in twips. Slot coordinates are
// relative to the inside of the slot area.
struct DispositionAvatars {
    int participants = 0;
    int colonnes = 0;
    int lignes = 0;
    QPoint premier; // the number label of slot 1
    QRect zone;     // the slot area on the screen
    int largeurTitre = 0;
    int hauteurTitre = 0;
    int hautTitre = 0;
    QString fond; // "fond" picture name
    bool singulier = false;
};

// Nothing for a count that no game offers.
std::optional<DispositionAvatars> dispositionAvatars(int participants);

// Where slot k (1-based) of a layout puts its three controls.
struct PlaceEmplacement {
    QPoint numero;
    QPoint image;
    QPoint nom;
};
PlaceEmplacement placeEmplacement(const DispositionAvatars &disposition, int k);

inline const QString kTitrePluriel =
    QStringLiteral("Choisissez chacun un nom et une image pour vous représenter");
inline const QString kTitreSingulier =
    QStringLiteral("Choisis un nom et une image pour te représenter");

// What a score game imposes on the settings store; an empty field keeps what was read.
struct ReglesScore {
    QString type_de_jeu;
    QString nombre_questions;
    QString nombre_secondes;
    QString points_perdus;
    QString points_gagnes;
};
std::optional<ReglesScore> reglesScore(Jeu jeu);
