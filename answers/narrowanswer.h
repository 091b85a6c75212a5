#pragma once

#include "birthnarrowing.h"
#include "datereader.h"
#include "exitcodes.h"
#include "narrowrecord.h"

#include <string>
#include <vector>

// The narrow command's answer over its records, and its three forms: the
// text a genealogist reads, CSV and JSON.
struct NarrowAnswer
{
    // ExitSuccess when some birth date fits every record, ExitNoAnswer when
    // none does, ExitUsage when a record is not read (problems says which).
    ExitStatus status = ExitSuccess;
    std::vector<std::string> problems; // "record 2 (\"US 1895 census: 30\"): ..."
    std::vector<NarrowRecord> records;
    Narrowing narrowing;
};

NarrowAnswer answerNarrowQuestion(const std::vector<std::string>& recordTexts, DateOrder order = DateOrder::MonthFirst);

// The first line the narrowed window (or "no birth date fits every
// record", then each largest agreeing set with its window and the records
// left out); then a line per record: the record as read and its window.
std::string narrowAnswerText(const NarrowAnswer& answer, DateOrder order = DateOrder::MonthFirst);

// part,records,when,age,earliest,latest,dates,about,left_out: a "narrowed"
// row (or an "agreeing" row per largest set), then a "record" row each.
std::string narrowAnswerCsv(const NarrowAnswer& answer, DateOrder order = DateOrder::MonthFirst);

// {"fits":..., "window":..., "sets":[...], "records":[...]}
std::string narrowAnswerJson(const NarrowAnswer& answer, DateOrder order = DateOrder::MonthFirst);
