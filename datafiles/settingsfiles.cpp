#include "datafiles/settingsfiles.h"

#include <QFileInfo>

#include <cmath>

namespace datafiles {
namespace {
// A number as the game prints it: a blank (or the minus sign) before, a blank after.
QByteArray printed(long long value)
{
    return (value < 0 ? QByteArray("-") : QByteArray(" ")) + QByteArray::number(qAbs(value)) + ' ';
}
} // namespace

QString fichierEmplacement(int slot)
{
    return slot == 1 ? QStringLiteral("fichier_texte.tpq")
                     : QStringLiteral("fichier_texte%1.tpq").arg(slot);
}

std::vector<Item> lireEnregistrement(const QString &path, int count)
{
    // A settings record is a few dozen short items: a damaged file of any size costs no more.
    constexpr qint64 kOctetsUtiles = 64 * 1024;
    const auto data = platform::readFileStart(path, kOctetsUtiles);
    if (!data)
        return {};
    return readItems(*data, count);
}

long long lireOrdre(const QString &path)
{
    const auto items = lireEnregistrement(path, 1);
    const auto valeur = items.empty() ? std::nullopt : items[0].numericValue();
    // Beyond 2^53 a double no longer holds every whole number.
    constexpr double kPlusGrandEntier = 9007199254740992.0;
    if (!valeur || *valeur != std::floor(*valeur) || std::abs(*valeur) > kPlusGrandEntier)
        return 0;
    return static_cast<long long>(*valeur);
}

RecordWriter enregistrementReglages(const Reglages &r)
{
    RecordWriter record;
    record.text(r.type_de_jeu)
        .text(r.nombre_questions)
        .text(r.nombre_secondes)
        .text(r.bruitage_vrai)
        .text(r.bruitage_faux)
        .text(r.bouton_option)
        .text(r.tictac)
        .text(r.musique);
    for (const QString &points : {r.points_perdus, r.points_gagnes}) {
        if (points.isEmpty())
            record.empty();
        else
            record.text(points);
    }
    record.text(r.synthese_vocale);
    return record;
}

RecordWriter enregistrementThemes(const std::array<QString, kNombreThemes> &switches)
{
    RecordWriter record;
    for (const QString &s : switches)
        record.text(s);
    return record;
}

RecordWriter enregistrementOrdre(long long ordre)
{
    RecordWriter record;
    record.number(ordre).number(1);
    return record;
}

RecordWriter enregistrementEmplacement(const QString &chemin, const QString &titre)
{
    RecordWriter record;
    record.text(chemin).text(titre);
    return record;
}

platform::WriteResult ecrireEnregistrement(const QString &path, const RecordWriter &record)
{
    if (!record.ok()) {
        QString pourquoi = record.error();
        pourquoi[0] = pourquoi[0].toLower();
        return platform::WriteResult::failure(QStringLiteral("Impossible d'enregistrer le fichier "
                                                             "%1 : %2")
                                                  .arg(QFileInfo(path).fileName(), pourquoi));
    }
    return platform::writeWholeFile(path, record.line());
}

platform::WriteResult
ecrireEnregistrements(const std::vector<std::pair<QString, RecordWriter>> &fichiers)
{
    std::vector<std::pair<QString, QByteArray>> contenus;
    for (const auto &[path, record] : fichiers) {
        if (!record.ok())
            return ecrireEnregistrement(path, record);
        contenus.emplace_back(path, record.line());
    }
    return platform::writeWholeFiles(contenus);
}

platform::WriteResult ecrireOrdreJeu(const QString &path, long long ordre)
{
    return platform::writeWholeFile(path, printed(ordre) + printed(1) + "\r\n");
}

} // namespace datafiles
