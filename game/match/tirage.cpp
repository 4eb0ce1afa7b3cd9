#include "game/match/tirage.h"

#include "game/match/form_jeu.h"
#include "game/services/form_admin.h"
#include "game/services/module_nouveau_themes.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/controls.h"
#include "platform/messagebox.h"
#include "platform/process.h"
#include "platform/random.h"
#include "platform/screens.h"

#include <QPointer>

#include <algorithm>

using namespace platform;

SourceTirage sourceDuTirage(int k)
{
    const auto niveaux = [](const QString &groupe) {
        QStringList cles;
        for (int j = 1; j <= 7; ++j)
            cles << groupe + QString::number(j);
        return SourceTirage{groupe, cles};
    };
    switch (k) {
    case 1: return {QStringLiteral("compos"), {QStringLiteral("compos")}};
    case 2: return {QStringLiteral("visages"), {QStringLiteral("visages")}};
    case 3: return {QStringLiteral("organa"), {QStringLiteral("organa")}};
    case 4: return {QStringLiteral("lexique"), {QStringLiteral("lexique")}};
    case 5: return niveaux(QStringLiteral("aigu"));
    case 6: return niveaux(QStringLiteral("grave"));
    case 7: return {QStringLiteral("ecoutes"), {QStringLiteral("ecoutes")}};
    case 8: return {QStringLiteral("fichier_texte"), {QStringLiteral("fichier_texte")}};
    default:
        return {QStringLiteral("fichier_texte"),
                {QStringLiteral("fichier_texte") + QString::number(k - 7)}};
    }
}

int tirageEntier(double r, int n)
{
    // A source that returns 1.0 or more would draw one past the end.
    return std::clamp(static_cast<int>(r * n) + 1, 1, n);
}

QString essaiTirage(const SourceTirage &source,
                    const std::function<bool(const QString &)> &actif,
                    const std::function<int()> &niveau)
{
    if (source.cles.size() == 1)
        return actif(source.cles.front()) ? source.cles.front() : QString();
    if (std::none_of(source.cles.begin(), source.cles.end(), actif))
        return {};
    const QString &cle = source.cles.at(std::clamp(niveau(), 1, 7) - 1);
    return actif(cle) ? cle : QString();
}

QString programmeLance(const QString &cle)
{
    return cle.startsWith(QLatin1String("fichier_texte")) ? QStringLiteral("texte") : cle;
}

void Form_jeu::Command_question_Click()
{
    const QPointer<Form_jeu> garde(this);
    const quint64 enCours = partie();
    Form_admin &reglages = form_admin();
    const auto actif = [&reglages](const QString &cle) {
        const Label *l = reglages.theme(cle);
        return l != nullptr && l->Caption() == QLatin1String("oui");
    };
    const auto niveau = [] {
        Randomize();
        return tirageEntier(Rnd(), 7);
    };
    // Tries follow one another until a source that is on is drawn, each with fresh numbers.
    for (;;) {
        if (Aucun_theme_actif()) {
            Timer_nouvelle_question->setEnabled(false);
            Timer_tempello->setEnabled(false);
            MsgBox(QStringLiteral("Impossible de jouer! Vous devez installer les questions"),
                   vbOKOnly, QStringLiteral("Erreur"));
            form_nombre_joueurs().Show();
            startProgram(QStringLiteral("Tempelgestion"));
            if (garde && Screens::ifLoaded<Form_jeu>() == garde)
                Screens::unload<Form_jeu>();
            return;
        }
        Label_shell->setCaption({});
        Randomize();
        const SourceTirage source = sourceDuTirage(tirageEntier(Rnd(), 14));
        Label_type_questionnaire->setCaption(source.themeCourant);
        const QString cle = essaiTirage(source, actif, niveau);
        if (!cle.isEmpty()) {
            startProgram(cle);
            Label_shell->setCaption(programmeLance(cle));
        }
        DoEvents();
        // Stopped, restarted, ended or closed meanwhile: that match draws no more.
        if (!garde || Screens::ifLoaded<Form_jeu>() != garde || partie() != enCours)
            return;
        if (!Label_shell->Caption().isEmpty())
            return;
    }
}
