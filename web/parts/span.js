// The span part: the window's Calculate, in the notation chosen, with the
// days between the two dates and, for a date of another calendar (or one
// read under the switch), how it was read.
import { $, copyButton, pageEngine, pageLanguageChoice, pageSwitchChoice, partReady, rememberChoice, showLines } from "../lib/page.js";
import { pageMessage } from "../lib/wording.js";

const WrongDateFormat = "Wrong Date Format!!!";
const engine = await pageEngine();
const switchChoice = await pageSwitchChoice();
const languageChoice = await pageLanguageChoice();

let entries = null; // the four notations of the last span
const copyChanged = copyButton($("copy-result"), $("result"), $("copy-result-done"));

function showEntry() {
    $("result").value = entries ? entries[Number($("notation").value) - 1] : "";
    copyChanged();
}

function showSpanProblem(field, lines) {
    const box = $("span-error");
    box.replaceChildren(...lines.map((line, i) => {
        // Each a block: the message and the accepted forms are sentences of
        // their own.
        const element = document.createElement(i === 0 ? "strong" : "div");
        element.textContent = line;
        return element;
    }));
    box.hidden = false;
    const input = $(field);
    input.focus();
    input.select?.();
}

// The accepted forms, as a sentence of their own.
const formsSentence = () => `${engine.dateFormsRead.replace("accepted forms", "Accepted date forms")}.`;

function calculate() {
    $("span-error").hidden = true;
    entries = null;
    $("span-days").value = "";
    showLines($("span-calendars"), []);
    showEntry();
    const answer = engine.span($("birth").value, $("death").value, $("date-order").value, switchChoice.value,
                              languageChoice.value);
    if (!answer.ok && answer.field === "switch") {
        showSpanProblem("switch", [answer.message]);
        return;
    }
    if (!answer.ok) {
        const message = pageMessage(answer.message, "“Typed dates read”", $("date-order"));
        // The accepted forms are always shown beside a refused date.
        const forms = message.includes(engine.dateFormsRead) ? [] : [formsSentence()];
        showSpanProblem(answer.field, answer.wrongFormat ? [WrongDateFormat, message, ...forms] : [message]);
        return;
    }
    entries = answer.entries;
    $("span-days").value = answer.days;
    showLines($("span-calendars"), answer.calendarLines);
    showEntry();
    $("result").focus();
}

rememberChoice($("notation"));
$("notation").addEventListener("change", showEntry);
$("span-form").addEventListener("submit", (event) => {
    event.preventDefault();
    calculate();
});

partReady("span");
