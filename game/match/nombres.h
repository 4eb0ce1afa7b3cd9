// Numbers that the match keeps as text (scores, seconds, counts, settings): read as the whole
// number they start with, and written back in their shortest form.
#pragma once

#include <QString>
#include <QtGlobal>

// The whole number at the start of `text` (blanks, a sign, digits), 0 when there is none;
// held at the 64-bit limits. "12" gives 12, "-3" gives -3, "20 questions" gives 20.
[[nodiscard]] qint64 valeur(const QString &text);
// Its shortest decimal text: "-10", "29".
[[nodiscard]] inline QString texte(qint64 value)
{
    return QString::number(value);
}
