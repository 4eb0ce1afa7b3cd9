// The pictures of the toolbar's buttons and of the program, drawn by the program.
#pragma once

#include <QIcon>
#include <QString>

namespace editor {

[[nodiscard]] QIcon iconeBouton(const QString &key);
// The program's own icon: a note on a blue square.
[[nodiscard]] QIcon iconeProgramme();

} // namespace editor
