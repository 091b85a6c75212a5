#pragma once

#include "batchrows.h"
#include "resultentries.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The batch command's run over one CSV file, on this thread, its output
// handed on in pieces: what `spanwright-cli batch` writes, byte for byte.
struct WebBatchOptions
{
    std::optional<std::string> begin; // the columns, as the command names them
    std::optional<std::string> end;
    std::optional<std::string> age;
    Notation notation = Notation::Worded;
};

struct WebBatchOutcome
{
    std::string problem; // why the run stopped, as the command says it; "" when it did not
    unsigned long long rows = 0;
    unsigned long long rowsWithErrors = 0;
};

using WebBatchSink = std::function<void(std::string_view text)>;
using WebBatchProgress = std::function<void(unsigned long long bytesRead, unsigned long long rows)>;

WebBatchOutcome runWebBatch(std::FILE* input, std::string_view inputName, const WebBatchOptions& options,
                            const WebBatchSink& sink, const WebBatchProgress& progress);

// The header row's fields: the first row that is not an empty line.
std::vector<std::string> csvHeaderFields(std::FILE* input);
