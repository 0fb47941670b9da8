// Placeholder until the settings store lands.
#include "files/settingsstore.h"
