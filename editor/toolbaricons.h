// The pictures of the toolbar's buttons, drawn by the program.
#pragma once

#include <QIcon>
#include <QString>

namespace editor {

[[nodiscard]] QIcon iconeBouton(const QString &key);

} // namespace editor
