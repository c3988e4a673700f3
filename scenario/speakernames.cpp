#include "scenario/speakernames.h"

// Compiled with the stories' execution character set, so these literals are CP932 bytes.
const char brideName[] = "小春";
const char wolfName[] = "ギン";
