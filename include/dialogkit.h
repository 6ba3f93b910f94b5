// dialogkit: the suite's message dialogs, the column layouts of its lists, and printing.
// Include this one header to get the whole interface.
#pragma once

#include "dialogs/dialog_samples.h"
#include "dialogs/form_centred_message_dlg.h"
#include "dialogs/header_info_list.h"
#include "dialogs/help_topic_names.h"
#include "dialogs/list_columns.h"
#include "dialogs/message_dialog_catalogue.h"
#include "dialogs/message_dialog_form.h"
#include "dialogs/print_utilities.h"
#include "dialogs/printer_from_qt.h"
#include "dialogs/qt_message_box.h"
