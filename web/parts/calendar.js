// The calendar part: a date in the Gregorian, Julian, Hebrew, French
// Republican, Islamic, Persian and Rumi calendars and its weekday, as
// `spanwright-cli convert` prints it, plain dates read under the page's
// switch.
import { $, pageEngine, pageLanguageChoice, pageSwitchChoice, partReady, showLines } from "../lib/page.js";
import { pageMessage } from "../lib/wording.js";

const engine = await pageEngine();
const switchChoice = await pageSwitchChoice();
const languageChoice = await pageLanguageChoice();
const result = $("convert-result");

function convert() {
    const answer = engine.convert($("convert-date").value, $("date-order").value, switchChoice.value,
                                 languageChoice.value);
    result.classList.toggle("problem", !answer.ok);
    if (!answer.ok) {
        showLines(result, [pageMessage(answer.message, "“Typed dates read”", $("date-order"))]);
        const field = answer.field === "switch" ? switchChoice : $("convert-date");
        field.focus();
        return;
    }
    showLines(result, answer.lines);
    result.focus();
}

$("convert-form").addEventListener("submit", (event) => {
    event.preventDefault();
    convert();
});
// An answer under another switch or order would mislead: it goes.
for (const choice of [switchChoice, languageChoice, $("date-order")])
    choice.addEventListener("change", () => {
        result.classList.remove("problem");
        showLines(result, []);
    });

partReady("calendar");
