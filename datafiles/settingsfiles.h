// The settings files that the game and the administration tool share in the program folder:
// KSV.tpq, themes.tpq, random.tpq and the seven text-file slot files.
#pragma once

#include "datafiles/itemformat.h"
#include "platform/wholefile.h"

#include <QString>
#include <array>
#include <vector>

namespace datafiles {

inline const QString kFichierReglages = QStringLiteral("KSV.tpq");
inline const QString kFichierThemes = QStringLiteral("themes.tpq");
inline const QString kFichierOrdre = QStringLiteral("random.tpq");

inline constexpr int kNombreReglages = 11;
inline constexpr int kNombreThemes = 26;
inline constexpr int kNombreEmplacements = 7;

// The theme keys in file order; each also names its question program.
inline constexpr std::array<const char *, kNombreThemes> kClesThemes = {
    "compos",         "visages",        "organa",         "lexique",        "aigu1",
    "aigu2",          "aigu3",          "aigu4",          "aigu5",          "aigu6",
    "aigu7",          "grave1",         "grave2",         "grave3",         "grave4",
    "grave5",         "grave6",         "grave7",         "ecoutes",        "fichier_texte",
    "fichier_texte2", "fichier_texte3", "fichier_texte4", "fichier_texte5", "fichier_texte6",
    "fichier_texte7"};

// The file of a theme's question program in the program folder: its key, except for the
// listening program, "ecoutes.exe", since the folder of its pieces is "ecoutes".
QString fichierProgrammeQuestion(const QString &cle);

// Slot 1 is fichier_texte.tpq, slot N fichier_texteN.tpq.
QString fichierEmplacement(int slot);

// The record of KSV.tpq, each field as it is written. An empty points field is written as
// an empty item; every other field as a text item.
struct Reglages {
    QString type_de_jeu;
    QString nombre_questions;
    QString nombre_secondes;
    QString bruitage_vrai;
    QString bruitage_faux;
    QString bouton_option;
    QString tictac;
    QString musique;
    QString points_perdus;
    QString points_gagnes;
    QString synthese_vocale;
};

// The first `count` items of a record file. A missing or unreadable file gives none, a short
// one fewer than asked: readers apply what they got and keep their values for the rest.
std::vector<Item> lireEnregistrement(const QString &path, int count);

platform::WriteResult ecrireReglages(const QString &path, const Reglages &reglages);
// Each switch as written ("oui" or "non").
platform::WriteResult ecrireThemes(const QString &path,
                                   const std::array<QString, kNombreThemes> &switches);
// The administration tool's layout: "0,1" or "1,1".
platform::WriteResult ecrireOrdreOutil(const QString &path, long long ordre);
// The game's layout: each number printed between blanks, " 0  1 ".
platform::WriteResult ecrireOrdreJeu(const QString &path, long long ordre);
platform::WriteResult ecrireEmplacement(const QString &path, const QString &chemin,
                                        const QString &titre);

} // namespace datafiles
