#include "game/services/module_nouveau_themes.h"

#include "datafiles/settingsfiles.h"
#include "game/services/form_admin.h"
#include "platform/programfolder.h"

#include <optional>

using datafiles::Item;

namespace {

// The whole number from `low` to `high` that an item equals, if any.
std::optional<int> wholeNumberIn(const Item &item, int low, int high)
{
    for (int n = low; n <= high; ++n) {
        if (item.equalsNumber(n))
            return n;
    }
    return std::nullopt;
}

int switchValue(const Item &item)
{
    return item.is(QStringLiteral("oui")) ? 1 : 0;
}

void applyReglage(int number, const Item &item)
{
    Form_admin &admin = form_admin();
    switch (number) {
    case 1:
        if (item.is(QStringLiteral("question")) || item.is(QStringLiteral("temps")))
            admin.Label_type_de_jeu->setCaption(item.asText());
        break;
    case 2: admin.Text_nombre_questions->setText(item.asText()); break;
    case 3: admin.Text_nombre_secondes->setText(item.asText()); break;
    case 4: admin.Label_bruitage_vrai->setCaption(item.asText()); break;
    case 5: admin.Label_bruitage_faux->setCaption(item.asText()); break;
    case 6: admin.Check_bouton_option->setValue(switchValue(item)); break;
    case 7: admin.Check_tictac->setValue(switchValue(item)); break;
    case 8: admin.Check_musique->setValue(switchValue(item)); break;
    case 9:
    case 10: {
        platform::Label *label = number == 9 ? admin.Label_points : admin.Label_points_gagnes;
        if (item.is(QStringLiteral("temps")))
            label->setCaption(QStringLiteral("temps"));
        else if (auto n = wholeNumberIn(item, number == 9 ? 0 : 1, 20))
            label->setCaption(QString::number(*n));
        break;
    }
    case 11: admin.Check_speech->setValue(switchValue(item)); break;
    default: break;
    }
}

} // namespace

void Charger_parametres()
{
    const auto reglages = datafiles::lireEnregistrement(
        platform::programPath(datafiles::kFichierReglages), datafiles::kNombreReglages);
    for (std::size_t i = 0; i < reglages.size(); ++i)
        applyReglage(int(i) + 1, reglages[i]);

    const auto themes = datafiles::lireEnregistrement(
        platform::programPath(datafiles::kFichierThemes), datafiles::kNombreThemes);
    Form_admin &admin = form_admin();
    for (std::size_t k = 0; k < themes.size(); ++k)
        admin.Label_themes[k]->setCaption(themes[k].is(QStringLiteral("oui")) ? "oui" : "non");
}

bool Aucun_theme_actif()
{
    for (const platform::Label *label : form_admin().Label_themes) {
        if (label->Caption() != QStringLiteral("non"))
            return false;
    }
    return true;
}
