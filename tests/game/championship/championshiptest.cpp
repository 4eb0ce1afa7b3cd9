#include "championshiptest.h"

#include "platform/messagebox.h"

void ChampionshipTest::SetUp()
{
    ProgramFolderTest::SetUp();
    platform::setMsgBoxAnswerer([this](const QString &text, int, const QString &title) {
        messages << title + QStringLiteral(": ") + text;
        return int(platform::vbOK);
    });
}

void ChampionshipTest::TearDown()
{
    ProgramFolderTest::TearDown();
    platform::setMsgBoxAnswerer({});
}

void ChampionshipTest::participants(const QString &count)
{
    Form_photos &photos = form_photos();
    for (int p = 1; p <= Form_photos::kSlots; ++p) {
        photos.Text(p)->setText(nomParticipant(p));
        photos.Label_chemin_image(p)->setCaption(cheminParticipant(p));
    }
    photos.Label_nombre_joueurs->setCaption(count);
}
