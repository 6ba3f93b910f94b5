// textcore: the Quillmark runtime's core library (host runtime, text primitives, search engine,
// lists, definitions, files, strings, colour and messages). Includes every public header.
#pragma once

#include "platform/component.h"
#include "platform/date_time.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/format_date_time.h"
#include "platform/format_settings.h"
#include "platform/list.h"
#include "platform/object.h"
#include "platform/quick_sort.h"
#include "platform/set.h"
#include "platform/streams.h"
#include "platform/strings.h"
#include "platform/version.h"
