#pragma once
#include "base/Missing.h"
