#include "game/avatars/liste_avatars.h"

#include "datafiles/itemformat.h"

std::array<Participant, kNombreParticipants> participantsInitiaux()
{
    std::array<Participant, kNombreParticipants> p;
    for (int k = 0; k < kNombreParticipants; ++k)
        p[k].nom = QStringLiteral("Joueur %1").arg(k + 1);
    return p;
}

std::vector<QString> lireListeAvatars(const QByteArray &contenu)
{
    const auto items = datafiles::readItems(contenu, 2 * kNombreParticipants);
    std::vector<QString> valeurs;
    valeurs.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        QString texte = items[i].asText();
        const bool estChemin = i % 2 == 1;
        if (estChemin) {
            if (const auto nul = texte.indexOf(QChar(0)); nul >= 0)
                texte.truncate(nul);
        }
        valeurs.push_back(texte);
    }
    return valeurs;
}

void appliquerListeAvatars(const std::vector<QString> &valeurs,
                           std::array<Participant, kNombreParticipants> &participants)
{
    for (std::size_t i = 0; i < valeurs.size() && i < 2 * participants.size(); ++i) {
        Participant &p = participants[i / 2];
        (i % 2 == 0 ? p.nom : p.chemin_avatar) = valeurs[i];
    }
}

ContenuAvatars ecrireListeAvatars(const std::array<Participant, kNombreParticipants> &participants)
{
    datafiles::RecordWriter record;
    for (const Participant &p : participants)
        record.text(p.nom).text(p.chemin_avatar);
    if (!record.ok())
        return {std::nullopt, record.error()};
    return {record.line(), {}};
}
