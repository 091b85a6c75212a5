#pragma once

#include "evidence/birthnarrowing.h"
#include "reading/datereader.h"
#include "outcome.h"
#include "narrowrecord.h"

#include <string>
#include <vector>

namespace spanwright {

// The narrow command's answer over its records, and its three forms: the
// text a genealogist reads, CSV and JSON.
struct NarrowAnswer
{
    // Outcome::Answered when some birth date fits every record, Outcome::NoAnswer when
    // none does, Outcome::NotRead when a record is not read (problems says which).
    Outcome outcome = Outcome::Answered;
    std::vector<std::string> problems; // "record 2 (\"US 1895 census: 30\"): ..."
    // Each record read, or refused: those no birth date gives are left out.
    std::vector<NarrowReading> records;
    Narrowing narrowing;
};

NarrowAnswer answerNarrowQuestion(const std::vector<std::string>& recordTexts, const NarrowOptions& options = {});

// The first line the narrowed window (or "no birth date fits every
// record", then each largest agreeing set with its window and the records
// left out); then a line per record: the record as read and its window,
// and for a date of another calendar "; date: " and how it was read.
std::string narrowAnswerText(const NarrowAnswer& answer, const NarrowOptions& options = {});

// part,records,when,age,earliest,latest,dates,about,left_out,calendar: a
// "narrowed" row (or an "agreeing" row per largest set), then a "record"
// row each, its calendar how a date of another calendar was read.
std::string narrowAnswerCsv(const NarrowAnswer& answer, const NarrowOptions& options = {});

// {"fits":..., "window":..., "sets":[...], "records":[...]}, each record
// with its "calendar" ("" for a plain Gregorian date).
std::string narrowAnswerJson(const NarrowAnswer& answer, const NarrowOptions& options = {});

} // namespace spanwright
