// The tool's two pictures, drawn by code: the window's background and the "Retour" arrow.
#pragma once

#include <QPixmap>

namespace admin {

// 800 x 600: a soft gradient with staves across it.
QPixmap fondOutil();
// 32 x 32: an arrow pointing back.
QPixmap flecheRetour();

} // namespace admin
