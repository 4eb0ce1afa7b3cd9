// The listening question program.
#include "questions/programs.h"

int main()
{
    return questions::runEcoutes();
}
