// Golden pictures: a screen rendered headless at its real size is compared with a reference
// picture kept in tests/golden. A failure leaves the actual picture and a picture of the
// differences in golden-failures/ under the test's folder; with TEMPEL_GOLDEN_RENDER=1 the
// references are rendered anew instead (tests/golden/render.sh).
#pragma once

#include <QString>

class QWidget;

// Compares `ecran` with the reference `nom`.png, or renders that reference anew.
void verifierImage(const QString &nom, QWidget *ecran);
