// Constants and limits of the data file format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TTravelerData;
struct TTrip;

inline const std::string DataFileName = "qmp.dat";
// Files kept beside the data file: the running session's changes, the lock
// that keeps a second writer out, and the temporary file of a save in progress.
inline const std::string RecoveryFileName = DataFileName + ".recovery";
inline const std::string LockFileSuffix = ".lock";
inline const std::string LockFileName = DataFileName + LockFileSuffix;
inline const std::string TempFileInfix = ".tmp-";
inline const std::string DataFileHeader =
    "Quillmoor Planner Data File. Do not modify this file!!! Use the software instead.";
inline const std::string DataFileTrailer = "EOF";

// What the encodings can hold.
constexpr int MaxTrips = 255;
constexpr int MaxNoteLines = 255;
constexpr int MaxListEntries = 65535;
constexpr int MaxTextBytes = 65535;

// Returns the size in bytes of the data file for Store. Throws
// TFormatLimitError naming the first thing in the store that the data file
// cannot represent (too many trips, note lines or entries, a text too long,
// a note date out of range).
std::size_t CheckDataFileLimits(const TTravelerData& Store);

// Throws TFormatLimitError, before anything is added, when adding Imported to
// trip Trip of Store (or as a new trip when Trip is -1) would take the store
// past a limit of the data file.
void CheckImportLimits(const TTravelerData& Store, int Trip, const TTrip& Imported);

// Where each trip record of a complete data file begins, and as a last entry
// where the trailer begins.
std::vector<std::size_t> TripOffsets(const std::vector<std::uint8_t>& Bytes);

// Throws TFormatLimitError, before anything is added, when a copy of trip
// Trip of Store as a new trip would take the store past a limit.
void CheckDuplicateLimits(const TTravelerData& Store, int Trip);

// The bytes of the data file for Store, as SaveToFile writes them. Throws
// TFormatLimitError like CheckDataFileLimits.
std::vector<std::uint8_t> DataFileBytes(const TTravelerData& Store);
