// Readers that turn the data files into the tables of the store. Every reader
// takes a full path. "Checked" readers report a missing file with the fixed
// message and set LoadFailed; the others report it and return false, and the
// screen that called them skips the rest of its loading. A file that breaks
// a capacity or a layout rule is always reported with its file and line.
#pragma once

#include <array>
#include <string>

#include "store.h"
#include "tables.h"

namespace core {

// Lists of text slots (entry 0 := the path unless stated).
bool ReadPaddedList(const std::string& path, TextList& table, int w);  // also for the 75-character list
bool ReadRawList(const std::string& path, TextList& table);           // first slotLength characters
bool ReadWideList(const std::string& path, TextList& table, int w);   // entries from 0, no path
bool ReadWideList120(const std::string& path, TextList& table);       // unchecked, entries from 0
bool ReadMarkedList(const std::string& path, TextList& table, int* lineNumbers, int w);
bool ReadGroupedList(const std::string& path, GroupTable& groups, int expected, int k);

// ';'-separated integer rows (unchecked).
bool ReadAllLines(const std::string& path, Store& store);
bool ReadIntRows(const std::string& path, IntMatrix& matrix, int n, Store& store);
bool ReadBlockMatrices(const std::string& path, BlockMatrices& blocks, const std::array<int, 4>& counts,
                       Store& store);
bool ReadFlagRows(const std::string& path, ByteMatrix& matrix, Store& store);
bool ReadTripleBlockRows(const std::string& path, int degrees, DegreeOffers& offers, Store& store);

// Files with coded columns.
bool ReadCodedNames(const std::string& path, CodedNames& names, int w);
bool ReadCodedGroups(const std::string& path, CodedGroups& groups, int w);
bool ReadPlaces(const std::string& path, Places& places);
bool ReadRegionLinks(const std::string& path, TextList& links);
bool ReadDoubleDegrees(const std::string& path, DoubleDegrees& doubles, const IntMatrix& degrees, int degreeCount);

// First row 1..degreeCount of the degree matrix whose column 9 equals key; 0 if none.
int FindDegreeRow(const IntMatrix& degrees, int degreeCount, int key);

}  // namespace core
