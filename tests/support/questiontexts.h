// A question line as the question programs read it, its eight items as texts: the shipped
// questions are checked through the same reader that asks them.
#pragma once

#include "platform/codec1252.h"
#include "questions/questionline.h"

#include <QStringList>

#include <optional>

// Nothing when the programs would refuse the line.
inline std::optional<QStringList> questionTexts(const QByteArray &line1252)
{
    const auto q = questions::parseQuestionLine(
        std::string_view(line1252.constData(), std::size_t(line1252.size())));
    if (!q)
        return std::nullopt;
    const auto texte = [](const std::string &s) {
        return platform::decode1252(QByteArray::fromStdString(s));
    };
    QStringList items{texte(q->texte_question)};
    for (const std::string &reponse : q->reponses)
        items << texte(reponse);
    items << QString::number(q->bonne_reponse) << texte(q->image) << texte(q->son);
    return items;
}
