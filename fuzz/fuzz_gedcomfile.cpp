// Fuzz target for the GEDCOM file reader of spanwright-cli gedcom.
//
// The input is a whole file. It is refused (status 2, nothing written) or
// reported: a header and one CSV record of the header's fields per individual, in
// UTF-8 without control characters but the tab and the line feed, with a
// summary that adds up and status 1 when some row holds an error or the
// warnings tell of lines not read.
#include "gedcomreport.h"
#include "gedcomtext.h"

#include "fuzzcheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

using namespace spanwright;

namespace {

// The header's fields: every row has as many.
const long long FieldsPerRow = std::count(GedcomReportHeader.begin(), GedcomReportHeader.end(), ',') + 1;

// Records and fields of a CSV text, counting line ends and commas outside
// quotes; false when a quoted field is left open.
bool countCsv(std::string_view text, long long& records, long long& badRows)
{
    bool quoted = false;
    long long commas = 0;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == '\n') {
            ++records;
            badRows += commas == FieldsPerRow - 1 ? 0 : 1;
            commas = 0;
        }
    }
    return !quoted;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    std::FILE* in = fmemopen(input.empty() ? nullptr : input.data(), input.size(), "rb");
    char* buffer = nullptr;
    size_t length = 0;
    std::FILE* out = open_memstream(&buffer, &length);
    if (in == nullptr || out == nullptr)
        std::abort();
    std::ostringstream warnings;
    GedcomSummary summary;
    const int status = writeGedcomReport(in, out, "fuzz.ged", warnings, summary);
    std::fclose(in);
    std::fclose(out);
    const std::string report(buffer, length);
    std::free(buffer);

    FUZZ_CHECK(status == GedcomReportClean || status == GedcomReportRowErrors || status == GedcomReportUnreadable);
    if (status == GedcomReportUnreadable) {
        FUZZ_CHECK(report.empty());
        FUZZ_CHECK(!warnings.str().empty());
        return 0;
    }
    FUZZ_CHECK(report.compare(0, GedcomReportHeader.size(), GedcomReportHeader) == 0);
    long long records = 0;
    long long badRows = 0;
    FUZZ_CHECK(countCsv(report, records, badRows));
    FUZZ_CHECK(!report.empty() && report.back() == '\n');
    FUZZ_CHECK(records == summary.individuals + 1);
    FUZZ_CHECK(badRows == 0);
    std::string scratch;
    FUZZ_CHECK(!appendReportText(scratch, report, true));

    FUZZ_CHECK(summary.agesComputed <= summary.individuals);
    FUZZ_CHECK(summary.agree + summary.disagree + summary.cannotCheck <= summary.individuals);
    FUZZ_CHECK(summary.rowsWithErrors <= summary.individuals);
    // Status 1 for rows with errors, and for lines not read or a missing
    // TRLR, which the warnings tell.
    FUZZ_CHECK(summary.rowsWithErrors == 0 || status == GedcomReportRowErrors);
    FUZZ_CHECK(status == GedcomReportClean || summary.rowsWithErrors > 0 || !warnings.str().empty());
    return 0;
}
