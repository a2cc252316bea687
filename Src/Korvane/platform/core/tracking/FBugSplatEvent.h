#pragma once

// Callers written before the events became one table include this name.
#include "KvTrackEvents.h"
