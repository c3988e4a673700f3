#include "scenario/ruvello.h"

Ruvello::Ruvello()
{
    count = 51;
    loadScript();
}

Ruvello::~Ruvello() = default;
