#pragma once

void DeriveExecutablePath();
