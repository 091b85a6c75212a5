// The page's part "Birth from records": one record a line, as `narrow`
// takes them; the answer is the text `narrow` prints and the picture of
// `narrow --svg`, both from the same C++ code.
import { $, pageEngine, partReady } from "../lib/page.js";

const engine = await pageEngine();

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
    const answer = engine.narrow($("records").value);
    const output = $("records-answer");
    const chart = $("records-chart");
    output.classList.toggle("problem", !answer.ok);
    output.value = answer.ok ? answer.text : answer.message;
    if (answer.ok)
        showPicture(chart, answer.svg);
    else
        chart.replaceChildren();
    output.focus();
});

partReady("records");
