#include "game/avatars/liste_avatars.h"

#include <gtest/gtest.h>

namespace {
QByteArray ligneInitiale()
{
    return ecrireListeAvatars(participantsInitiaux()).octets.value_or(QByteArray());
}
} // namespace

TEST(ListeAvatars, TheStartingFileIs472BytesOnOneLine)
{
    const QByteArray fichier = ligneInitiale();
    EXPECT_EQ(fichier.size(), 472);
    EXPECT_TRUE(fichier.endsWith("\"Joueur 32\",\"\"\r\n"));
    EXPECT_EQ(fichier.count('\n'), 1);
    const QByteArray slot1("\x22\x4A\x6F\x75\x65\x75\x72\x20\x31\x22\x2C\x22\x22", 13);
    EXPECT_EQ(fichier.left(13), slot1);
    EXPECT_EQ(fichier.mid(13, 13), QByteArray(",\"Joueur 2\",\""));
}

TEST(ListeAvatars, NamesAndPathsAreWrittenInWindows1252)
{
    auto p = participantsInitiaux();
    p[0] = {QStringLiteral("Zoë €"), QStringLiteral("/home/élève/œuf.gif")};
    const auto contenu = ecrireListeAvatars(p);
    ASSERT_TRUE(contenu.octets);
    EXPECT_TRUE(contenu.octets->startsWith(QByteArray("\"Zo\xEB \x80\",\"/home/\xE9l\xE8ve/\x9C"
                                                      "uf.gif\",\"Joueur 2\",")));
    std::array<Participant, kNombreParticipants> relus = participantsInitiaux();
    appliquerListeAvatars(lireListeAvatars(*contenu.octets), relus);
    EXPECT_EQ(relus[0].nom, p[0].nom);
    EXPECT_EQ(relus[0].chemin_avatar, p[0].chemin_avatar);
}

TEST(ListeAvatars, WhatTheFileCannotHoldIsRefusedWholeWithAReason)
{
    for (const QString &nom : {QStringLiteral("Le \"chef\""), QStringLiteral("deux\r\nlignes"),
                               QStringLiteral("Ωmega")}) {
        auto p = participantsInitiaux();
        p[31].nom = nom;
        const auto contenu = ecrireListeAvatars(p);
        EXPECT_FALSE(contenu.octets) << qPrintable(nom);
        EXPECT_FALSE(contenu.erreur.isEmpty());
    }
}

TEST(ListeAvatars, ANameWithCommasAndBlanksComesBackUnchanged)
{
    auto p = participantsInitiaux();
    p[4].nom = QStringLiteral("  Léa, Tom ");
    auto relus = participantsInitiaux();
    appliquerListeAvatars(lireListeAvatars(*ecrireListeAvatars(p).octets), relus);
    EXPECT_EQ(relus[4].nom, p[4].nom);
    EXPECT_EQ(relus[5].nom, "Joueur 6");
}

TEST(ListeAvatars, ItemsOverSeveralLinesReadAsOneLineAndExtraItemsAreIgnored)
{
    QByteArray fichier;
    for (int k = 1; k <= 32; ++k)
        fichier += "\"N" + QByteArray::number(k) + "\",\"/a/" + QByteArray::number(k) + ".gif\"" +
                   (k % 3 == 0 ? "\r\n" : ",");
    fichier += "\"de trop\",\"/trop.gif\"\r\n";
    const auto valeurs = lireListeAvatars(fichier);
    ASSERT_EQ(valeurs.size(), 64u);
    EXPECT_EQ(valeurs[0], "N1");
    EXPECT_EQ(valeurs[5], "/a/3.gif");
    EXPECT_EQ(valeurs[6], "N4");
    EXPECT_EQ(valeurs[63], "/a/32.gif");
}

TEST(ListeAvatars, EmptyPathsWhetherQuotedOrNotGiveNoPicture)
{
    const auto valeurs = lireListeAvatars("\"A\",\"\",\"B\",,\"C\",\r\n");
    ASSERT_GE(valeurs.size(), 6u);
    EXPECT_EQ(valeurs[1], "");
    EXPECT_EQ(valeurs[3], "");
    EXPECT_EQ(valeurs[5], "");
}

TEST(ListeAvatars, APathIsTakenUpToANul)
{
    const QByteArray fichier("\"A\",\"/a/b.gif\0    \",\"B\"\r\n", 25);
    const auto valeurs = lireListeAvatars(fichier);
    ASSERT_GE(valeurs.size(), 3u);
    EXPECT_EQ(valeurs[1], "/a/b.gif");
    EXPECT_EQ(valeurs[2], "B");
}

TEST(ListeAvatars, AShortFileChangesOnlyTheSlotsItHolds)
{
    auto p = participantsInitiaux();
    appliquerListeAvatars(lireListeAvatars("\"Ana\",\"/a.gif\",\"Bob\""), p);
    EXPECT_EQ(p[0].nom, "Ana");
    EXPECT_EQ(p[0].chemin_avatar, "/a.gif");
    EXPECT_EQ(p[1].nom, "Bob");
    EXPECT_EQ(p[1].chemin_avatar, "");
    EXPECT_EQ(p[2].nom, "Joueur 3");
    EXPECT_EQ(p[31].nom, "Joueur 32");

    auto vide = participantsInitiaux();
    appliquerListeAvatars(lireListeAvatars(QByteArray()), vide);
    EXPECT_EQ(vide[0].nom, "Joueur 1");
}
