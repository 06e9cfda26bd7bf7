#pragma once
// The whole exported interface of libportkit.

#include "portkit/import_data.h"
#include "portkit/log_message.h"
#include "portkit/port_setup.h"
#include "portkit/portkit_c.h"
#include "portkit/prompt_hook.h"
#include "portkit/serial.h"
#include "portkit/sort.h"
