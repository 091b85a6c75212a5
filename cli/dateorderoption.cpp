#include "dateorderoption.h"

#include "dateorder.h"

#include <CLI/App.hpp>

using namespace spanwright;

void addDateOrderOption(CLI::App& command, DateOrder& order)
{
    command
        .add_option_function<std::string>(
            "--date-order",
            [&order](const std::string& choice) { order = *dateOrderOfChoice(choice); },
            "The order of numeric dates: mdy 5/17/1990 (the default), dmy 17/5/1990, ymd 1990/5/17; "
            "1990-05-17 is read whatever the order")
        ->check(CLI::IsMember({"mdy", "dmy", "ymd"}))
        ->type_name("ORDER");
}
