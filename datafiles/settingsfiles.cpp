#include "datafiles/settingsfiles.h"

namespace datafiles {
namespace {
platform::WriteResult writeRecord(const QString &path, const RecordWriter &record)
{
    if (!record.ok())
        return platform::WriteResult::failure(record.error());
    return platform::writeWholeFile(path, record.line());
}

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

platform::WriteResult ecrireReglages(const QString &path, const Reglages &r)
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
    return writeRecord(path, record);
}

platform::WriteResult ecrireThemes(const QString &path,
                                   const std::array<QString, kNombreThemes> &switches)
{
    RecordWriter record;
    for (const QString &s : switches)
        record.text(s);
    return writeRecord(path, record);
}

platform::WriteResult ecrireOrdreOutil(const QString &path, long long ordre)
{
    RecordWriter record;
    record.number(ordre).number(1);
    return writeRecord(path, record);
}

platform::WriteResult ecrireOrdreJeu(const QString &path, long long ordre)
{
    return platform::writeWholeFile(path, printed(ordre) + printed(1) + "\r\n");
}

platform::WriteResult ecrireEmplacement(const QString &path, const QString &chemin,
                                        const QString &titre)
{
    RecordWriter record;
    record.text(chemin).text(titre);
    return writeRecord(path, record);
}

} // namespace datafiles
