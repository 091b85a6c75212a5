#pragma once

// Runs the GEDCOM report and the tree check on a file held in memory, for
// the tests of both.

#include "gedcomreport.h"
#include "treecheckfile.h"

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <sstream>
#include <vector>

// Test helpers over the library, for test files only.
using namespace spanwright;

// The bytes of a stream from its start.
inline QByteArray contentsOf(std::FILE* file)
{
    std::rewind(file);
    QByteArray text;
    char block[4096];
    size_t n = 0;
    while ((n = std::fread(block, 1, sizeof block, file)) > 0)
        text.append(block, qsizetype(n));
    return text;
}

// What the report of a GEDCOM file gave: its status, rows and warnings.
struct GedcomReportRun
{
    int status = -1;
    QByteArray out;
    QByteArray warnings;
    GedcomSummary summary;
};

// The report of a GEDCOM file read from in.
inline GedcomReportRun runReport(std::FILE* in)
{
    GedcomReportRun run;
    std::FILE* out = std::tmpfile();
    std::ostringstream warnings;
    run.status = writeGedcomReport(in, out, "test.ged", warnings, run.summary);
    run.out = contentsOf(out);
    std::fclose(out);
    run.warnings = QByteArray::fromStdString(warnings.str());
    return run;
}

inline GedcomReportRun runReport(const QByteArray& gedcom)
{
    QByteArray copy = gedcom; // fmemopen wants a writable buffer
    std::FILE* in = fmemopen(copy.data(), size_t(copy.size()), "rb");
    GedcomReportRun run = runReport(in);
    std::fclose(in);
    return run;
}

// The report's rows alone.
inline QByteArray reportFrom(std::FILE* in) { return runReport(in).out; }
inline QByteArray reportOf(const QByteArray& gedcom) { return runReport(gedcom).out; }

// The field at column of a CSV line (quoted fields unquoted).
inline QByteArray csvField(const QByteArray& line, qsizetype column)
{
    QByteArray field;
    qsizetype index = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"')
                field += line[++i];
            else
                quoted = !quoted;
        } else if (c == ',' && !quoted) {
            if (index++ == column)
                return field;
            field.clear();
        } else {
            field += c;
        }
    }
    return index == column ? field : QByteArray("(no such column)");
}

// The field of the report's column named header in the row of the person id.
inline QByteArray reportField(const QByteArray& report, const QByteArray& id, const QByteArray& header)
{
    const QList<QByteArray> lines = report.split('\n');
    const qsizetype column = lines[0].split(',').indexOf(header);
    for (const QByteArray& line : lines) {
        if (line.startsWith(id + ','))
            return csvField(line, column);
    }
    return "(no row)";
}

inline std::vector<TreeFinding> findingsOf(const QByteArray& gedcom, const TreeCheckOptions& options = {})
{
    QByteArray copy = gedcom;
    std::FILE* in = fmemopen(copy.data(), size_t(copy.size()), "rb");
    std::ostringstream warnings;
    TreeCheckSummary summary;
    std::vector<TreeFinding> found;
    checkGedcomTree(in, "test.ged", options, warnings, [&](const TreeFinding& f) { found.push_back(f); },
                    summary);
    std::fclose(in);
    return found;
}
