// dialogkit: the column layouts of the suite's lists, and (to come) its dialogs and printing.
// Include this one header to get the whole interface.
#pragma once

#include "dialogs/header_info_list.h"
#include "dialogs/list_columns.h"
#include "dialogs/print_utilities.h"
#include "dialogs/printer_from_qt.h"
