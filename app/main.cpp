// Ostrel: editor and cloning tool for the Ostrel dual-band radio.

#include "app/application.h"

int main(int argc, char** argv)
{
    return app::Run(argc, argv);
}
