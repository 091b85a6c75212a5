// The page's part "Birth from records": one record a line, as `narrow`
// takes them, read in the page's date order and under its Julian to
// Gregorian switch; the answer is the text `narrow` prints (a record of
// another calendar saying how it was read) and the picture of `narrow
// --svg`, both from the same C++ code.
import { $, pageEngine, pageLanguageChoice, pageSwitchChoice, partReady } from "../lib/page.js";
import { pageMessage } from "../lib/wording.js";

const engine = await pageEngine();
const switchChoice = await pageSwitchChoice();
const languageChoice = await pageLanguageChoice();

// The picture is parsed as SVG, never as HTML, and put in place whole.
function showPicture(chart, svgText) {
    const parsed = new DOMParser().parseFromString(svgText, "image/svg+xml");
    const svg = parsed.documentElement;
    if (svg.nodeName !== "svg") {
        chart.replaceChildren();
        return;
    }
    chart.replaceChildren(document.importNode(svg, true));
}

$("narrow").addEventListener("click", () => {
    const answer = engine.narrow($("records").value, $("date-order").value, switchChoice.value, languageChoice.value);
    const output = $("records-answer");
    const chart = $("records-chart");
    output.classList.toggle("problem", !answer.ok);
    output.value = answer.ok ? answer.text : pageMessage(answer.message, "“Typed dates read”", $("date-order"));
    if (answer.ok)
        showPicture(chart, answer.svg);
    else
        chart.replaceChildren();
    if (!answer.ok && answer.field === "switch")
        $("switch").focus();
    else
        output.focus();
});

partReady("records");
