#include "app/core/Application.h"
