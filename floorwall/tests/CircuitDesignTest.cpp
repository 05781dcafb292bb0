#include "FloorWallFixtures.h"
