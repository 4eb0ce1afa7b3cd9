// A match fixture whose game controllers are fakes that the test plugs and presses.
#pragma once

#include "fakes/fakecontrollers.h"
#include "game/match/partietest.h"
#include "support/touches.h"

class ManettesTest : public PartieTest {
protected:
    void SetUp() override
    {
        PartieTest::SetUp();
        m_manettes = platform::fakeControllers();
    }
    void TearDown() override
    {
        PartieTest::TearDown();
        platform::setControllersFactory({});
    }
    // Slot `slot` says "Oui" and takes entry `entree` of its list.
    void choisir(int slot, int entree = 0)
    {
        jeu().Option_oui(slot)->setValue(true);
        if (entree != jeu().lstJoySticks_(slot)->ListIndex())
            cliquerEntree(jeu().lstJoySticks_(slot), entree);
    }
    QStringList lignes(int slot)
    {
        QStringList l;
        for (int i = 0; i < jeu().lstButton_(slot)->ListCount(); ++i)
            l << jeu().lstButton_(slot)->List(i);
        return l;
    }
    std::vector<std::uint32_t> carres(int slot)
    {
        std::vector<std::uint32_t> c;
        for (platform::Label *carre : jeu().Label_test_(slot))
            c.push_back(carre->BackColor());
        return c;
    }

    std::shared_ptr<platform::FakeControllerBoard> m_manettes;
};
