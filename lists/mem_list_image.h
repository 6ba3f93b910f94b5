// The image of a list in a memory map, read back record by record: a total size word T (4 plus
// the sizes of all the records), then the records in list order, each starting with a positive
// 32-bit word; what follows that word is the list's own.
//
// The image is read from plain bytes, whoever provides them; a map from another process is no
// more trusted than a file.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace textcore {

// Reads the record starting (with its word) at Offset and gives the bytes it took after its
// word; zero or less when it could not be read.
using TReadMemListRecord = std::function<int32_t(int32_t Offset)>;

// Walks the records of image and hands each to ReadRecord. True when the image holds exactly
// its records: T lies from 4 to the bytes given (a size word never stretches the image), every
// record word is positive, every record takes more than its word and ends inside T, and the last
// one ends at T. The walk stops at the first fault; it takes at most (T - 4) / 5 records, so it
// ends whatever ReadRecord answers.
bool ReadMemListImage(std::span<const uint8_t> image, const TReadMemListRecord &ReadRecord);

} // namespace textcore
