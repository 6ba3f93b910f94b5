// filekit: the file comparer, the file chunker and the file-and-folder iterator,
// with the messages of the module they share. Include this one header to get the whole interface.
#pragma once

#include "filekit/file_and_dir_iterator.h"
#include "filekit/file_chunker.h"
#include "filekit/file_comparer.h"
#include "filekit/folder_controls.h"
#include "filekit/message_names.h"
