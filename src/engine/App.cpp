#include "engine/App.h"

int RunApp(int, char**)
{
    return 0;
}
