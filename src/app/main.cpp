#include "app/App.h"

int main(int argc, char** argv)
{
    return RunApp(argc, argv);
}
