// The tombstone part: the dates a date and a stated age allow, both ways
// (birth dates from a death, death dates from a birth).
import { $, copyButton, pageEngine, pageLanguageChoice, pageSwitchChoice, partReady } from "../lib/page.js";
import { pageMessage } from "../lib/wording.js";

const engine = await pageEngine();
const switchChoice = await pageSwitchChoice();
const languageChoice = await pageLanguageChoice();

// The labels of each way.
const Ways = {
    born: { date: "Death date", find: "Find birth dates", answer: "Born", placeholder: "August 3, 1904" },
    died: { date: "Birth date", find: "Find death dates", answer: "Died", placeholder: "October 5, 1824" },
};

const output = $("stone-answer");
const copyChanged = copyButton($("copy-stone"), output, $("copy-stone-done"));

function show(text, kind, calendarLine = "") {
    output.value = text;
    $("stone-calendar").value = calendarLine;
    output.classList.toggle("problem", kind === "problem");
    output.classList.toggle("notice", kind === "notice");
    copyChanged();
}

function showWay() {
    const way = Ways[$("stone-mode").value];
    $("stone-date-label").textContent = way.date;
    $("stone-date").placeholder = way.placeholder;
    $("stone-find").textContent = way.find;
    $("stone-answer-label").textContent = way.answer;
    show("", "answer");
}

$("stone-mode").addEventListener("change", showWay);
$("stone-exact").addEventListener("change", () => show("", "answer"));
$("stone-form").addEventListener("submit", (event) => {
    event.preventDefault();
    const answer = engine.ageDates($("stone-mode").value, $("stone-date").value, $("stone-age").value,
                                   $("date-order").value, $("stone-exact").checked, switchChoice.value,
                                   languageChoice.value);
    if (!answer.ok) {
        show(pageMessage(answer.message, "“Typed dates read”", $("date-order")), "problem");
        $({ age: "stone-age", switch: "switch" }[answer.field] ?? "stone-date").focus();
        return;
    }
    // No date gives the age: told as a finding, not as dates.
    show(answer.found ? answer.text : pageMessage(answer.text, "“Typed dates read”", $("date-order")),
         answer.found ? "answer" : "notice", answer.calendarLine);
    output.focus();
});

showWay();
partReady("stone");
