// The participants file avatars.tpq: 32 names and avatar paths, one record of 64 text items.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

inline const QString kFichierAvatars = QStringLiteral("avatars.tpq");
inline constexpr int kNombreParticipants = 32;

struct Participant {
    QString nom;
    QString chemin_avatar;
};

// The starting names "Joueur 1" .. "Joueur 32", without pictures.
std::array<Participant, kNombreParticipants> participantsInitiaux();

// The values read, in file order (name 1, path 1, name 2, ...), at most 64: a short file gives
// fewer. A path is taken up to a NUL it may hold.
std::vector<QString> lireListeAvatars(const QByteArray &contenu);

// Lays the values read over the participants: those that were not read stay as they were.
void appliquerListeAvatars(const std::vector<QString> &valeurs,
                           std::array<Participant, kNombreParticipants> &participants);

// The whole file, or why it cannot be written (a text the format cannot hold), in French.
struct ContenuAvatars {
    std::optional<QByteArray> octets;
    QString erreur;
};
ContenuAvatars ecrireListeAvatars(const std::array<Participant, kNombreParticipants> &participants);
