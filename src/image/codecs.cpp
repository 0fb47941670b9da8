// Placeholder until the codecs land.
#include "image/codecs.h"
