// A musician's bust for the portrait cards: an invented, friendly character in the card's own
// coordinates (146 x 200), whose costume, hair and hat tell the era. Nobody's likeness: every
// face is the same cheerful face of the drawing kit.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace gen {

namespace skin {
inline const QColor light{0xF8, 0xD5, 0xB4};
inline const QColor medium{0xD9, 0xA0, 0x6E};
inline const QColor dark{0x8E, 0x58, 0x34};
} // namespace skin

enum class Costume {
    Fraise,         // doublet and ruff, about 1600
    Habit,          // baroque coat and lace jabot
    HabitPoudre,    // tailcoat with wide lapels and waistcoat, late 18th century
    Voile,          // a nun's habit, wimple and veil
    Redingote,      // romantic coat, high collar points and a wide cravat
    NoeudPapillon,  // suit, wing collar and bow tie, about 1900
    Cravate,        // suit and tie
    Smoking,        // dinner jacket and black bow tie
    ColRond,        // collarless suit of the 1960s
    Blouson,        // 1950s jacket with its collar up
    RobeBaroque,    // bodice with a square neckline and lace
    RobeRomantique, // wide neckline with a lace band
    Chemisier,      // blouse with a high lace collar, about 1900
    RobeDeScene,    // evening dress and pearls
};

enum class Hair {
    Perruque, // long curly wig falling on the shoulders
    Poudree,  // white wig with rolls above the ears
    Courte,
    Bouclee,
    Longue,
    Raie,     // parted on one side
    Plaquee,  // slicked back
    Banane,   // a quiff
    Frange,   // a fringe down to the eyebrows
    Degarnie, // only at the sides
    Chignon,
    Fontange, // piled up under a tall lace headdress
    Gonflee,  // puffed up over the forehead
};

enum class Beard { Aucune, Moustache, Pointue, Pleine };
enum class Hat { Aucun, Melon, Diademe };

struct Look {
    Costume costume;
    Hair hair;
    QColor hairColour;
    QColor coat;                     // the costume's main colour
    QColor accent{0x24, 0x1C, 0x22}; // cravat, tie or bow tie
    QColor skinColour = skin::light;
    Beard beard = Beard::Aucune;
    Hat hat = Hat::Aucun;
    bool child = false; // a smaller body under a larger head
};

void bust(QPainter &p, const Look &look);
// A hand raised beside the head at `at`, its sleeve in the costume's colour from the shoulder.
void raisedHand(QPainter &p, const Look &look, QPointF at);

} // namespace gen
