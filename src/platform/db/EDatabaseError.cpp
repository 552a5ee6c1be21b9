#include "platform/db/EDatabaseError.h"
