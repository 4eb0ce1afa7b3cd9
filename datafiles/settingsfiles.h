// The settings files that the game and the administration tool share in the program folder:
// KSV.tpq, themes.tpq, random.tpq and the seven text-file slot files.
#pragma once

#include "datafiles/itemformat.h"
#include "platform/wholefile.h"

#include <QString>
#include <array>
#include <utility>
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

// The order flag that random.tpq starts with (0 random, 1 in order), the tool's "1,1" and the
// game's " 1  1 " alike, as the item reader takes it; 0 when the file is missing or its first
// item is no whole number.
long long lireOrdre(const QString &path);

// The records of the files, built apart from their writing so that a save can check them all
// before it writes any. A refused record says why (RecordWriter::error).
RecordWriter enregistrementReglages(const Reglages &reglages);
// Each switch as written ("oui" or "non").
RecordWriter enregistrementThemes(const std::array<QString, kNombreThemes> &switches);
// The administration tool's layout of random.tpq: "0,1" or "1,1".
RecordWriter enregistrementOrdre(long long ordre);
RecordWriter enregistrementEmplacement(const QString &chemin, const QString &titre);

// Writes a record to its file whole; a refused record writes nothing. The failure names the
// file and says why, in French.
platform::WriteResult ecrireEnregistrement(const QString &path, const RecordWriter &record);

// Writes records to their files, each whole, in their order. Every record and every file's
// place is checked before the first is written: one refused writes none, and says why.
platform::WriteResult
ecrireEnregistrements(const std::vector<std::pair<QString, RecordWriter>> &fichiers);

// The game's layout of random.tpq: each number printed between blanks, " 0  1 ".
platform::WriteResult ecrireOrdreJeu(const QString &path, long long ordre);

} // namespace datafiles
