// Every port interface, for code that talks to several of them through the
// module state's Platform.
#pragma once
#include "model/platform.h"
#include "ports/clock_port.h"
#include "ports/event_memory_port.h"
#include "ports/file_port.h"
#include "ports/host_transport.h"
#include "ports/list_body_library.h"
#include "ports/memory_port.h"
#include "ports/panel_port.h"
#include "ports/process_port.h"
#include "ports/profile_port.h"
#include "ports/storage_port.h"
#include "ports/timer_port.h"
#include "ports/window_port.h"
#include "ports/worker_host_port.h"
#include "ports/worker_port.h"
