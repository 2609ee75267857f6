#include "app/protocol/ParamId.h"
