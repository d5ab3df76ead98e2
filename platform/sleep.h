// Sleep for a number of milliseconds, as the idle loop asks.
#pragma once

void Sleep(int ms);
