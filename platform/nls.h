// National-language support in the Windows API's terms, over ICU: locale identifiers, character
// classes, case mapping, comparison, code pages, folding and locale information.
#pragma once

#include "platform/nls_case.h"
#include "platform/nls_char_types.h"
#include "platform/nls_code_pages.h"
#include "platform/nls_compare.h"
#include "platform/nls_fold.h"
#include "platform/nls_last_error.h"
#include "platform/nls_locale_ids.h"
#include "platform/nls_locale_info.h"
