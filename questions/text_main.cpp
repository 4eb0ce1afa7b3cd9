// A text-slot question program; the build gives each slot its number.
#include "questions/programs.h"

int main()
{
    return questions::runTextSlot(TEMPEL_SLOT);
}
