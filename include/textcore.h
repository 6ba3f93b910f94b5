// textcore: the Quillmark runtime's core library (host runtime, text primitives, search engine,
// lists, definitions, files, strings, colour and messages). Includes every public header.
#pragma once

#include "platform/component.h"
#include "platform/date_time.h"
#include "platform/encoding.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/float_format.h"
#include "platform/format.h"
#include "platform/format_date_time.h"
#include "platform/format_settings.h"
#include "platform/list.h"
#include "platform/locale_strings.h"
#include "platform/mem_ini_file.h"
#include "platform/object.h"
#include "platform/quick_sort.h"
#include "platform/set.h"
#include "platform/streams.h"
#include "platform/string_list.h"
#include "platform/strings.h"
#include "platform/version.h"
