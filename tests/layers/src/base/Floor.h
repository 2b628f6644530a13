#pragma once
// Reaches up from the floor: the layer check must name this line.
#include "ui/Window.h"
