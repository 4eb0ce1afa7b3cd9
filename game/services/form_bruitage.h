// The hidden sound-effects screen: each button plays one of the game's own short sounds.
// Other screens press the buttons (setValue(true)); the first press loads the screen, which
// sets up the sound engine. Every failure is silent: without a device the game is mute.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/soundeffects.h"

#include <functional>
#include <memory>
#include <optional>

class Form_bruitage : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form_bruitage";
    Form_bruitage();
    ~Form_bruitage() override;

    void Form_Load() override;
    void Form_Unload() override;

    platform::CommandButton *Command_accueil;
    platform::CommandButton *Command_tictac;
    platform::CommandButton *Command_vrai;
    platform::CommandButton *Command_faux;
    platform::CommandButton *Command_stop;
    platform::TextBox *Text_volume;
    platform::Label *Label_titre;
    platform::Label *Label_test_bruitages;

    void Command_accueil_Click();
    void Command_tictac_Click();
    void Command_vrai_Click();
    void Command_faux_Click();
    void Command_stop_Click();

    // The draw of the applause and boo clips, uniform in [0, 1); tests give their own.
    void setRandomSource(std::function<double()> source);

private:
    void jouer(const QString &nom, int volume);
    void reglerVolume(int volume);

    // None when the set-up failed: every later play is then silent.
    std::unique_ptr<platform::SoundEngine> m_performance;
    std::function<double()> m_random;
};

// The right-answer sound for the setting `bruitage_vrai` ("Ding", "Applaudissements"), the
// wrong-answer sound for `bruitage_faux` ("Buzzer", "Huées"), r being a draw in [0, 1);
// nothing for any other setting.
[[nodiscard]] std::optional<QString> sonBruitageVrai(const QString &setting, double r);
[[nodiscard]] std::optional<QString> sonBruitageFaux(const QString &setting, double r);

// The screen, loaded on first use.
Form_bruitage &form_bruitage();
// Makes the screen reachable by name before anyone has used it.
void registerForm_bruitage();
