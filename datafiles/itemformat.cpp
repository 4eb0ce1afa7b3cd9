#include "datafiles/itemformat.h"

#include "platform/codec1252.h"

namespace datafiles {
namespace {
std::string_view bytesOf(const QByteArray &data)
{
    return {data.constData(), static_cast<std::size_t>(data.size())};
}
} // namespace

std::optional<double> numberValue(const QString &text)
{
    // Digits, signs and blanks are all ASCII: any other character makes it text.
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return std::nullopt;
    }
    return itemcore::numberValue(text.toLatin1().toStdString());
}

std::optional<double> Item::numericValue() const
{
    if (kind == Kind::Empty)
        return 0.0;
    return numberValue(text);
}

bool Item::equalsNumber(double value) const
{
    const auto v = numericValue();
    return v && *v == value;
}

std::vector<Item> readItems(const QByteArray &data, int count)
{
    std::vector<Item> items;
    for (const itemcore::RawItem &raw : itemcore::readItems(bytesOf(data), count)) {
        const QByteArray bytes(raw.bytes.data(), qsizetype(raw.bytes.size()));
        items.push_back(Item{raw.kind, platform::decode1252(bytes)});
    }
    return items;
}

std::optional<QString> textItemProblem(const QString &text)
{
    // The core judges the quote and the line break; characters the code page lacks stand
    // as '?' for that check and are refused after it.
    const auto encoded = platform::encode1252(text);
    const QByteArray bytes = encoded ? *encoded : text.toLatin1();
    switch (itemcore::textItemProblem(bytesOf(bytes))) {
    case itemcore::ItemProblem::Quote:
        return QStringLiteral("Le texte « %1 » contient un guillemet (\"), qui ne peut pas être "
                              "enregistré.")
            .arg(text);
    case itemcore::ItemProblem::LineBreak:
        return QStringLiteral("Le texte « %1 » contient un retour à la ligne, qui ne peut pas "
                              "être enregistré.")
            .arg(text);
    case itemcore::ItemProblem::None: break;
    }
    if (!encoded)
        return QStringLiteral("Le texte « %1 » contient un caractère qui ne peut pas être "
                              "enregistré.")
            .arg(text);
    return std::nullopt;
}

RecordWriter &RecordWriter::text(const QString &text)
{
    if (!m_error) {
        if (auto problem = textItemProblem(text))
            m_error = *problem;
        else
            m_record.text(bytesOf(*platform::encode1252(text)));
    }
    return *this;
}

RecordWriter &RecordWriter::number(long long value)
{
    m_record.number(value);
    return *this;
}

RecordWriter &RecordWriter::empty()
{
    m_record.empty();
    return *this;
}

QByteArray RecordWriter::line() const
{
    return QByteArray::fromStdString(m_record.line());
}

} // namespace datafiles
