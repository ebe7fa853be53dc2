#pragma once

#include <span>
#include <string>
#include <string_view>

#include "runtime/core/values/date_time.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// The files handed over to the user (the record of runs, the counts per
// name, the exported list) are CSV as spreadsheet programs read it: UTF-8,
// so that a name outside GBK keeps its characters, and a byte-order mark
// at the start of the file, without which Excel takes UTF-8 for the ANSI
// code page.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The system's texts (GBK) as one line of UTF-8 CSV ending with CR LF:
// fields separated by commas, a field holding a comma, a quote, a CR or a
// LF enclosed in quotes with each quote in it doubled.
std::string CsvLine(std::span<const core::Text> fields);

// A point in time as spreadsheets read it: 2024-05-01 09:03:07.
core::Text TimeText(const core::CalendarTime& time);

}  // namespace vorlix::app
