// "Retour": the two counts checked, then the ten settings files written from the controls in
// their fixed order, then the tool ends. A failure says why and keeps the window open.
#include "admin/form1.h"

#include "admin/regles.h"
#include "platform/messagebox.h"
#include "platform/programfolder.h"

using namespace platform;

namespace {
QString ouiNon(const CheckBox *box)
{
    return box->Value() == 1 ? QStringLiteral("oui") : QStringLiteral("non");
}

QString son(const CheckBox *box, const admin::ComboBox *liste)
{
    return box->Value() == 1 ? liste->Text() : QStringLiteral("non");
}
} // namespace

void Form1::Image_quitter_Click()
{
    if (!admin::nombreValide(Text_nombre_questions->Text(), 1, 500)) {
        MsgBox(QStringLiteral("Le nombre de questions doit être compris entre 1 et 500"),
               vbInformation, QStringLiteral("Erreur"));
        return;
    }
    if (!admin::nombreValide(Text_nombre_secondes->Text(), 10, 600)) {
        MsgBox(QStringLiteral("Le temps doit être compris entre 10 et 600"), vbInformation,
               QStringLiteral("Erreur"));
        return;
    }
    datafiles::Reglages r;
    r.type_de_jeu = Option_question->Value() ? QStringLiteral("question") : QStringLiteral("temps");
    r.nombre_questions = Text_nombre_questions->Text();
    r.nombre_secondes = Text_nombre_secondes->Text();
    r.bruitage_vrai = son(Check_bruitage_vrai, Combo_bruitage_vrai);
    r.bruitage_faux = son(Check_bruitage_faux, Combo_bruitage_faux);
    r.bouton_option = ouiNon(Check_bouton_option);
    if (Check_bouton_option->Value() != 1)
        MsgBox(QStringLiteral(
                   "Le bouton Option ne sera invisible qu'après le redémarrage du programme!"),
               vbOKOnly, QStringLiteral("Avertissement!"));
    r.tictac = ouiNon(Check_tictac);
    r.musique = ouiNon(Check_musique);
    r.points_perdus = admin::pointsEnregistres(Combo_points->Text(), 0);
    r.points_gagnes = admin::pointsEnregistres(Combo_points_gagnes->Text(), 1);
    r.synthese_vocale = ouiNon(Check_speech);

    std::array<QString, datafiles::kNombreThemes> themes;
    for (std::size_t i = 0; i < themes.size(); ++i)
        themes[i] = ouiNon(Check_themes[i]);

    // Written together: a record or a file's place that is refused leaves every file as it was.
    std::vector<std::pair<QString, datafiles::RecordWriter>> fichiers = {
        {programPath(datafiles::kFichierReglages), datafiles::enregistrementReglages(r)},
        {programPath(datafiles::kFichierThemes), datafiles::enregistrementThemes(themes)},
        {programPath(datafiles::kFichierOrdre),
         datafiles::enregistrementOrdre(Option_aleatoire->Value() ? 0 : 1)}};
    for (int slot = 1; slot <= datafiles::kNombreEmplacements; ++slot)
        fichiers.emplace_back(
            programPath(datafiles::fichierEmplacement(slot)),
            datafiles::enregistrementEmplacement(Label_chemin_fichier_texte(slot)->Caption(),
                                                 Check_fichier_texte(slot)->Caption()));
    if (const WriteResult resultat = datafiles::ecrireEnregistrements(fichiers); !resultat) {
        MsgBox(resultat.error, vbExclamation, QStringLiteral("Erreur"));
        return;
    }
    close();
}
