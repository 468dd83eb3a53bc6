#include "autostart/executable_path.h"

void DeriveExecutablePath() {}
