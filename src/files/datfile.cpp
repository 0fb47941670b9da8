// Placeholder until the data file lands.
#include "files/datfile.h"
