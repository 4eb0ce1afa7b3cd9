#include "game/match/question.h"

#include "datafiles/itemformat.h"
#include "game/match/deroulement.h"
#include "game/match/form_jeu.h"
#include "game/match/nombres.h"
#include "game/services/form_admin.h"
#include "game/services/questionaudio.h"
#include "game/services/respicture.h"
#include "platform/errors.h"
#include "platform/messagebox.h"
#include "platform/picturefile.h"
#include "platform/programfolder.h"
#include "platform/speech.h"
#include "platform/wholefile.h"

#include <QDir>
#include <QPointer>

using namespace platform;

QuestionCourante lireQuestion(const QByteArray &contenu)
{
    const std::vector<datafiles::Item> items = datafiles::readItems(contenu, 9);
    const auto item = [&items](std::size_t i) {
        return i < items.size() ? items[i].asText() : QString();
    };
    QuestionCourante q;
    q.question = item(0);
    for (std::size_t n = 0; n < 4; ++n)
        q.reponses[n] = item(n + 1);
    q.bonneReponse = item(5);
    q.image = item(6);
    q.son = item(7);
    q.fichierRessources = item(8);
    return q;
}

PlaceReponse placeReponse(int n, const QString &reponse)
{
    static constexpr int longs[4] = {1260, 2040, 2820, 3600};
    static constexpr int courts[4] = {1430, 2210, 2990, 3770};
    if (reponse.size() > 85)
        return {longs[n - 1], 615};
    return {courts[n - 1], 285};
}

std::optional<QString> cheminDansDossier(const QString &dossier, const QString &item)
{
    QString relatif = item;
    relatif.replace(u'\\', u'/');
    if (relatif.isEmpty() || relatif.startsWith(u'/') || QDir::isAbsolutePath(relatif) ||
        relatif.contains(u':'))
        return std::nullopt;
    for (const QString &part : relatif.split(u'/')) {
        if (part == QLatin1String(".."))
            return std::nullopt;
    }
    return QDir(dossier).filePath(relatif);
}

QString cheminSonPaquet(const QString &dossierProgramme, const QString &item)
{
    if (item.isEmpty())
        return {};
    QString chemin = item;
    chemin.replace(u'\\', u'/');
    return QDir::isAbsolutePath(chemin) ? chemin : QDir(dossierProgramme).filePath(chemin);
}

QString texteParle(const QString &question)
{
    return question.left(question.size() - 1);
}

namespace {
// A picture of a resource module; nothing when the module or the picture cannot be had.
std::optional<QPixmap> imageRessource(const QString &module, const QString &id)
{
    try {
        ResPicture r;
        if (!module.isEmpty())
            r.setFileName(module);
        return r.LoadResPicture(QStringLiteral("images"), id);
    } catch (const NumberedError &) {
        return std::nullopt;
    }
}

void montrerImage(Form_jeu &jeu, const QuestionCourante &q, bool texte)
{
    // The default picture first: whatever cannot be loaded after it leaves it shown.
    if (const auto defaut = imageRessource({}, QStringLiteral("100")))
        jeu.Image_question->setPicture(*defaut);
    if (texte) {
        if (const auto chemin = cheminDansDossier(programPath(QStringLiteral("images")), q.image)) {
            const QImage image = readPicture(*chemin);
            if (!image.isNull())
                jeu.Image_question->setPicture(QPixmap::fromImage(image));
        }
        const auto son = cheminDansDossier(programPath(QStringLiteral("audio")), q.son);
        jeu.Label_chemin_musique->setCaption(son.value_or(QString()));
    } else {
        const QString module =
            q.fichierRessources.isEmpty() ? QString() : programPath(q.fichierRessources);
        if (!module.isEmpty()) {
            if (const auto image = imageRessource(module, q.image))
                jeu.Image_question->setPicture(*image);
        }
        jeu.Label_chemin_musique->setCaption(cheminSonPaquet(programFolder(), q.son));
    }
}
} // namespace

void Afficher_question(Form_jeu &jeu)
{
    for (int k = 1; k <= 3; ++k) {
        jeu.Image(k)->setAnimation(false);
        jeu.Image(k)->setReglageEntier(0);
    }
    for (QWidget *w : jeu.Label_reponse)
        w->setVisible(true);
    for (QWidget *w :
         std::initializer_list<QWidget *>{jeu.Label_question, jeu.Image_question,
                                          jeu.Label_timer_highscore, jeu.Label_question_n})
        w->setVisible(true);
    Form_admin &reglages = form_admin();
    if (reglages.Label_type_de_jeu->Caption() == QLatin1String("question") ||
        jeu.Label_question_n->Caption() == kQuestionSubsidiaire)
        jeu.Label_timer_highscore->setCaption(QStringLiteral("30"));

    // A missing or short file shows what it holds; with no right answer, only the time-out
    // ends the question.
    // Nine items fit well within a megabyte; a runaway file is not read past it.
    constexpr qint64 kOctetsQuestion = 1024 * 1024;
    const QuestionCourante q =
        lireQuestion(readFileStart(programPath(QStringLiteral("question.tpq")), kOctetsQuestion)
                         .value_or(QByteArray()));
    jeu.Label_question->setCaption(q.question);
    for (int n = 1; n <= 4; ++n)
        jeu.Label_reponse[n - 1]->setCaption(q.reponses[n - 1]);
    jeu.Label_Bonne_reponse->setCaption(q.bonneReponse);
    jeu.Label_numero[0]->setVisible(true);
    jeu.Label_numero[1]->setVisible(true);
    jeu.Label_numero[2]->setVisible(!q.reponses[2].isEmpty());
    jeu.Label_numero[3]->setVisible(!q.reponses[3].isEmpty());
    for (int n = 1; n <= 4; ++n) {
        const PlaceReponse place = placeReponse(n, q.reponses[n - 1]);
        jeu.Label_reponse[n - 1]->setHeight(place.height);
        jeu.Label_reponse[n - 1]->setTop(place.top);
    }
    if (reglages.Check_speech->Value() == 1)
        jeu.SpeakItBtn->setValue(true);

    montrerImage(jeu, q, jeu.Label_type_questionnaire->Caption() == QLatin1String("fichier_texte"));
    LoadMP3(jeu.Label_chemin_musique->Caption());
    PlayMP3();

    jeu.Picture_jeu->setVisible(true);
    jeu.Numero_question->setCaption(texte(valeur(jeu.Numero_question->Caption()) + 1));
    jeu.Timer_nouvelle_question->setEnabled(false);
    jeu.Timer_tempello->setEnabled(true);
    jeu.questionReglee = false;
    for (int k = 1; k <= 3; ++k)
        jeu.Label_faux(k)->setVisible(false);
    for (platform::Label *reponse : jeu.Label_reponse)
        reponse->setForeColor(0);
}

void Form_jeu::Timer_nouvelle_question_Timer()
{
    const qint64 reste = valeur(Label_timer_nouvelle_question->Caption()) - 1;
    Label_timer_nouvelle_question->setCaption(texte(reste));
    if (reste == 0)
        Afficher_question(*this);
}

void Form_jeu::SpeakItBtn_Click()
{
    const QString question = Label_question->Caption();
    if (question.isEmpty())
        return;
    const QPointer<Form_jeu> garde(this);
    // The voice reports its failure later: the question and its answers go on meanwhile.
    voix().speak(texteParle(question), [garde] {
        if (garde)
            MsgBoxSansAttente(QStringLiteral("Speak Error!"));
    });
}

void Form_jeu::Afficher_scores()
{
    Shape2->setVisible(true);
    Picture_vainqueurs1->setVisible(true);
}
