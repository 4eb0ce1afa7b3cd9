// The start of the tool: the settings files into the controls, then the quiz type's lists and
// the minutes label, which the start sets off as a user's change would.
#include "admin/form1.h"

#include "admin/regles.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

using namespace platform;
using datafiles::Item;

namespace {
constexpr int kPacks = 19;
constexpr int kFichiersEcoutesMinimum = 4;

// An item equal to a whole number from `minimum` to `maximum` (an empty item is 0).
std::optional<int> entier(const Item &item, int minimum, int maximum)
{
    const auto valeur = item.numericValue();
    if (!valeur || *valeur != std::floor(*valeur) || *valeur < minimum || *valeur > maximum)
        return std::nullopt;
    return int(*valeur);
}

void cocher(CheckBox *box, const Item &item)
{
    box->setValue(item.is(QStringLiteral("oui")) ? 1 : 0);
}

void bruitage(CheckBox *box, admin::ComboBox *liste, const Item &item, const QStringList &sons)
{
    if (item.kind == Item::Kind::Text && sons.contains(item.text)) {
        box->setValue(1);
        liste->choisir(item.asText());
    } else if (item.is(QStringLiteral("non"))) {
        box->setValue(0);
        liste->choisir(sons.first());
    }
}

void points(admin::ComboBox *liste, const Item &item, int minimum)
{
    if (item.is(QStringLiteral("temps")))
        liste->choisir(admin::kTempsRestant);
    else if (const auto n = entier(item, minimum, 20))
        liste->choisir(QString::number(*n));
}
} // namespace

void Form1::Form_Load()
{
    centre();
    appliquerOrdre(datafiles::lireEnregistrement(programPath(datafiles::kFichierOrdre), 1));
    appliquerReglages(datafiles::lireEnregistrement(programPath(datafiles::kFichierReglages),
                                                    datafiles::kNombreReglages));
    const auto themes = datafiles::lireEnregistrement(programPath(datafiles::kFichierThemes),
                                                      datafiles::kNombreThemes);
    for (std::size_t i = 0; i < themes.size(); ++i)
        cocher(Check_themes[i], themes[i]);
    verifierProgrammes();
    remplirEmplacements();
    verifierEcoutes();
}

void Form1::appliquerOrdre(const std::vector<Item> &items)
{
    const auto ordre = items.empty() ? std::nullopt : entier(items[0], 0, 1);
    if (ordre)
        (*ordre == 0 ? Option_aleatoire : Option_ordre)->setValue(true);
}

// A pack can be played only when its question program is there.
void Form1::verifierProgrammes()
{
    for (int i = 0; i < kPacks; ++i) {
        const bool present =
            QFileInfo(questionProgramPath(QString::fromLatin1(datafiles::kClesThemes[i]))).isFile();
        if (!present)
            Check_themes[i]->setValue(0);
        Check_themes[i]->setEnabled(present);
    }
}

// A slot without a title is not in use; the ticks from themes.tpq are already set.
void Form1::remplirEmplacements()
{
    for (int slot = 1; slot <= datafiles::kNombreEmplacements; ++slot) {
        const auto items =
            datafiles::lireEnregistrement(programPath(datafiles::fichierEmplacement(slot)), 2);
        CheckBox *box = Check_fichier_texte(slot);
        Label_chemin_fichier_texte(slot)->setCaption(items.size() > 0 ? items[0].asText()
                                                                      : QString());
        box->setCaption(items.size() > 1 ? items[1].asText() : QString());
        if (box->Caption().isEmpty()) {
            box->setValue(0);
            box->setEnabled(false);
        } else {
            box->setEnabled(true);
        }
    }
}

// The listening theme needs at least four pieces to draw from.
void Form1::verifierEcoutes()
{
    CheckBox *ecoutes = Check_theme(QStringLiteral("ecoutes"));
    const QDir dossier(programPath(QStringLiteral("ecoutes")));
    const bool assez =
        dossier.exists() && dossier.entryList(QDir::Files).size() >= kFichiersEcoutesMinimum;
    if (!assez)
        ecoutes->setValue(0);
    ecoutes->setEnabled(assez);
}

void Form1::appliquerReglages(const std::vector<Item> &items)
{
    const auto item = [&items](std::size_t numero) -> const Item * {
        return numero <= items.size() ? &items[numero - 1] : nullptr;
    };
    if (const Item *type = item(1)) {
        if (type->is(QStringLiteral("question")))
            choisirTypeDeJeu(true);
        else if (type->is(QStringLiteral("temps")))
            choisirTypeDeJeu(false);
    }
    if (const Item *questions = item(2))
        Text_nombre_questions->setText(questions->asText());
    if (const Item *secondes = item(3))
        Text_nombre_secondes->setText(secondes->asText());
    if (const Item *vrai = item(4))
        bruitage(Check_bruitage_vrai, Combo_bruitage_vrai, *vrai,
                 {QStringLiteral("Ding"), QStringLiteral("Applaudissements")});
    if (const Item *faux = item(5))
        bruitage(Check_bruitage_faux, Combo_bruitage_faux, *faux,
                 {QStringLiteral("Buzzer"), QStringLiteral("Huées")});
    const std::array<std::pair<std::size_t, CheckBox *>, 4> interrupteurs = {
        {{6, Check_bouton_option}, {7, Check_tictac}, {8, Check_musique}, {11, Check_speech}}};
    for (const auto &[numero, box] : interrupteurs) {
        if (const Item *i = item(numero))
            cocher(box, *i);
    }
    if (const Item *perdus = item(9))
        points(Combo_points, *perdus, 0);
    if (const Item *gagnes = item(10))
        points(Combo_points_gagnes, *gagnes, 1);
}

void Form1::choisirTypeDeJeu(bool jeuQuestions)
{
    OptionButton *option = jeuQuestions ? Option_question : Option_temps;
    if (option->Value())
        remplirPoints(jeuQuestions);
    else
        option->setValue(true);
}

void Form1::Option_question_Click()
{
    remplirPoints(true);
}

void Form1::Option_temps_Click()
{
    remplirPoints(false);
}

void Form1::remplirPoints(bool jeuQuestions)
{
    Combo_points_gagnes->remplir(admin::entreesPointsGagnes(jeuQuestions));
    Combo_points->remplir(admin::entreesPointsPerdus(jeuQuestions));
    Combo_points_gagnes->setListIndex(admin::positionParDefaut(jeuQuestions));
    Combo_points->setListIndex(admin::positionParDefaut(jeuQuestions));
}

void Form1::Text_nombre_secondes_Change()
{
    if (const auto minutes = admin::libelleMinutes(Text_nombre_secondes->Text()))
        Label_minutes->setCaption(*minutes);
}
