#include "startprogram.h"

int main(int argc, char *argv[])
{
    return kalmoro::StartProgram(argc, argv);
}
