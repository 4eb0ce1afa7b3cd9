// A note-reading question program; the build gives each its clef and level.
#include "questions/programs.h"

int main()
{
    return questions::runNotes(notes::Clef::TEMPEL_CLEF, TEMPEL_LEVEL);
}
