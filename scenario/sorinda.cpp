#include "scenario/sorinda.h"

Sorinda::Sorinda()
{
    count = 40;
    loadScript();
}

Sorinda::~Sorinda() = default;
