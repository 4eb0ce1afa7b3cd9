#include "game/match/nombres.h"

#include <limits>

qint64 valeur(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negatif = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negatif = text[i++] == u'-';
    constexpr qint64 limite = std::numeric_limits<qint64>::max();
    qint64 v = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int chiffre = text[i].unicode() - u'0';
        v = v > (limite - chiffre) / 10 ? limite : v * 10 + chiffre;
    }
    return negatif ? -v : v;
}
